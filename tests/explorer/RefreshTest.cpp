// Tree and list following the disk: change notifications and the rebuild.
#include "DialogAnswerer.h"
#include "ExplorerDriver.h"
#include "ExplorerFixture.h"
#include "NameAnswerer.h"
#include "watch/FileWatch.h"
#include "res/resource.h"
#include <algorithm>

namespace {

class Refresh : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        ASSERT_TRUE(drive.IsReady());
        for (const char* d : {"Data", "Data\\Sub", "Data\\Sub\\Deep", "Data\\A", "Other"})
            ASSERT_TRUE(drive.MakeDir(d));
        for (const char* f : {"Data\\one.txt", "Data\\two.txt"}) ASSERT_TRUE(drive.MakeFile(f, "x"));
        host.reset(new CPaneHost);
        tree = host->m_pTree;
    }
    void TearDown() override { host.reset(); }

    CTreeCtrl Tree() { return host->Tree(); }
    CString SelectedPath() { return tree->GetItemPath(Tree().GetSelectedItem()); }
    // Selects a folder, expanding its ancestors.
    HTREEITEM Show(const char* path)
    {
        HTREEITEM h = host->Open(path);
        if (h) Tree().SelectItem(h);
        return h;
    }
    void Notify(const char* path) { tree->OnFileWatchNotify(0, path); }

    CTestDrive drive{'T'};
    std::unique_ptr<CPaneHost> host;
    CLeftView* tree = nullptr;
};

}  // namespace

TEST_F(Refresh, EntriesAppearingInTheFolderOnShowAreAppended)
{
    HTREEITEM data = Show("T:\\Data");
    ASSERT_TRUE(data);
    Tree().Expand(data, TVE_EXPAND);
    ASSERT_TRUE(drive.MakeFile("Data\\0new.txt", "abc"));
    ASSERT_TRUE(drive.MakeDir("Data\\Made"));
    ASSERT_TRUE(drive.MakeDir("Data\\Made\\In"));
    Notify("T:\\Data\\");
    // At the end, unsorted, in the order the folder gives them.
    std::vector<std::string> rows = host->Rows();
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(rows.begin(), rows.begin() + 4),
              (std::vector<std::string>{"A", "Sub", "one.txt", "two.txt"}));
    std::vector<std::string> added(rows.begin() + 4, rows.end());
    std::sort(added.begin(), added.end());
    EXPECT_EQ(added, (std::vector<std::string>{"0new.txt", "Made"}));
    EXPECT_EQ(host->List().GetItemText(host->List().FindItem("0new.txt"), 1), "3");
    // The new folder also in the expanded tree, with a button.
    EXPECT_EQ(host->Children(data), (std::vector<std::string>{"A", "Made", "Sub"}));
    EXPECT_EQ(host->Children(host->Child(data, "Made")), (std::vector<std::string>{""}));
    // The watches were armed again.
    EXPECT_NE(tree->m_dwWatchFolder, 0u);
    EXPECT_NE(tree->m_dwWatchParent, 0u);
}

TEST_F(Refresh, AFolderAppearingUnderACollapsedFolderOnShowGoesToTheListOnly)
{
    HTREEITEM data = Show("T:\\Data");
    ASSERT_TRUE(drive.MakeDir("Data\\Made"));
    Notify("T:\\Data\\");
    EXPECT_EQ(host->Rows().back(), "Made");
    EXPECT_EQ(host->Children(data), (std::vector<std::string>{""}));
}

TEST_F(Refresh, VanishedEntriesLeaveListAndTree)
{
    HTREEITEM data = Show("T:\\Data");
    Tree().Expand(data, TVE_EXPAND);
    ASSERT_TRUE(::DeleteFileA(drive.Path("Data\\one.txt")));
    drive.RemoveDir("Data\\A");
    Notify("T:\\Data\\");
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"Sub", "two.txt"}));
    EXPECT_EQ(host->Children(data), (std::vector<std::string>{"Sub"}));
}

TEST_F(Refresh, ARenameInTheFolderOnShowIsANewRowAndAGoneOne)
{
    Show("T:\\Data");
    ASSERT_TRUE(::MoveFileA(drive.Path("Data\\one.txt"), drive.Path("Data\\uno.txt"))) << ::GetLastError();
    Notify("T:\\Data\\");
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"A", "Sub", "two.txt", "uno.txt"}));
}

TEST_F(Refresh, TheFolderOnShowVanishingSelectsItsParent)
{
    HTREEITEM sub = Show("T:\\Data\\Sub");
    ASSERT_TRUE(sub);
    drive.RemoveDir("Data\\Sub");
    Notify("T:\\Data\\Sub\\");
    EXPECT_EQ(SelectedPath(), "T:\\Data");
    EXPECT_EQ(host->m_pDoc->GetTitle(), "T:\\Data");
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"A", "one.txt", "two.txt"}));
    EXPECT_EQ(host->Children(Tree().GetSelectedItem()), (std::vector<std::string>{"A"}));
    EXPECT_NE(tree->m_dwWatchFolder, 0u);
}

TEST_F(Refresh, ANewSiblingOfTheFolderOnShowAppearsInTheTreeOnly)
{
    Show("T:\\Data");
    ASSERT_TRUE(drive.MakeDir("Zed"));
    ASSERT_TRUE(drive.MakeFile("zed.txt", "x"));
    std::vector<std::string> before = host->Rows();
    Notify("T:\\");  // the parent's watch
    EXPECT_EQ(host->Children(host->Root("T:\\")), (std::vector<std::string>{"Data", "Other", "Zed"}));
    EXPECT_EQ(host->Rows(), before);
}

TEST_F(Refresh, AChangeOfADriveOnShowReportedForAnotherPathRebuilds)
{
    HTREEITEM root = Show("T:\\");
    Tree().Expand(root, TVE_EXPAND);
    Notify("T:\\Elsewhere\\");
    EXPECT_EQ(SelectedPath(), "T:\\");
    EXPECT_EQ(tree->m_bRedirectSelection, 0);
}

TEST_F(Refresh, AfterTheTreesOwnRenameTheNextNotificationOnlyRearms)
{
    Show("T:\\Data");
    ASSERT_TRUE(drive.MakeFile("Data\\late.txt", "x"));
    tree->m_bSkipNextNotify = 1;
    Notify("T:\\Data\\");
    EXPECT_EQ(tree->m_bSkipNextNotify, 0);
    EXPECT_EQ(host->Rows().size(), 4u);
    EXPECT_NE(tree->m_dwWatchFolder, 0u);
    Notify("T:\\Data\\");
    EXPECT_EQ(host->Rows().back(), "late.txt");
}

TEST_F(Refresh, NotificationsWaitForTheFirstSelection)
{
    Show("T:\\Data");
    ASSERT_TRUE(drive.MakeFile("Data\\late.txt", "x"));
    tree->m_bRedirectSelection = 1;
    Notify("T:\\Data\\");
    EXPECT_EQ(host->Rows().size(), 4u);
}

TEST_F(Refresh, RebuildReturnsToTheSelectionWithItsAncestorsExpanded)
{
    HTREEITEM other = Show("T:\\Other");
    Tree().Expand(other, TVE_EXPAND);
    HTREEITEM sub = Show("T:\\Data\\Sub");
    ASSERT_TRUE(sub);
    ASSERT_TRUE(drive.MakeDir("Data\\Fresh"));
    tree->RebuildTree();
    EXPECT_EQ(SelectedPath(), "T:\\Data\\Sub");
    EXPECT_EQ(host->m_pList->m_strFolder, "T:\\Data\\Sub\\");
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"Deep"}));
    HTREEITEM root = host->Root("T:\\");
    HTREEITEM data = host->Child(root, "Data");
    EXPECT_TRUE(Tree().GetItemState(root, TVIS_EXPANDED));
    EXPECT_TRUE(Tree().GetItemState(data, TVIS_EXPANDED));
    EXPECT_EQ(host->Children(data), (std::vector<std::string>{"A", "Fresh", "Sub"}));
    // The selected folder itself stays collapsed, and so do the siblings.
    EXPECT_FALSE(Tree().GetItemState(Tree().GetSelectedItem(), TVIS_EXPANDED));
    EXPECT_EQ(host->Children(host->Child(root, "Other")), std::vector<std::string>());
    EXPECT_NE(tree->m_dwWatchFolder, 0u);
}

TEST_F(Refresh, RebuildFallsBackToTheDriveWhenAFolderOnTheWayVanished)
{
    ASSERT_TRUE(Show("T:\\Data\\Sub\\Deep"));
    // The rebuild alone: without its watches the tree hears nothing of the removal.
    RemoveFileWatch(tree->m_dwWatchFolder);
    RemoveFileWatch(tree->m_dwWatchParent);
    ASSERT_TRUE(drive.RemoveFromLinux("Data\\Sub"));
    tree->RebuildTree();
    EXPECT_EQ(SelectedPath(), "T:\\");
    EXPECT_EQ(host->m_pList->m_strFolder, "T:\\");
}

TEST_F(Refresh, RebuildOfASelectedDriveExpandsIt)
{
    Show("T:\\");
    tree->RebuildTree();
    EXPECT_EQ(SelectedPath(), "T:\\");
    HTREEITEM root = host->Root("T:\\");
    EXPECT_TRUE(Tree().GetItemState(root, TVIS_EXPANDED));
    EXPECT_EQ(host->Children(root), (std::vector<std::string>{"Data", "Other"}));
}

TEST_F(Refresh, RefreshCommandOfTheListRebuilds)
{
    Show("T:\\Data");
    ASSERT_TRUE(drive.MakeFile("Data\\late.txt", "x"));
    host->m_pList->OnCmdMsg(ID_REFRESH, CN_COMMAND, nullptr);
    EXPECT_EQ(SelectedPath(), "T:\\Data");
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"A", "Sub", "late.txt", "one.txt", "two.txt"}));
}

TEST_F(Refresh, TheWatcherDeliversChangesToTheTreeWindow)
{
    Show("T:\\Data");
    ASSERT_TRUE(drive.MakeFile("Data\\watched.txt", "x"));
    EXPECT_TRUE(WaitFor([&] { return host->m_pList->HasEntry("watched.txt"); }, 5000));
    ASSERT_TRUE(::DeleteFileA(drive.Path("Data\\watched.txt")));
    EXPECT_TRUE(WaitFor([&] { return !host->m_pList->HasEntry("watched.txt"); }, 5000));
}

TEST_F(Refresh, ABurstOfChangesIsFoldedAndTheRowsMatchTheDisk)
{
    Show("T:\\Data");
    // A burst from another program: many files at once, while notices pile up unanswered.
    std::vector<std::string> args = {"-c", "cd \"$0\" && for i in $(seq 1 600); do : > burst$i.txt; done",
                                     drive.LinuxDir().str() + "/Data"};
    ASSERT_TRUE(RunLinux("/bin/sh", args));
    // The other program may still be writing when it reports back: wait for the disk first.
    ASSERT_TRUE(WaitFor([&] { return SortedNamesIn(drive.Path("Data")).size() == 604u; }, 20000));
    auto matches = [&] {
        std::vector<std::string> rows = host->Rows();
        std::sort(rows.begin(), rows.end());
        return rows == SortedNamesIn(drive.Path("Data"));
    };
    EXPECT_TRUE(WaitFor(matches, 20000));
    // Deleted again, all at once.
    std::vector<std::string> rm = {"-c", "rm -f \"$0\"/burst*.txt", drive.LinuxDir().str() + "/Data"};
    ASSERT_TRUE(RunLinux("/bin/sh", rm));
    ASSERT_TRUE(WaitFor([&] { return SortedNamesIn(drive.Path("Data")).size() == 4u; }, 20000));
    EXPECT_TRUE(WaitFor(matches, 20000));
    EXPECT_EQ(host->Rows().size(), 4u);
    // Row i is still entry i of the model.
    const CFolderModel& model = host->m_pList->GetModel();
    ASSERT_EQ(model.GetCount(), host->List().GetItemCount());
    for (int i = 0; i < model.GetCount(); i++) EXPECT_EQ(model.GetAt(i).strName.str(), host->Rows()[(size_t)i]);
}

TEST_F(Refresh, AFirstSubFolderGivesTheItemItsButton)
{
    HTREEITEM other = Show("T:\\Other");
    ASSERT_TRUE(other);
    EXPECT_FALSE(Tree().GetChildItem(other));
    ASSERT_TRUE(drive.MakeDir("Other\\New"));
    Notify("T:\\Other\\");
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"New"}));
    ASSERT_TRUE(Tree().GetChildItem(other));  // the button
    Tree().Expand(other, TVE_EXPAND);
    EXPECT_EQ(host->Children(other), (std::vector<std::string>{"New"}));
}

TEST_F(Refresh, ALateNoticeOfAWatchThatIsGoneChangesNothing)
{
    Show("T:\\");
    HTREEITEM root = host->Root("T:\\");
    Tree().Expand(root, TVE_EXPAND);
    HTREEITEM data = host->Child(root, "Data");
    ASSERT_TRUE(data);
    Tree().Expand(data, TVE_EXPAND);
    Notify("T:\\Old\\Gone\\");
    // No rebuild: the expanded folder stays expanded, the selection stays.
    EXPECT_EQ(SelectedPath(), "T:\\");
    EXPECT_TRUE(Tree().GetItemState(host->Child(root, "Data"), TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ(host->Child(root, "Data"), data);
}

TEST_F(Refresh, TheFolderOnShowGoneWithItsParentHandsTheSelectionToTheNearestFolderLeft)
{
    ASSERT_TRUE(Show("T:\\Data\\Sub\\Deep"));
    ASSERT_TRUE(drive.RemoveFromLinux("Data\\Sub"));
    Notify("T:\\Data\\Sub\\Deep\\");
    EXPECT_EQ(SelectedPath(), "T:\\Data");
    EXPECT_EQ(host->m_pDoc->GetTitle(), "T:\\Data");
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"A", "one.txt", "two.txt"}));
    EXPECT_EQ(host->Children(Tree().GetSelectedItem()), (std::vector<std::string>{"A"}));
    EXPECT_NE(tree->m_dwWatchFolder, 0u);
}

// What the selected folder lists matches what is on disk there.
static bool ShowsTheDisk(CPaneHost& host, const CString& selected)
{
    std::vector<std::string> rows = host.Rows();
    std::sort(rows.begin(), rows.end());
    return host.m_pList->m_strFolder == selected + (selected.GetLength() == 3 ? "" : "\\") &&
           rows == SortedNamesIn(selected);
}

// Removed by another program together with its parent: the watcher reports it and the panes
// follow, and later changes are still seen.
TEST_F(Refresh, TheWatcherReportsTheFolderOnShowGoneWithItsParent)
{
    ASSERT_TRUE(Show("T:\\Data\\Sub\\Deep"));
    ASSERT_TRUE(drive.MakeFile("Data\\Sub\\Deep\\in.txt", "x"));
    ASSERT_TRUE(WaitFor([&] { return host->m_pList->HasEntry("in.txt"); }, 5000));
    ASSERT_TRUE(drive.RemoveFromLinux("Data\\Sub"));
    EXPECT_TRUE(WaitFor([&] { return SelectedPath() == "T:\\Data" && ShowsTheDisk(*host, "T:\\Data"); }, 10000))
        << SelectedPath();
    EXPECT_EQ(host->m_pDoc->GetTitle(), "T:\\Data");
    EXPECT_FALSE(host->Child(Tree().GetSelectedItem(), "Sub"));
    ASSERT_TRUE(drive.MakeFile("Data\\later.txt", "x"));
    EXPECT_TRUE(WaitFor([&] { return host->m_pList->HasEntry("later.txt"); }, 5000));
}

// Removed and made again by another program before the notices are handled: the rows are
// those of the new folder, and changes in it are seen.
TEST_F(Refresh, TheFolderOnShowRemovedAndMadeAgainListsTheNewFolder)
{
    HTREEITEM sub = Show("T:\\Data\\Sub");
    ASSERT_TRUE(sub);
    Tree().Expand(sub, TVE_EXPAND);
    ASSERT_TRUE(drive.MakeFile("Data\\Sub\\old.txt", "x"));
    ASSERT_TRUE(WaitFor([&] { return host->m_pList->HasEntry("old.txt"); }, 5000));
    std::vector<std::string> args = {"-c", "cd \"$0\" && rm -rf Sub && mkdir Sub && : > Sub/fresh.txt",
                                     drive.LinuxDir().str() + "/Data"};
    ASSERT_TRUE(RunLinux("/bin/sh", args));
    // Messages are not handled meanwhile: the notices wait until the other program is done.
    auto madeAgain = [&] { return SortedNamesIn(drive.Path("Data\\Sub")) == std::vector<std::string>{"fresh.txt"}; };
    for (DWORD start = ::GetTickCount(); !madeAgain() && ::GetTickCount() - start < 10000;) ::Sleep(10);
    ASSERT_TRUE(madeAgain());
    EXPECT_TRUE(WaitFor([&] { return host->Rows() == std::vector<std::string>{"fresh.txt"}; }, 10000));
    EXPECT_EQ(SelectedPath(), "T:\\Data\\Sub");
    EXPECT_EQ(host->Children(Tree().GetSelectedItem()), std::vector<std::string>());
    ASSERT_TRUE(drive.MakeFile("Data\\Sub\\later.txt", "x"));
    EXPECT_TRUE(WaitFor([&] { return host->m_pList->HasEntry("later.txt"); }, 5000));
    EXPECT_TRUE(ShowsTheDisk(*host, "T:\\Data\\Sub"));
}

// A burst at a drive root on show changes rows only: expanded folders stay as they were.
TEST_F(Refresh, ABurstAtADriveRootOnShowCollapsesNoFolder)
{
    HTREEITEM root = Show("T:\\");
    ASSERT_TRUE(root);
    Tree().Expand(root, TVE_EXPAND);
    HTREEITEM data = host->Child(root, "Data");
    ASSERT_TRUE(data);
    Tree().Expand(data, TVE_EXPAND);
    HTREEITEM sub = host->Child(data, "Sub");
    ASSERT_TRUE(sub);
    Tree().Expand(sub, TVE_EXPAND);
    std::vector<std::string> args = {"-c", "cd \"$0\" && for i in $(seq 1 400); do : > root$i.txt; done",
                                     drive.LinuxDir().str()};
    ASSERT_TRUE(RunLinux("/bin/sh", args));
    ASSERT_TRUE(WaitFor([&] { return SortedNamesIn(drive.Path("")).size() == 402u; }, 20000));
    EXPECT_TRUE(WaitFor([&] { return ShowsTheDisk(*host, "T:\\"); }, 20000));
    EXPECT_EQ(SelectedPath(), "T:\\");
    EXPECT_EQ(host->Child(root, "Data"), data);
    EXPECT_EQ(host->Child(data, "Sub"), sub);
    EXPECT_TRUE(Tree().GetItemState(data, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_TRUE(Tree().GetItemState(sub, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ(host->Children(sub), (std::vector<std::string>{"Deep"}));
}

namespace {

// The folder on show as another program changes it, faster than the changes are applied: the
// test's thread handles no message until the program is done.
class RefreshBehindTheDisk : public Refresh {
protected:
    // Runs a shell script in the folder Data of the drive and waits, without handling messages,
    // until it is done (it leaves a mark beside the folder).
    void RunInData(const std::string& script)
    {
        CString mark = drive.Path("done.mark");
        ::DeleteFileA(mark);
        std::vector<std::string> args = {"-c", "cd \"$0\" && " + script + " && : > ../done.mark",
                                         drive.LinuxDir().str() + "/Data"};
        ASSERT_TRUE(RunLinux("/bin/sh", args));
        ASSERT_TRUE(WaitUnpumped([&] { return Exists(mark); }, 10000)) << script;
    }
    std::string CellOf(const char* name, int column)
    {
        int row = host->m_pList->FindRow(name);
        return row < 0 ? std::string("(no row)") : host->List().GetItemText(row, column).str();
    }
    std::vector<std::string> Selected()
    {
        std::vector<std::string> names;
        CArray<int> rows = host->m_pList->GetSelectedRows();
        for (int k = 0; k < rows.GetSize(); k++) names.push_back(host->List().GetItemText(rows[k], 0).str());
        return names;
    }
    void SelectOnly(const char* name)
    {
        host->List().SetItemState(-1, 0, LVIS_SELECTED);
        int row = host->m_pList->FindRow(name);
        ASSERT_GE(row, 0) << name;
        host->List().SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    }
};

const char SWAP[] = "mv file17.dat swap.tmp && mv file18.dat file17.dat && mv swap.tmp file18.dat";

}  // namespace

// A folder made anew, or swapped for another, is read again: rows whose names stay take their
// sizes, dates and attributes from the new read, and later changes keep mending them.
TEST_F(RefreshBehindTheDisk, AReReadGivesEveryRowWhatTheDiskSaysNow)
{
    ASSERT_TRUE(drive.MakeFile("Data\\Sub\\x.txt", "x"));
    ASSERT_TRUE(drive.MakeFile("Data\\Sub\\y.txt", "yy"));
    ASSERT_TRUE(Show("T:\\Data\\Sub"));
    ASSERT_EQ(CellOf("x.txt", 1), "1");
    ASSERT_EQ(CellOf("y.txt", 1), "2");

    RunInData("rm -rf Sub && mkdir Sub && printf 12345 > Sub/x.txt && printf 1 > Sub/y.txt && chmod a-w Sub/y.txt && "
              "touch -d 2001-02-03 Sub/y.txt");
    EXPECT_TRUE(WaitFor([&] { return CellOf("x.txt", 1) == "5" && CellOf("y.txt", 1) == "1"; }, 10000))
        << CellOf("x.txt", 1) << " " << CellOf("y.txt", 1);
    EXPECT_EQ(CellOf("y.txt", 3), "02-03-2001");
    int y = host->m_pList->FindRow("y.txt");
    ASSERT_GE(y, 0);
    EXPECT_TRUE(host->m_pList->GetModel().GetAt(y).dwAttributes & FILE_ATTRIBUTE_READONLY);

    // Swapped for a folder of the same names.
    RunInData("mkdir Sub2 && printf 1234567 > Sub2/x.txt && printf 123 > Sub2/y.txt && mv Sub Sub-old && mv Sub2 Sub");
    EXPECT_TRUE(WaitFor([&] { return CellOf("x.txt", 1) == "7" && CellOf("y.txt", 1) == "3"; }, 10000))
        << CellOf("x.txt", 1) << " " << CellOf("y.txt", 1);
    y = host->m_pList->FindRow("y.txt");
    ASSERT_GE(y, 0);
    EXPECT_FALSE(host->m_pList->GetModel().GetAt(y).dwAttributes & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(SelectedPath(), "T:\\Data\\Sub");

    // Later changes mend them too.
    ASSERT_TRUE(WriteFileBytes(drive.Path("Data\\Sub\\x.txt"), "ab"));
    EXPECT_TRUE(WaitFor([&] { return CellOf("x.txt", 1) == "2"; }, 10000)) << CellOf("x.txt", 1);
    EXPECT_EQ(host->Rows(), SortedNamesIn(drive.Path("Data\\Sub")));
}

// Two names swapped by another program through a passing name, within milliseconds: the
// selection stays with the file the user picked, never with its old name.
TEST_F(RefreshBehindTheDisk, ASelectionStaysWithItsFileWhenItsNameIsGivenToAnother)
{
    ASSERT_TRUE(drive.MakeFile("Data\\file17.dat", "seventeen"));
    ASSERT_TRUE(drive.MakeFile("Data\\file18.dat", "eighteen"));
    ASSERT_TRUE(Show("T:\\Data"));
    SelectOnly("file17.dat");
    RunInData(SWAP);
    // The changes are applied: the rows show what the names hold now.
    ASSERT_TRUE(WaitFor([&] { return CellOf("file17.dat", 1) == "8" && CellOf("file18.dat", 1) == "9"; }, 10000));
    // The selection follows the file when the changes tell where it went (under load they may
    // come in batches that do not), and never stays on the name.
    WaitFor([&] { return Selected() == std::vector<std::string>{"file18.dat"}; }, 2000);
    std::vector<std::string> selected = Selected();
    EXPECT_TRUE(selected.empty() || selected == std::vector<std::string>{"file18.dat"})
        << (selected.empty() ? "none" : selected[0]);

    // A re-read of the whole folder keeps to the files as well.
    SelectOnly("file17.dat");
    RunInData(SWAP);
    tree->RebuildTree();
    EXPECT_EQ(Selected(), std::vector<std::string>());
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\file17.dat")), "seventeen");
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\file18.dat")), "eighteen");
}

// A command on a row whose name was given to another file since it was selected does nothing
// to that file and says so.
TEST_F(RefreshBehindTheDisk, ACommandNeverActsOnAFileThatTookTheSelectedName)
{
    ASSERT_TRUE(drive.MakeFile("Data\\file17.dat", "seventeen"));
    ASSERT_TRUE(drive.MakeFile("Data\\file18.dat", "eighteen"));
    ASSERT_TRUE(Show("T:\\Data"));
    bool swapped = false;
    for (UINT id : {ID_DELETE, ID_RECYCLE, ID_RENAME, ID_COPY_RENAME}) {
        ASSERT_TRUE(WaitFor([&] { return host->m_pList->FindRow("file17.dat") >= 0; }, 5000));
        SelectOnly("file17.dat");
        RunInData(SWAP);
        swapped = !swapped;
        std::vector<std::string> disk = SortedNamesIn(drive.Path("Data"));
        CNameAnswerer name("renamed.dat", IDOK);
        CDialogAnswerer box(IDOK);
        ::SendMessageA(host->m_pList->m_hWnd, WM_COMMAND, id, 0);
        EXPECT_FALSE(name.Stop()) << id;
        ASSERT_TRUE(box.Stop()) << id;
        EXPECT_EQ(box.Text(), "file17.dat has changed since it was listed.") << id;
        EXPECT_EQ(SortedNamesIn(drive.Path("Data")), disk) << id;
        EXPECT_EQ(ReadFileBytes(drive.Path("Data\\file17.dat")), swapped ? "eighteen" : "seventeen") << id;
        EXPECT_EQ(ReadFileBytes(drive.Path("Data\\file18.dat")), swapped ? "seventeen" : "eighteen") << id;
    }
    // A row still holding its file goes on as ever.
    ASSERT_TRUE(WaitFor([&] { return CellOf("file18.dat", 1) == "8"; }, 5000));
    SelectOnly("file18.dat");
    {
        CDialogAnswerer yes(IDYES);
        ::SendMessageA(host->m_pList->m_hWnd, WM_COMMAND, ID_DELETE, 0);
        EXPECT_TRUE(yes.Stop());
    }
    EXPECT_FALSE(Exists(drive.Path("Data\\file18.dat")));
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\file17.dat")), "seventeen");
}

// Many rows at once (their files known through one read of the folder): the row whose name
// was given to another file is left out and named, the others go on.
TEST_F(RefreshBehindTheDisk, ADeleteOfManyRowsLeavesOutTheOneWhoseNameChangedFiles)
{
    ASSERT_TRUE(drive.MakeFile("Data\\file17.dat", "seventeen"));
    ASSERT_TRUE(drive.MakeFile("Data\\file18.dat", "eighteen"));
    for (int i = 0; i < 30; i++) ASSERT_TRUE(drive.MakeFile(("Data\\fill" + std::to_string(i) + ".txt").c_str(), "f"));
    ASSERT_TRUE(Show("T:\\Data"));
    host->List().SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
    host->List().SetItemState(host->m_pList->FindRow("file18.dat"), 0, LVIS_SELECTED);
    for (const char* folder : {"A", "Sub"}) host->List().SetItemState(host->m_pList->FindRow(folder), 0, LVIS_SELECTED);
    ASSERT_EQ(host->m_pList->GetSelectedRows().GetSize(), 33);  // the files but file18.dat
    RunInData(SWAP);
    {
        CDialogAnswerer answers({IDOK, IDYES});
        ::SendMessageA(host->m_pList->m_hWnd, WM_COMMAND, ID_DELETE, 0);
        ASSERT_EQ(answers.Answered(), 2u);
        EXPECT_EQ(answers.Text(0), "file17.dat has changed since it was listed.");
        EXPECT_EQ(answers.Text(1), "Delete these 32 folders and files?");
    }
    EXPECT_EQ(SortedNamesIn(drive.Path("Data")), (std::vector<std::string>{"A", "Sub", "file17.dat", "file18.dat"}));
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\file17.dat")), "eighteen");
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\file18.dat")), "seventeen");
}
