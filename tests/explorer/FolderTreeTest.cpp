// The folder tree with the real tree control, over a drive of the test's own.
#include "ExplorerFixture.h"
#include "res/resource.h"

namespace {

class FolderTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        ASSERT_TRUE(drive.IsReady());
        // T:\Data\Sub\Deep, T:\Data\b, T:\Data\A, T:\Empty, T:\Files (two files), T:\top.txt
        for (const char* d : {"Data", "Data\\Sub", "Data\\Sub\\Deep", "Data\\b", "Data\\A", "Empty", "Files"})
            ASSERT_TRUE(drive.MakeDir(d));
        for (const char* f : {"top.txt", "Files\\one.txt", "Files\\two.txt", "Data\\note.txt"})
            ASSERT_TRUE(drive.MakeFile(f, "x"));
        host.reset(new CPaneHost);
        root = host->Root("T:\\");
        ASSERT_TRUE(root);
    }
    void TearDown() override { host.reset(); }

    CTreeCtrl Tree() { return host->Tree(); }
    HTREEITEM Selected() { return Tree().GetSelectedItem(); }
    CString SelectedPath() { return host->m_pTree->GetItemPath(Selected()); }

    CTestDrive drive{'T'};
    std::unique_ptr<CPaneHost> host;
    HTREEITEM root = nullptr;
};

}  // namespace

TEST_F(FolderTree, OneRootPerDriveWithAPlaceholderAndTheWindowsDriveListedFirst)
{
    CTreeCtrl tree = Tree();
    std::vector<std::string> roots;
    for (HTREEITEM h = tree.GetRootItem(); h; h = tree.GetNextSiblingItem(h)) {
        roots.push_back(tree.GetItemText(h).str());
        HTREEITEM child = tree.GetChildItem(h);
        ASSERT_TRUE(child) << roots.back();
        EXPECT_EQ(tree.GetItemText(child), "");
        EXPECT_FALSE(tree.GetNextSiblingItem(child));
    }
    DWORD mask = ::GetLogicalDrives();
    std::vector<std::string> expected;
    for (int i = 0; i < 26; i++)
        if (mask & (1u << i)) expected.push_back(std::string(1, (char)('A' + i)) + ":\\");
    EXPECT_EQ(roots, expected);
    // The start-up selection went to the drive of the Windows directory.
    char win[MAX_PATH];
    ::GetWindowsDirectoryA(win, sizeof win);
    EXPECT_EQ(SelectedPath(), CString(win).Left(3));
    EXPECT_EQ(host->m_pTree->m_hStartItem, Selected());
    EXPECT_EQ(host->m_pDoc->GetTitle(), CString(win).Left(3));
}

TEST_F(FolderTree, ItemPathsJoinTheTextsOfTheAncestors)
{
    HTREEITEM sub = host->Open("T:\\Data\\Sub");
    ASSERT_TRUE(sub);
    EXPECT_EQ(host->m_pTree->GetItemPath(sub), "T:\\Data\\Sub");
    EXPECT_EQ(host->m_pTree->GetItemPath(root), "T:\\");
    EXPECT_EQ(host->m_pTree->GetItemPath(nullptr), "");
}

TEST_F(FolderTree, SubfolderTestOnFixtureFolders)
{
    ASSERT_TRUE(drive.MakeDir("OnlyHidden"));
    ASSERT_TRUE(drive.MakeDir("OnlyHidden\\.secret"));
    const struct {
        const char* path;
        bool has;
    } cases[] = {
        {"T:\\Data", true},         {"T:\\Data\\", true},       {"T:\\Files", false}, {"T:\\Empty", false},
        {"T:\\OnlyHidden", true},   {"T:\\Missing", false},     {"T:\\top.txt", false}, {"T:\\", true},
    };
    for (const auto& c : cases) EXPECT_EQ(CLeftView::HasSubfolders(c.path), c.has) << c.path;
}

TEST_F(FolderTree, ExpandingListsSubfoldersSortedIgnoringCaseWithButtons)
{
    HTREEITEM data = host->Open("T:\\Data");
    ASSERT_TRUE(data);
    EXPECT_EQ(host->Children(root), (std::vector<std::string>{"Data", "Empty", "Files"}));
    ASSERT_TRUE(Tree().Expand(data, TVE_EXPAND));
    EXPECT_EQ(host->Children(data), (std::vector<std::string>{"A", "b", "Sub"}));
    // Only Sub has a folder inside: only it gets an expand button (a placeholder child).
    EXPECT_EQ(host->Children(host->Child(data, "Sub")), (std::vector<std::string>{""}));
    EXPECT_TRUE(host->Children(host->Child(data, "A")).empty());
}

TEST_F(FolderTree, FillFolderIntoTheTreeCountsFolderItems)
{
    CLeftView* view = host->m_pTree;
    view->DeleteChildren(root);
    EXPECT_EQ(view->FillFolder(root, "T:\\", true), 3);
    EXPECT_EQ(host->Children(root), (std::vector<std::string>{"Data", "Empty", "Files"}));
    // A drive that cannot be read keeps (and here gains) its expand button.
    EXPECT_EQ(view->FillFolder(root, "T:\\Missing", true), 0);
    EXPECT_EQ(host->Children(root).back(), "");
    HTREEITEM files = host->Child(root, "Files");
    EXPECT_EQ(view->FillFolder(files, "T:\\Files", true), 0);
    EXPECT_TRUE(host->Children(files).empty());
}

TEST_F(FolderTree, FillFolderIntoTheListListsEverythingSortedFoldersFirst)
{
    ASSERT_TRUE(drive.MakeDir("Data\\.hidden"));
    CLeftView* view = host->m_pTree;
    EXPECT_EQ(view->FillFolder(root, "T:\\Data", false), 0);
    EXPECT_EQ(host->m_pList->m_strFolder, "T:\\Data\\");
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{".hidden", "A", "b", "Sub", "note.txt"}));
    // A folder that cannot be read: rows gone, folder set.
    view->FillFolder(host->Child(root, "Files"), "T:\\Gone", false);
    EXPECT_TRUE(host->Rows().empty());
    EXPECT_EQ(host->m_pList->m_strFolder, "T:\\Gone\\");
}

TEST_F(FolderTree, SelectingAFolderListsItTitlesItAndWatchesItAndItsParent)
{
    HTREEITEM data = host->Open("T:\\Data");
    ASSERT_TRUE(Tree().SelectItem(data));
    EXPECT_EQ(host->m_pTree->m_strCurrentPath, "T:\\Data");
    EXPECT_EQ(host->m_pDoc->GetTitle(), "T:\\Data");
    EXPECT_EQ(host->m_pList->m_strFolder, "T:\\Data\\");
    EXPECT_EQ(host->Rows().size(), 4u);
    EXPECT_NE(host->m_pTree->m_dwWatchFolder, 0u);
    EXPECT_NE(host->m_pTree->m_dwWatchParent, 0u);
    // A drive root has no parent to watch.
    ASSERT_TRUE(Tree().SelectItem(root));
    EXPECT_NE(host->m_pTree->m_dwWatchFolder, 0u);
    EXPECT_EQ(host->m_pTree->m_dwWatchParent, 0u);
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"Data", "Empty", "Files", "top.txt"}));
}

TEST_F(FolderTree, CollapsingDropsChildrenAndTakesTheSelectionUp)
{
    HTREEITEM deep = host->Open("T:\\Data\\Sub\\Deep");
    ASSERT_TRUE(Tree().SelectItem(deep));
    HTREEITEM data = Tree().GetParentItem(Tree().GetParentItem(deep));
    ASSERT_TRUE(host->ClickButton(data));
    EXPECT_EQ(Selected(), data);
    EXPECT_EQ(host->m_pList->m_strFolder, "T:\\Data\\");
    EXPECT_EQ(host->Children(data), (std::vector<std::string>{""}));  // the placeholder again
    // Expanded again, whoever asks, the folder is read afresh.
    ASSERT_TRUE(drive.MakeDir("Data\\New"));
    ASSERT_TRUE(host->m_pTree->GetTreeCtrl().Expand(data, TVE_EXPAND));
    EXPECT_EQ(host->Children(data), (std::vector<std::string>{"A", "b", "New", "Sub"}));
    // A collapsed folder without sub-folders loses its button.
    HTREEITEM sub = host->Child(data, "Sub");
    ASSERT_TRUE(host->ClickButton(sub));
    EXPECT_EQ(host->Children(sub), (std::vector<std::string>{"Deep"}));
    drive.RemoveDir("Data\\Sub\\Deep");
    ASSERT_TRUE(host->ClickButton(sub));
    EXPECT_TRUE(host->Children(sub).empty());
}

TEST_F(FolderTree, ExpandingAFolderDeletedOnDiskRemovesItsItem)
{
    HTREEITEM data = host->Open("T:\\Data");
    Tree().Expand(data, TVE_EXPAND);
    drive.RemoveDir("Data\\Sub");
    HTREEITEM sub = host->Child(data, "Sub");
    ASSERT_TRUE(sub);
    EXPECT_FALSE(Tree().Expand(sub, TVE_EXPAND));
    EXPECT_EQ(host->Children(data), (std::vector<std::string>{"A", "b"}));
}

TEST_F(FolderTree, OperationsForTheListActOnChildrenOfTheSelection)
{
    CLeftView* view = host->m_pTree;
    HTREEITEM data = host->Open("T:\\Data");
    Tree().SelectItem(data);
    Tree().Expand(data, TVE_EXPAND);
    ASSERT_TRUE(drive.MakeDir("Data\\Made"));
    ASSERT_TRUE(drive.MakeDir("Data\\Made\\In"));
    view->AddChildFolder("Made");
    EXPECT_EQ(host->Children(data), (std::vector<std::string>{"A", "b", "Made", "Sub"}));
    EXPECT_EQ(host->Children(host->Child(data, "Made")), (std::vector<std::string>{""}));
    view->RenameChildFolder("MADE", "Done");
    EXPECT_TRUE(host->Child(data, "Done"));
    view->RemoveChildFolder("DONE");
    view->RemoveChildFolder("absent");
    EXPECT_EQ(host->Children(data), (std::vector<std::string>{"A", "b", "Sub"}));
    view->SelectChildFolder("sub");
    EXPECT_EQ(SelectedPath(), "T:\\Data\\Sub");
    EXPECT_EQ(host->m_pList->m_strFolder, "T:\\Data\\Sub\\");
}

TEST_F(FolderTree, SelectChildFolderLoadsACollapsedSelection)
{
    HTREEITEM data = host->Open("T:\\Data");
    Tree().SelectItem(data);
    Tree().Expand(data, TVE_EXPAND);
    ASSERT_TRUE(host->ClickButton(data));
    host->m_pTree->SelectChildFolder("A");
    EXPECT_EQ(SelectedPath(), "T:\\Data\\A");
}

TEST_F(FolderTree, UpSelectsTheParentAndDoesNothingAtADrive)
{
    HTREEITEM sub = host->Open("T:\\Data\\Sub");
    Tree().SelectItem(sub);
    host->m_pList->OnCmdMsg(ID_UP, CN_COMMAND, nullptr);
    EXPECT_EQ(SelectedPath(), "T:\\Data");
    host->m_pList->OnCmdMsg(ID_UP, CN_COMMAND, nullptr);
    host->m_pList->OnCmdMsg(ID_UP, CN_COMMAND, nullptr);
    EXPECT_EQ(SelectedPath(), "T:\\");
}
