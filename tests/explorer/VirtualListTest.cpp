// The file list as a virtual view of the folder model: selection and focus kept by entry
// across sorts, changes and refreshes; type-ahead; the folder on show followed by name.
#include "ExplorerFixture.h"
#include "explorer/list/SortClass.h"
#include <algorithm>

namespace {

WIN32_FIND_DATAA FileData(const char* name, DWORD size)
{
    WIN32_FIND_DATAA fd = {};
    lstrcpynA(fd.cFileName, name, MAX_PATH);
    fd.dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE;
    fd.nFileSizeLow = size;
    fd.ftLastWriteTime.dwLowDateTime = 1;
    return fd;
}

class VirtualList : public ListOfMadeEntries {
protected:
    void Select(const char* name, bool focus = false)
    {
        int row = view->FindRow(name);
        ASSERT_GE(row, 0) << name;
        host->List().SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
        if (focus) host->List().SetItemState(row, LVIS_FOCUSED, LVIS_FOCUSED);
    }
    std::vector<std::string> Selected()
    {
        std::vector<std::string> names;
        CArray<int> rows = view->GetSelectedRows();
        for (int k = 0; k < rows.GetSize(); k++) names.push_back(host->List().GetItemText(rows[k], 0).str());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string Focused()
    {
        int row = host->List().GetNextItem(-1, LVNI_FOCUSED);
        return row < 0 ? std::string() : host->List().GetItemText(row, 0).str();
    }
};

class FolderOnShow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        ASSERT_TRUE(drive.IsReady());
        ASSERT_TRUE(drive.MakeDir("Data"));
        ASSERT_TRUE(drive.MakeDir("Data\\Sub"));
        for (const char* f : {"Data\\one.txt", "Data\\two.txt", "Data\\three.txt"}) ASSERT_TRUE(drive.MakeFile(f, "x"));
        host.reset(new CPaneHost);
        tree = host->m_pTree;
    }
    void TearDown() override { host.reset(); }
    HTREEITEM Show(const char* path)
    {
        HTREEITEM h = host->Open(path);
        if (h) host->Tree().SelectItem(h);
        return h;
    }
    std::vector<std::string> SortedRows()
    {
        std::vector<std::string> rows = host->Rows();
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    bool ModelMatchesRows()
    {
        const CFolderModel& model = host->m_pList->GetModel();
        if (model.GetCount() != host->List().GetItemCount()) return false;
        for (int i = 0; i < model.GetCount(); i++)
            if (model.GetAt(i).strName != host->List().GetItemText(i, 0)) return false;
        return true;
    }

    CTestDrive drive{'V'};
    std::unique_ptr<CPaneHost> host;
    CLeftView* tree = nullptr;
};

}  // namespace

TEST_F(VirtualList, TheControlHoldsOnlyTheCountTheModelTheRest)
{
    for (const char* n : {"b.txt", "a.txt", "c.txt"}) Add(FileData(n, 7));
    EXPECT_NE(host->List().GetStyle() & LVS_OWNERDATA, 0u);
    EXPECT_EQ(host->List().GetItemCount(), 3);
    EXPECT_EQ(host->List().GetItemText(1, 0), "a.txt");
    EXPECT_EQ(host->List().GetItemText(1, 1), "7");
    EXPECT_EQ(host->List().FindItem("C.TXT"), 2);
    EXPECT_EQ(host->List().FindItem("c"), -1);  // whole names only
}

TEST_F(VirtualList, SortKeepsTheSameEntriesSelectedAndFocused)
{
    for (const char* n : {"d", "b", "a", "c"}) Add(FileData(n, 1));
    Select("d");
    Select("a", true);
    for (int column : {0, 1, 3, 0}) {
        CSortClass sorter(view, column, column == 1);
        sorter.Sort(true);
        EXPECT_EQ(Selected(), (std::vector<std::string>{"a", "d"})) << column;
        EXPECT_EQ(Focused(), "a") << column;
    }
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"a", "b", "c", "d"}));
    CSortClass down(view, 0, false);
    down.Sort(false);
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"d", "c", "b", "a"}));
    EXPECT_EQ(Selected(), (std::vector<std::string>{"a", "d"}));
}

TEST_F(VirtualList, RemovedRowsLeaveTheOthersSelected)
{
    for (const char* n : {"a", "b", "c", "d", "e"}) Add(FileData(n, 1));
    Select("b");
    Select("e", true);
    view->DeleteRows({0, 2});
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"b", "d", "e"}));
    EXPECT_EQ(Selected(), (std::vector<std::string>{"b", "e"}));
    EXPECT_EQ(Focused(), "e");
    view->DeleteRow(0);
    EXPECT_EQ(Selected(), (std::vector<std::string>{"e"}));
    Add(FileData("f", 1));
    EXPECT_EQ(Selected(), (std::vector<std::string>{"e"}));
    view->RenameRow(1, "E2");
    EXPECT_EQ(Selected(), (std::vector<std::string>{"E2"}));
}

TEST_F(VirtualList, TypingANameMovesTheFocusToIt)
{
    for (const char* n : {"alpha", "beta", "Bravo", "charlie"}) Add(FileData(n, 1));
    ::SetFocus(host->List().m_hWnd);
    auto type = [&](const char* text) {
        for (const char* p = text; *p; p++) ::SendMessageA(host->List().m_hWnd, WM_CHAR, (WPARAM)(unsigned char)*p, 1);
    };
    type("ch");
    EXPECT_EQ(Focused(), "charlie");
    EXPECT_EQ(Selected(), (std::vector<std::string>{"charlie"}));
}

TEST_F(FolderOnShow, RefreshKeepsSelectionFocusAndTop)
{
    Show("V:\\Data");
    ASSERT_EQ(host->Rows(), (std::vector<std::string>{"Sub", "one.txt", "three.txt", "two.txt"}));
    host->List().SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ASSERT_TRUE(drive.MakeFile("Data\\a0.txt", "x"));
    tree->RebuildTree();
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"Sub", "a0.txt", "one.txt", "three.txt", "two.txt"}));
    int row = host->List().GetNextItem(-1, LVNI_SELECTED);
    ASSERT_GE(row, 0);
    EXPECT_EQ(host->List().GetItemText(row, 0), "three.txt");
    EXPECT_EQ(host->List().GetNextItem(-1, LVNI_FOCUSED), row);
}

TEST_F(FolderOnShow, ChangesComeByNameAndKeepTheRowsInPlace)
{
    Show("V:\\Data");
    std::vector<std::string> before = host->Rows();
    host->List().SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);  // two.txt
    ASSERT_TRUE(drive.MakeFile("Data\\0new.txt", "abc"));
    ASSERT_TRUE(WaitFor([&] { return host->m_pList->HasEntry("0new.txt"); }, 10000));
    // Appended at the end, the others where they were.
    std::vector<std::string> rows = host->Rows();
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(rows.begin(), rows.begin() + 4), before);
    EXPECT_EQ(rows.back(), "0new.txt");
    EXPECT_TRUE(WaitFor([&] { return host->List().GetItemText(4, 1) == "3"; }, 10000));
    // A rename inside the folder: the row keeps its place and its selection.
    ASSERT_TRUE(::MoveFileA(drive.Path("Data\\two.txt"), drive.Path("Data\\deux.txt")));
    ASSERT_TRUE(WaitFor([&] { return host->m_pList->HasEntry("deux.txt"); }, 10000));
    EXPECT_FALSE(host->m_pList->HasEntry("two.txt"));
    EXPECT_EQ(host->List().GetItemText(3, 0), "deux.txt");
    EXPECT_EQ(host->List().GetNextItem(-1, LVNI_SELECTED), 3);
    // A removal above the selection moves the selection with its entry.
    ASSERT_TRUE(::DeleteFileA(drive.Path("Data\\one.txt")));
    ASSERT_TRUE(WaitFor([&] { return !host->m_pList->HasEntry("one.txt"); }, 10000));
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"Sub", "three.txt", "deux.txt", "0new.txt"}));
    EXPECT_EQ(host->List().GetNextItem(-1, LVNI_SELECTED), 2);
    // A folder renamed inside the folder on show: row and tree child.
    HTREEITEM data = host->Tree().GetSelectedItem();
    host->Tree().Expand(data, TVE_EXPAND);
    ASSERT_TRUE(::MoveFileA(drive.Path("Data\\Sub"), drive.Path("Data\\Sub2")));
    ASSERT_TRUE(WaitFor([&] { return host->m_pList->HasEntry("Sub2"); }, 10000));
    EXPECT_EQ(host->List().GetItemText(0, 0), "Sub2");
    EXPECT_TRUE(WaitFor([&] { return host->Children(data) == std::vector<std::string>{"Sub2"}; }, 10000));
    EXPECT_TRUE(ModelMatchesRows());
}

TEST_F(FolderOnShow, AnOverflowingChangeBufferEndsInTheFullReread)
{
    // A buffer that holds no name of the burst: the platform can only say that names were lost.
    tree->m_folderChanges.SetBufferSize(16);
    Show("V:\\Data");
    ASSERT_EQ(host->Rows().size(), 4u);
    std::vector<std::string> args = {"-c", "cd \"$0\" && for i in $(seq 1 2000); do : > burst$i.txt; done && rm -f one.txt",
                                     drive.LinuxDir().str() + "/Data"};
    ASSERT_TRUE(RunLinux("/bin/sh", args));
    ASSERT_TRUE(WaitFor([&] { return SortedNamesIn(drive.Path("Data")).size() == 2003u; }, 20000));
    EXPECT_TRUE(WaitFor([&] { return SortedRows() == SortedNamesIn(drive.Path("Data")); }, 30000))
        << SortedRows().size() << " rows, " << SortedNamesIn(drive.Path("Data")).size() << " on disk";
    EXPECT_GT(tree->m_folderChanges.GetLostCount(), 0);
    EXPECT_TRUE(ModelMatchesRows());
}
