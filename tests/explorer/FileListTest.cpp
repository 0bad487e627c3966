// The file list with the real list control: cells, rows, sorting, view modes.
#include "ExplorerFixture.h"
#include "support/FindData.h"
#include "explorer/list/SortClass.h"
#include <shellapi.h>
#include <shlobj.h>
#include <functional>

namespace {

WIN32_FIND_DATAA Found(const char* path)
{
    WIN32_FIND_DATAA fd = {};
    HANDLE h = ::FindFirstFileA(path, &fd);
    if (h != INVALID_HANDLE_VALUE) ::FindClose(h);
    return fd;
}

class FileList : public ListOfMadeEntries {
protected:
    void SortBy(int column)
    {
        CSortClass sorter(view, column, column == 1);
        sorter.Sort(true);
    }
    std::string Cell(int row, int col) { return host->List().GetItemText(row, col).str(); }
};

}  // namespace

TEST_F(FileList, CellsOfFilesAndFolders)
{
    CTempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File("zero.bin"), ""));
    ASSERT_TRUE(WriteFileBytes(dir.File("five.txt"), "12345"));
    ASSERT_TRUE(::CreateDirectoryA(dir.File("sub"), nullptr));
    for (const char* name : {"zero.bin", "five.txt", "sub"}) view->AddFileEntry(Found(dir.File(name)), dir.Path());

    ASSERT_EQ(host->List().GetItemCount(), 3);
    EXPECT_EQ(Cell(0, 0), "zero.bin");
    EXPECT_EQ(Cell(0, 1), "0");
    EXPECT_EQ(Cell(1, 1), "5");
    EXPECT_EQ(Cell(2, 0), "sub");
    EXPECT_EQ(Cell(2, 1), "");  // a folder: no size
    // Today's date, local, month first.
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    char today[16];
    snprintf(today, sizeof today, "%02u-%02u-%04u", now.wMonth, now.wDay, now.wYear);
    EXPECT_EQ(Cell(1, 3), today);
}

TEST_F(FileList, ZeroLowTimeStampGivesAnEmptyDate)
{
    FILETIME lowZero = {0, 0x01D00000};
    Add(Entry("old.txt", FILE_ATTRIBUTE_ARCHIVE, 3, lowZero, LocalFileTime(2024, 3, 7)));
    EXPECT_EQ(Cell(0, 2), "");
    EXPECT_EQ(Cell(0, 3), "03-07-2024");
}

TEST_F(FileList, NameDifferingOnlyInCaseAddsNothing)
{
    Add(FileData("Report.TXT", 1));
    Add(FileData("report.txt", 2));
    Add(FolderData("REPORT.txt"));
    ASSERT_EQ(host->List().GetItemCount(), 1);
    EXPECT_EQ(Cell(0, 1), "1");
    EXPECT_TRUE(view->HasEntry("REPORT.TXT"));
}

TEST_F(FileList, RowsAreAppendedUnsortedAndFollowTheModel)
{
    Add(FileData("b", 1));
    Add(FolderData("a"));
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"b", "a"}));
    EXPECT_FALSE(view->IsFolderRow(0));
    EXPECT_TRUE(view->IsFolderRow(1));
    EXPECT_EQ(view->GetEntryPath(1).str(), "C:\\nowhere\\a");
    view->DeleteRow(0);
    EXPECT_FALSE(view->HasEntry("b"));
    view->RenameRow(0, "c");
    EXPECT_FALSE(view->HasEntry("a"));
    EXPECT_TRUE(view->HasEntry("C"));
    EXPECT_EQ(view->FindRow("C"), 0);
    Add(FileData("A", 1));
    Add(FileData("B", 1));
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"c", "A", "B"}));
    // Row i is entry i, whatever happened.
    const CFolderModel& model = view->GetModel();
    ASSERT_EQ(model.GetCount(), host->List().GetItemCount());
    for (int i = 0; i < model.GetCount(); i++) EXPECT_EQ(model.GetAt(i).strName.str(), Cell(i, 0));
    view->DeleteAllEntries();
    EXPECT_FALSE(view->HasEntry("c"));
    Add(FileData("c", 1));
    EXPECT_EQ(host->List().GetItemCount(), 1);
}

TEST_F(FileList, SelectedRowsGiveFullPathsInRowOrder)
{
    for (const char* name : {"one.txt", "two", "three.txt"}) Add(FileData(name, 1));
    EXPECT_EQ(view->GetSelectedRows().GetSize(), 0);
    host->List().SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    host->List().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    CArray<CString> paths = view->GetSelectedPaths();
    ASSERT_EQ(paths.GetSize(), 2);
    EXPECT_EQ(paths[0].str(), "C:\\nowhere\\one.txt");
    EXPECT_EQ(paths[1].str(), "C:\\nowhere\\three.txt");
}

TEST_F(FileList, SortingReordersTheModelWithTheRows)
{
    Add(FileData("b.txt", 3000000000u));
    Add(FolderData("zeta"));
    Add(FileData("A.txt", 7));
    SortBy(0);
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"zeta", "A.txt", "b.txt"}));
    const CFolderModel& model = view->GetModel();
    for (int i = 0; i < model.GetCount(); i++) EXPECT_EQ(model.GetAt(i).strName.str(), Cell(i, 0));
    EXPECT_TRUE(view->IsFolderRow(0));
    EXPECT_EQ(view->FindRow("B.TXT"), 2);
    // Row item data is back to what it was.
    for (int i = 0; i < 3; i++) EXPECT_EQ(host->List().GetItemData(i), 0u);
}

TEST_F(FileList, HiddenEntriesAreDrawnDimmed)
{
    CTempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File(".hidden"), "x"));
    ASSERT_TRUE(WriteFileBytes(dir.File("plain"), "x"));
    view->AddFileEntry(Found(dir.File(".hidden")), dir.Path());
    view->AddFileEntry(Found(dir.File("plain")), dir.Path());
    // Dimmed exactly when the shell calls the entry ghosted (this Wine does not for hidden files).
    SHFILEINFOA sfi = {};
    ::SHGetFileInfoA(dir.File(".hidden"), 0, &sfi, sizeof sfi, SHGFI_ATTRIBUTES);
    EXPECT_EQ(host->List().GetItemState(0, LVIS_CUT), (sfi.dwAttributes & SFGAO_GHOSTED) ? (UINT)LVIS_CUT : 0u);
    EXPECT_EQ(host->List().GetItemState(1, LVIS_CUT), 0u);
}

TEST_F(FileList, EachColumnSortsAsItsKeySays)
{
    const FILETIME none = {0, 0};
    struct Case {
        const char* what;
        int column;
        std::vector<WIN32_FIND_DATAA> entries;
        std::vector<std::string> rows;
    } cases[] = {
        {"name: folders first, then case ignored", 0,
         {FileData("b.txt", 1), FolderData("zeta"), FileData("A.txt", 1)},
         {"zeta", "A.txt", "b.txt"}},
        {"modified: chronological, undated files first", 3,
         {FileData("new", 1, LocalFileTime(2024, 1, 1)), FileData("old", 1, LocalFileTime(2023, 12, 31)),
          Entry("undated", FILE_ATTRIBUTE_ARCHIVE, 1, none, none), FolderData("dir", LocalFileTime(2025, 6, 1))},
         {"dir", "undated", "old", "new"}},
        {"created: an undated folder before everything", 2,
         {FileData("file", 1, LocalFileTime(2020, 1, 1)), FolderData("dated", LocalFileTime(2001, 1, 1)),
          Entry("undated", FILE_ATTRIBUTE_DIRECTORY, 0, none, none)},
         {"undated", "dated", "file"}},
        {"size: numeric, not by text", 1,
         {FileData("ten", 10), FileData("nine", 9), FileData("hundred", 100)},
         {"nine", "ten", "hundred"}},
    };
    for (const Case& c : cases) {
        view->ShowFolder("C:\\nowhere");
        for (const WIN32_FIND_DATAA& fd : c.entries) Add(fd);
        SortBy(c.column);
        EXPECT_EQ(host->Rows(), c.rows) << c.what;
    }
}

TEST_F(FileList, SizesFromTwoGigabytesSortAs64BitNumbers)
{
    WIN32_FIND_DATAA big = FileData("4g", 0);
    big.nFileSizeHigh = 1;
    WIN32_FIND_DATAA huge = FileData("2t", 0);
    huge.nFileSizeHigh = 512;
    Add(huge);
    Add(big);
    Add(FileData("3g", 3221225472u));
    Add(FileData("2g", 2147483648u));
    Add(FolderData("dir"));
    Add(FileData("empty", 0));
    EXPECT_EQ(Cell(1, 1), "4294967296");
    EXPECT_EQ(Cell(2, 1), "3221225472");
    SortBy(1);
    // Folders and empty files tie at 0 and come first, in whatever order the sort leaves them.
    std::vector<std::string> rows = host->Rows();
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(rows.begin() + 2, rows.end()),
              (std::vector<std::string>{"2g", "3g", "4g", "2t"}));
}

TEST_F(FileList, ItemDataIsBackAfterTheSort)
{
    Add(FileData("x", 1));
    Add(FileData("y", 2));
    host->List().SetItemData(1, 77);
    SortBy(0);
    EXPECT_EQ(host->List().GetItemData(0), 0u);
    EXPECT_EQ(host->List().GetItemData(1), 77u);
    SortBy(1);
    EXPECT_EQ(host->List().GetItemData(1), 77u);
}

TEST_F(FileList, ItemDataStaysWithItsEntryThroughRemovalsRenamesAndUpdates)
{
    for (const char* name : {"x", "y", "z", "w"}) Add(FileData(name, 1));
    host->List().SetItemData(2, 55);
    host->List().SetItemData(3, 66);
    view->DeleteRows({0, 1});
    ASSERT_EQ(host->Rows(), (std::vector<std::string>{"z", "w"}));
    EXPECT_EQ(host->List().GetItemData(0), 55u);
    EXPECT_EQ(host->List().GetItemData(1), 66u);
    view->RenameRow(0, "z2");
    view->UpdateRow(1, FileData("W", 9));
    EXPECT_EQ(host->List().GetItemData(0), 55u);
    EXPECT_EQ(host->List().GetItemData(1), 66u);
    view->DeleteRow(0);
    Add(FileData("v", 1));  // a new entry starts without any
    ASSERT_EQ(host->Rows(), (std::vector<std::string>{"W", "v"}));
    EXPECT_EQ(host->List().GetItemData(0), 66u);
    EXPECT_EQ(host->List().GetItemData(1), 0u);
}

TEST_F(FileList, SortOfAnEmptyListDoesNothing)
{
    SortBy(0);
    SortBy(1);
    EXPECT_EQ(host->List().GetItemCount(), 0);
}

// A click on a column heading, however it reaches the view, sorts ascending by that column,
// and a second click on the same heading sorts ascending again.
TEST_F(FileList, ColumnClickSortsAscendingByThatColumn)
{
    // As the control sends it: a notification to its parent, which hands it back to the view.
    auto notify = [&](int column) {
        NMLISTVIEW nm = {};
        nm.hdr.hwndFrom = host->List().m_hWnd;
        nm.hdr.idFrom = AFX_IDW_PANE_FIRST + 1;
        nm.hdr.code = LVN_COLUMNCLICK;
        nm.iItem = -1;
        nm.iSubItem = column;
        ::SendMessageA(host->m_host.m_hWnd, WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
    };
    // As the mouse does it: a press and release on the heading in Details view.
    auto click = [&](int column) {
        view->ShowAsDetails();
        host->List().SetColumnWidth(0, 100);  // the Size heading within the window
        HWND header = (HWND)::SendMessageA(host->List().m_hWnd, LVM_GETHEADER, 0, 0);
        RECT rc = {};
        ASSERT_TRUE(header && ::SendMessageA(header, HDM_GETITEMRECT, column, (LPARAM)&rc));
        LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageA(header, WM_LBUTTONUP, 0, at);
    };
    struct Way {
        const char* what;
        std::function<void(int)> press;
    } ways[] = {{"notification", notify}, {"mouse on the heading", click}};
    for (const Way& w : ways) {
        view->ShowFolder("C:\\nowhere");
        Add(FileData("b", 10));
        Add(FileData("a", 9));
        Add(FileData("c", 100));
        w.press(1);
        EXPECT_EQ(host->Rows(), (std::vector<std::string>{"a", "b", "c"})) << w.what;
        Add(FileData("B0", 1));
        w.press(0);
        w.press(0);
        EXPECT_EQ(host->Rows(), (std::vector<std::string>{"a", "b", "B0", "c"})) << w.what;
    }
}

TEST_F(FileList, InitialUpdateSetsStylesFontColumnsAndListMode)
{
    CListCtrl list = host->List();
    DWORD style = list.GetStyle();
    EXPECT_EQ(style & LVS_TYPEMASK, (DWORD)LVS_LIST);  // setting "list" absent: List
    EXPECT_EQ(style & 0x8048, 0x8048u);                 // show selection, shared images, plain headers
    EXPECT_EQ(list.GetExtendedStyle(), (DWORD)LVS_EX_INFOTIP);
    EXPECT_FALSE(g_bDetailsShading);
    int w = ::GetSystemMetrics(SM_CXSCREEN) - 222;
    EXPECT_EQ(view->m_nListWidth, w / 3);
    EXPECT_EQ(view->m_nNameWidth, w / 2);
    EXPECT_EQ(view->m_nSizeWidth, w / 6);
    EXPECT_EQ(list.GetColumnWidth(0), w / 3);
    LOGFONTA lf = {};
    ::GetObjectA((HFONT)::SendMessageA(list.m_hWnd, WM_GETFONT, 0, 0), sizeof lf, &lf);
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");
    char heading[32] = "";
    LVCOLUMNA col = {};
    col.mask = LVCF_TEXT;
    col.pszText = heading;
    col.cchTextMax = sizeof heading;
    const char* names[] = {"File Name", "Size", "Created", "Modified"};
    for (int i = 0; i < 4; i++) {
        ASSERT_TRUE(::SendMessageA(list.m_hWnd, LVM_GETCOLUMNA, i, (LPARAM)&col));
        EXPECT_STREQ(heading, names[i]);
    }
}

TEST_F(FileList, SettingListNonZeroStartsInDetailsWithoutShading)
{
    host.reset();
    TestApp().WriteProfileInt("settings", "list", 1);
    host.reset(new CPaneHost);
    view = host->m_pList;
    EXPECT_EQ(view->GetViewType(), (DWORD)LVS_REPORT);
    EXPECT_FALSE(g_bDetailsShading);
    view->ShowAsDetails();
    EXPECT_TRUE(g_bDetailsShading);
    ClearSettings();
}

TEST_F(FileList, DetailsAndListRestoreTheComputedWidths)
{
    CListCtrl list = host->List();
    view->ShowAsDetails();
    EXPECT_EQ(view->GetViewType(), (DWORD)LVS_REPORT);
    const int expected[] = {view->m_nNameWidth, view->m_nSizeWidth, view->m_nCreatedWidth, view->m_nModifiedWidth};
    for (int i = 0; i < 4; i++) EXPECT_EQ(list.GetColumnWidth(i), expected[i]) << i;
    list.SetColumnWidth(0, 40);  // dragged by hand
    list.SetColumnWidth(2, 41);
    view->ShowAsList();
    EXPECT_EQ(view->GetViewType(), (DWORD)LVS_LIST);
    EXPECT_FALSE(g_bDetailsShading);
    EXPECT_EQ(list.GetColumnWidth(0), view->m_nListWidth);
    view->ShowAsDetails();
    for (int i = 0; i < 4; i++) EXPECT_EQ(list.GetColumnWidth(i), expected[i]) << i;
}

TEST_F(FileList, ShadingColoursOddRowsInDetailsOnly)
{
    NMLVCUSTOMDRAW cd = {};
    cd.nmcd.hdr.hwndFrom = host->List().m_hWnd;
    cd.nmcd.hdr.idFrom = AFX_IDW_PANE_FIRST + 1;
    cd.nmcd.hdr.code = NM_CUSTOMDRAW;
    auto send = [&](DWORD stage, DWORD_PTR item) {
        cd.nmcd.dwDrawStage = stage;
        cd.nmcd.dwItemSpec = item;
        cd.clrTextBk = 12345;
        return ::SendMessageA(host->m_host.m_hWnd, WM_NOTIFY, cd.nmcd.hdr.idFrom, (LPARAM)&cd);
    };
    view->ShowAsList();
    EXPECT_EQ(send(CDDS_PREPAINT, 0), CDRF_DODEFAULT);
    view->ShowAsDetails();
    EXPECT_EQ(send(CDDS_PREPAINT, 0), CDRF_NOTIFYITEMDRAW);
    EXPECT_EQ(send(CDDS_ITEMPREPAINT, 3), CDRF_DODEFAULT);
    EXPECT_EQ(cd.clrTextBk, RGB(240, 240, 255));
    send(CDDS_ITEMPREPAINT, 4);
    EXPECT_EQ(cd.clrTextBk, RGB(255, 255, 255));
}
