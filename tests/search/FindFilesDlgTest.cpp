// The Find Files window in this process: its fields, a search with its rows and status,
// the list modes, failures, closing during a search, and its frame.
#include "SearchFixture.h"
#include "search/FindFilesDlg.h"
#include "search/ResultText.h"
#include "res/resource.h"
#include <algorithm>
#include <map>

namespace {

class CTestHost : public IFindFilesHost {
public:
    void OnFindFilesDestroyed() override { destroyed++; }
    void ShowShellContextMenu(const CString& folder, const CArray<CString>& names, int x, int y) override
    {
        menuFolder = folder.str();
        menuNames.clear();
        for (int i = 0; i < names.GetSize(); i++) menuNames.push_back(names[i].str());
        menuPoint = POINT{x, y};
    }
    int destroyed = 0;
    std::string menuFolder;
    std::vector<std::string> menuNames;
    POINT menuPoint = {0, 0};
};

// This process's top-level dialog other than Find Files (the folder browser).
bool IsOtherDialog(HWND h)
{
    char title[64] = "";
    ::GetWindowTextA(h, title, sizeof title);
    return IsWindowOf(h, 0, "#32770") && strcmp(title, "Find Files") != 0;
}

// A file of n zero bytes, made by setting its end.
bool MakeZeroFile(const char* path, __int64 n)
{
    CFileHandle h(::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    LARGE_INTEGER end;
    end.QuadPart = n;
    return h.IsValid() && ::SetFilePointerEx(h, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(h);
}

class FindFilesDlg : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApp();
        for (const char* d : {"Sub", "Other"}) MakeDir(dir.File(d));
        ASSERT_TRUE(WriteFileBytes(dir.File("alpha.txt"), "a needle here"));
        ASSERT_TRUE(WriteFileBytes(dir.File("beta.txt"), "nothing"));
        ASSERT_TRUE(WriteFileBytes(dir.File("gamma.dat"), "NEEDLE"));
        ASSERT_TRUE(WriteFileBytes(dir.File("Sub\\delta.txt"), "needle"));
        dlg.m_strLookIn = dir.Path() + "\\";
        // This folder's own entries unless a test asks for the sub-folders (a new window
        // has the box checked; OpensWithItsFieldsColumnsAndIcons sees that).
        subfoldersAtStart = dlg.m_bSubfolders;
        dlg.m_bSubfolders = FALSE;
        ASSERT_TRUE(dlg.Create(nullptr, &host));
    }
    void TearDown() override
    {
        if (dlg.m_hWnd) dlg.DestroyWindow();
    }
    void Set(int id, const char* text) { ::SetDlgItemTextA(dlg.m_hWnd, id, text); }
    std::string Get(int id) { return dlg.GetDlgItemText(id).str(); }
    void Click(int id) { ::SendMessageA(dlg.GetDlgItem(id), BM_CLICK, 0, 0); }
    void Search() { ::SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)dlg.GetDlgItem(IDOK)); }
    CListCtrl List() { return CListCtrl(dlg.GetDlgItem(IDC_FIND_RESULTS)); }
    std::vector<std::string> Names()
    {
        std::vector<std::string> v;
        for (int i = 0; i < List().GetItemCount(); i++) v.push_back(List().GetItemText(i, 0).str());
        return v;
    }
    std::string Folder() { return (dir.Path() + "\\").str(); }

    CTempDir dir;
    CTestHost host;
    CFindFilesDlg dlg;
    BOOL subfoldersAtStart = FALSE;
};

}  // namespace

TEST_F(FindFilesDlg, OpensWithItsFieldsColumnsAndIcons)
{
    EXPECT_EQ(dlg.GetWindowText(), "Find Files");
    EXPECT_EQ(Get(IDC_FIND_LOOK_IN), Folder());
    EXPECT_EQ(Get(IDC_FIND_STATUS), "0 items found");
    EXPECT_EQ(Get(IDOK), "Search");
    EXPECT_FALSE(::IsWindowEnabled(dlg.GetDlgItem(IDC_FIND_MIN_KB)));
    EXPECT_EQ(::IsDlgButtonChecked(dlg.m_hWnd, IDC_FIND_REPLACE), (UINT)BST_CHECKED);
    EXPECT_TRUE(subfoldersAtStart);
    EXPECT_EQ(::IsDlgButtonChecked(dlg.m_hWnd, IDC_FIND_SUBFOLDERS), (UINT)BST_UNCHECKED);  // as the fixture set it
    const char* headings[] = {"Name", "In Folder", "Size", "Modified"};
    int widths[] = {150, 200, 60, 120};
    for (int i = 0; i < 4; i++) {
        char text[32] = "";
        LVCOLUMNA c = {};
        c.mask = LVCF_TEXT;
        c.pszText = text;
        c.cchTextMax = sizeof text;
        ::SendMessageA(List().m_hWnd, LVM_GETCOLUMNA, i, (LPARAM)&c);
        EXPECT_STREQ(text, headings[i]);
        EXPECT_EQ(List().GetColumnWidth(i), widths[i]);
    }
    HIMAGELIST images = (HIMAGELIST)::SendMessageA(List().m_hWnd, LVM_GETIMAGELIST, LVSIL_SMALL, 0);
    ASSERT_TRUE(images);
    EXPECT_EQ(ImageList_GetImageCount(images), 1);
    EXPECT_EQ((HICON)dlg.SendMessage(WM_GETICON, ICON_BIG), ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_EXPLORER)));
    EXPECT_TRUE(dlg.SendMessage(WM_GETICON, ICON_SMALL));
    EXPECT_TRUE(::GetWindowLongA(dlg.m_hWnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

TEST_F(FindFilesDlg, SearchListsNamesContainingThePartAndCountsThem)
{
    Set(IDC_FIND_NAMED, "txt");
    Search();
    EXPECT_EQ(Names(), (std::vector<std::string>{"alpha.txt", "beta.txt"}));
    EXPECT_EQ(List().GetItemText(0, 1).str(), Folder());
    EXPECT_EQ(List().GetItemText(0, 2).str(), "13 B");
    EXPECT_EQ(Get(IDC_FIND_STATUS), "2 items found");
    EXPECT_EQ(Get(IDOK), "Search");
    EXPECT_EQ(Get(IDC_FIND_LOOK_IN), dir.Path().str());  // the backslash dropped

    Click(IDC_FIND_SUBFOLDERS);
    Search();
    std::vector<std::string> names = Names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"alpha.txt", "beta.txt", "delta.txt"}));
    EXPECT_EQ(Get(IDC_FIND_STATUS), "3 items found");
}

TEST_F(FindFilesDlg, StatusFollowsTheSearchingFolderWhileSearching)
{
    // The engine's notifications delivered to the window as its own search does. The status
    // is set whenever the window looks at its queue (at most every 10 ms), so each
    // notification here comes a little later than that.
    struct Probe {
        CFindFilesDlg* dlg;
        std::vector<std::string> statuses;
        static void Callback(CFileFinder* f, int code, void* p)
        {
            Probe* self = (Probe*)p;
            ::Sleep(20);
            CFindFilesDlg::FindFilesCallback(f, code, self->dlg);
            self->statuses.push_back(self->dlg->GetDlgItemText(IDC_FIND_STATUS).str());
        }
    } probe{&dlg, {}};
    CFileFinder finder;
    finder.SetCallback(&Probe::Callback, &probe);
    finder.FindFilesNamed(dir.Path(), "*.txt", FALSE);
    ASSERT_FALSE(probe.statuses.empty());
    EXPECT_EQ(probe.statuses.front(), "(0) - " + Folder());
    EXPECT_EQ(probe.statuses.back(), "(2) - " + Folder());
    EXPECT_EQ(List().GetItemCount(), 2);
}

// The rows come from the search's own listing: a file another program is writing shows
// its size and time, where opening it would have given 0 B from 1970.
TEST_F(FindFilesDlg, RowsShowTheListingsSizeEvenOfAFileHeldOpenForWriting)
{
    ASSERT_TRUE(WritePatternFile(dir.File("Sub\\held.log"), 20480));
    CFileHandle held(::CreateFileA(dir.File("Sub\\held.log"), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held.IsValid());
    ::CheckDlgButton(dlg.m_hWnd, IDC_FIND_SUBFOLDERS, BST_CHECKED);
    Set(IDC_FIND_NAMED, "l");
    Search();
    std::map<std::string, std::string> sizes;
    for (int i = 0; i < List().GetItemCount(); i++)
        sizes[List().GetItemText(i, RESULT_FOLDER).str() + List().GetItemText(i, RESULT_NAME).str()] =
            List().GetItemText(i, RESULT_SIZE).str();
    EXPECT_EQ(sizes, (std::map<std::string, std::string>{{Folder() + "alpha.txt", "13 B"},
                                                         {Folder() + "Sub\\held.log", "20 KB"},
                                                         {Folder() + "Sub\\delta.txt", "6 B"}}));
    for (int i = 0; i < List().GetItemCount(); i++)
        EXPECT_NE(List().GetItemText(i, RESULT_MODIFIED).str(), "01-01-1970 12:00 AM");
    EXPECT_EQ(Get(IDC_FIND_STATUS), "3 items found");
}

TEST_F(FindFilesDlg, TextSearchFindsFilesContainingItIgnoringCase)
{
    Set(IDC_FIND_CONTAINING, "needle");
    Search();
    EXPECT_EQ(Names(), (std::vector<std::string>{"alpha.txt", "gamma.dat"}));
    EXPECT_EQ(Get(IDC_FIND_STATUS), "2 items found");
}

TEST_F(FindFilesDlg, SizeLimitsAreInclusiveKilobytes)
{
    for (int n : {1023, 1024, 2048, 2049}) ASSERT_TRUE(WritePatternFile(dir.File(("s" + std::to_string(n) + ".bin").c_str()), n));
    Click(IDC_FIND_SIZE_LIMITS);
    EXPECT_TRUE(::IsWindowEnabled(dlg.GetDlgItem(IDC_FIND_MIN_KB)));
    Set(IDC_FIND_NAMED, ".bin");
    Set(IDC_FIND_MIN_KB, "1");
    Set(IDC_FIND_MAX_KB, "2");
    Search();
    EXPECT_EQ(Names(), (std::vector<std::string>{"s1024.bin", "s2048.bin"}));
    Click(IDC_FIND_SIZE_LIMITS);
    EXPECT_FALSE(::IsWindowEnabled(dlg.GetDlgItem(IDC_FIND_MAX_KB)));
    Search();
    EXPECT_EQ(Names().size(), 4u);
}

TEST_F(FindFilesDlg, SizeFieldThatIsNoIntegerStopsTheSearch)
{
    Set(IDC_FIND_NAMED, "txt");
    Search();
    ASSERT_EQ(List().GetItemCount(), 2);
    // Checked or not, the fields must hold integers.
    Set(IDC_FIND_NAMED, "");
    Set(IDC_FIND_MAX_KB, "12x");
    {
        CMessageBoxAnswerer answer;
        Search();
        EXPECT_EQ(answer.Text(), "Enter an integer.");
    }
    EXPECT_EQ(List().GetItemCount(), 2);
    EXPECT_EQ(Get(IDC_FIND_STATUS), "2 items found");

    Click(IDC_FIND_SIZE_LIMITS);
    Set(IDC_FIND_MIN_KB, "-");
    {
        CMessageBoxAnswerer answer;
        Search();
        EXPECT_EQ(answer.Text(), "Enter an integer.");
    }
    // The fields are read upper limit first: with both wrong, the upper one is focused.
    EXPECT_EQ(::GetFocus(), dlg.GetDlgItem(IDC_FIND_MAX_KB));
    Set(IDC_FIND_MAX_KB, "12");
    {
        CMessageBoxAnswerer answer;
        Search();
        EXPECT_EQ(answer.Text(), "Enter an integer.");
    }
    EXPECT_EQ(::GetFocus(), dlg.GetDlgItem(IDC_FIND_MIN_KB));
    EXPECT_EQ(List().GetItemCount(), 2);
}

TEST_F(FindFilesDlg, EmptyLookInIsReportedAndChangesNothing)
{
    Set(IDC_FIND_NAMED, "txt");
    Search();
    Set(IDC_FIND_LOOK_IN, "");
    char expected[256] = "";
    ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_INVALID_PARAMETER, 0,
                     expected, sizeof expected, nullptr);
    CMessageBoxAnswerer answer;
    Search();
    EXPECT_EQ(answer.Text(), std::string(expected).substr(0, answer.Text().size()));
    EXPECT_FALSE(answer.Text().empty());
    EXPECT_EQ(List().GetItemCount(), 2);
    EXPECT_EQ(Get(IDC_FIND_STATUS), "2 items found");
}

TEST_F(FindFilesDlg, LookInThatIsNoFolderFindsNothing)
{
    Set(IDC_FIND_NAMED, "txt");
    Search();
    ASSERT_EQ(List().GetItemCount(), 2);
    for (CString bad : {dir.File("alpha.txt"), dir.File("missing"), CString("NUL"), CString("\\\\.\\COM1"),
                        dir.File("con")}) {
        Set(IDC_FIND_LOOK_IN, bad);
        Search();
        EXPECT_EQ(List().GetItemCount(), 0) << bad.c_str();
        EXPECT_EQ(Get(IDC_FIND_STATUS), "0 items found") << bad.c_str();
        EXPECT_EQ(Get(IDOK), "Search");
    }
}

TEST_F(FindFilesDlg, AddTwiceKeepsOneRowPerFileAndRemoveTakesThemOut)
{
    Set(IDC_FIND_NAMED, "txt");
    Click(IDC_FIND_ADD);
    Search();
    Search();
    EXPECT_EQ(Names(), (std::vector<std::string>{"alpha.txt", "beta.txt"}));
    EXPECT_EQ(Get(IDC_FIND_STATUS), "2 items found");
    Set(IDC_FIND_NAMED, "dat");
    Search();
    EXPECT_EQ(Names(), (std::vector<std::string>{"alpha.txt", "beta.txt", "gamma.dat"}));
    EXPECT_EQ(Get(IDC_FIND_STATUS), "1 items found");

    Click(IDC_FIND_REMOVE);
    Set(IDC_FIND_NAMED, "beta");
    Search();
    EXPECT_EQ(Names(), (std::vector<std::string>{"alpha.txt", "gamma.dat"}));
    EXPECT_EQ(Get(IDC_FIND_STATUS), "1 items found");
    Search();  // nothing left of it: the count is of matches, not of removed rows
    EXPECT_EQ(Names().size(), 2u);
    EXPECT_EQ(Get(IDC_FIND_STATUS), "1 items found");

    Click(IDC_FIND_REPLACE);
    Set(IDC_FIND_NAMED, "delta");
    Search();
    EXPECT_TRUE(Names().empty());
    EXPECT_EQ(Get(IDC_FIND_STATUS), "0 items found");
}

TEST_F(FindFilesDlg, EscHidesTheIdleWindowWithItsList)
{
    Set(IDC_FIND_NAMED, "txt");
    Search();
    ::SendMessageA(dlg.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(::IsWindowVisible(dlg.m_hWnd));
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
    EXPECT_EQ(host.destroyed, 0);
    dlg.ShowWindow(SW_SHOW);
    EXPECT_EQ(Names().size(), 2u);
}

TEST_F(FindFilesDlg, ClosingDuringALongContentScanWaitsForTheSearchToUnwind)
{
    CString big = dir.File("big.bin");
    ASSERT_TRUE(MakeZeroFile(big, 512LL << 20));
    Set(IDC_FIND_NAMED, "big");
    Set(IDC_FIND_CONTAINING, "no such text anywhere");
    HWND h = dlg.m_hWnd;
    // Another thread closes the window once the scan is under way, as the close box would.
    auto scanning = [h](HWND w) {
        char status[300] = "", button[32] = "";
        ::GetDlgItemTextA(h, IDC_FIND_STATUS, status, sizeof status);
        ::GetDlgItemTextA(h, IDOK, button, sizeof button);
        return w == h && status[0] == '(' && !strcmp(button, "Cancel");
    };
    CWindowWatcher closer(scanning, [](HWND w, size_t) { ::PostMessageA(w, WM_CLOSE, 0, 0); });
    Search();
    EXPECT_EQ(closer.Wait(), 1u);
    EXPECT_FALSE(::IsWindow(h));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(host.destroyed, 1);
    EXPECT_FALSE(dlg.IsSearching());

    // The object makes a new window that shows the last values.
    ASSERT_TRUE(dlg.Create(nullptr, &host));
    EXPECT_EQ(Get(IDC_FIND_CONTAINING), "no such text anywhere");
    EXPECT_EQ(Get(IDC_FIND_STATUS), "0 items found");
}

TEST_F(FindFilesDlg, RightClickAsksTheHostForTheShellMenuOfTheSelectedRow)
{
    Set(IDC_FIND_NAMED, "txt");
    Search();
    NMHDR nm = {List().m_hWnd, IDC_FIND_RESULTS, (UINT)NM_RCLICK};
    ::SendMessageA(dlg.m_hWnd, WM_NOTIFY, IDC_FIND_RESULTS, (LPARAM)&nm);
    EXPECT_TRUE(host.menuNames.empty());  // nothing selected
    List().SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    ::SendMessageA(dlg.m_hWnd, WM_NOTIFY, IDC_FIND_RESULTS, (LPARAM)&nm);
    EXPECT_EQ(host.menuFolder, Folder());
    EXPECT_EQ(host.menuNames, (std::vector<std::string>{"beta.txt"}));
    POINT pt;
    ::GetCursorPos(&pt);
    EXPECT_EQ(host.menuPoint.x, pt.x);
}

TEST_F(FindFilesDlg, CancellingTheFolderBrowserEmptiesLookIn)
{
    CWindowWatcher cancel(IsOtherDialog, [](HWND h, size_t) { ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0); });
    Click(IDC_FIND_BROWSE);
    EXPECT_EQ(cancel.Wait(), 1u);
    EXPECT_EQ(Get(IDC_FIND_LOOK_IN), "");
}

TEST_F(FindFilesDlg, FrameIsResizableWithTheListStretchedAndAMinimumSize)
{
    DWORD style = (DWORD)::GetWindowLongA(dlg.m_hWnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & DS_MODALFRAME);
    RECT client, units = {0, 0, 281, 263};
    dlg.GetClientRect(&client);
    ::MapDialogRect(dlg.m_hWnd, &units);
    EXPECT_EQ(client.right, units.right);
    EXPECT_EQ(client.bottom, units.bottom);

    RECT outer;
    dlg.GetWindowRect(&outer);
    ::SetWindowPos(dlg.m_hWnd, nullptr, 0, 0, outer.right - outer.left + 100, outer.bottom - outer.top + 80,
                   SWP_NOMOVE | SWP_NOZORDER);
    dlg.GetClientRect(&client);
    RECT list;
    ::GetWindowRect(List().m_hWnd, &list);
    ::MapWindowPoints(nullptr, dlg.m_hWnd, (POINT*)&list, 2);
    EXPECT_EQ(client.right - list.right, list.left);
    EXPECT_EQ(client.bottom - list.bottom, list.left);

    MINMAXINFO mmi = {};
    dlg.SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    EXPECT_EQ(mmi.ptMinTrackSize.x, outer.right - outer.left);
    EXPECT_EQ(mmi.ptMinTrackSize.y, outer.bottom - outer.top);
}
