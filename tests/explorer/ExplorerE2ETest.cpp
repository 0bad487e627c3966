// The explorer as a user meets it: brindlex.exe started without arguments, worked through
// its windows, with files changed by another program (this one) while it runs.
#include "ExplorerOnADrive.h"
#include "res/resource.h"
#include <algorithm>

namespace {

class ExplorerE2E : public ExplorerOnADrive {
protected:
    ExplorerE2E() : ExplorerOnADrive('R') {}
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(MakeAndStart({"Data", "Data\\Sub", "Data\\Sub\\Deep", "Data\\Alpha"},
                                             {{"Data\\big.bin", std::string(1000, 'x')},
                                              {"Data\\small.txt", "12"},
                                              {"Data\\Sub\\inner.txt", "1"}}));
    }

};

}  // namespace

TEST_F(ExplorerE2E, StartsOnTheDriveOfTheWindowsDirectory)
{
    char win[MAX_PATH];
    ::GetWindowsDirectoryA(win, sizeof win);
    std::string root = std::string(win, 3);
    EXPECT_EQ(app.Caption(), root + " - Brindlex Explorer");
    EXPECT_EQ(app.SelectedPath(), root);
    EXPECT_FALSE(app.Rows().empty());
}

TEST_F(ExplorerE2E, SelectingAFolderListsIt)
{
    ASSERT_TRUE(app.SelectPath("R:\\Data"));
    EXPECT_EQ(app.Caption(), "R:\\Data - Brindlex Explorer");
    EXPECT_EQ(app.Rows(), (std::vector<std::string>{"Alpha", "Sub", "big.bin", "small.txt"}));
    EXPECT_EQ(app.Cell(2, 1), "1000");
    EXPECT_EQ(app.Cell(0, 1), "");
}

TEST_F(ExplorerE2E, FilesChangedByAnotherProgramShowUpWithoutACommand)
{
    ASSERT_TRUE(app.SelectPath("R:\\Data"));
    ASSERT_TRUE(drive.MakeFile("Data\\fresh.txt", "new"));
    EXPECT_TRUE(WaitFor([&] { return ShowsRow("fresh.txt"); }, 5000));
    EXPECT_EQ(app.Rows().back(), "fresh.txt");  // appended, not sorted in

    ASSERT_TRUE(::MoveFileA(drive.Path("Data\\fresh.txt"), drive.Path("Data\\renamed.txt")));
    EXPECT_TRUE(WaitFor([&] { return ShowsRow("renamed.txt") && !ShowsRow("fresh.txt"); }, 5000));

    ASSERT_TRUE(::DeleteFileA(drive.Path("Data\\renamed.txt")));
    EXPECT_TRUE(WaitFor([&] { return !ShowsRow("renamed.txt"); }, 5000));
    EXPECT_EQ(app.Rows(), (std::vector<std::string>{"Alpha", "Sub", "big.bin", "small.txt"}));
}

TEST_F(ExplorerE2E, DeletingTheFolderOnShowSelectsItsParent)
{
    ASSERT_TRUE(app.SelectPath("R:\\Data\\Sub"));
    ASSERT_EQ(app.Rows(), (std::vector<std::string>{"Deep", "inner.txt"}));
    ASSERT_TRUE(drive.RemoveFromLinux("Data\\Sub"));
    EXPECT_TRUE(WaitFor([&] { return app.Caption() == "R:\\Data - Brindlex Explorer"; }, 5000)) << app.Caption();
    EXPECT_EQ(app.SelectedPath(), "R:\\Data");
    EXPECT_EQ(app.Rows(), (std::vector<std::string>{"Alpha", "big.bin", "small.txt"}));
}

TEST_F(ExplorerE2E, DetailsThenListRestoreTheComputedWidths)
{
    int w = ::GetSystemMetrics(SM_CXSCREEN) - 222;
    app.Command(ID_VIEW_DETAILS);
    EXPECT_EQ(app.ColumnWidth(0), w / 2);
    for (int i = 1; i < 4; i++) EXPECT_EQ(app.ColumnWidth(i), w / 6) << i;
    for (int i = 0; i < 4; i++) ::SendMessageA(app.List(), LVM_SETCOLUMNWIDTH, i, 50);  // dragged by hand
    app.Command(ID_VIEW_LIST);
    EXPECT_EQ(app.ColumnWidth(0), w / 3);
    app.Command(ID_VIEW_DETAILS);
    EXPECT_EQ(app.ColumnWidth(0), w / 2);
    for (int i = 1; i < 4; i++) EXPECT_EQ(app.ColumnWidth(i), w / 6) << i;
}

TEST_F(ExplorerE2E, ClickingAColumnHeadingSortsByIt)
{
    ASSERT_TRUE(app.SelectPath("R:\\Data"));
    app.Command(ID_VIEW_DETAILS);
    HWND header = (HWND)::SendMessageA(app.List(), LVM_GETHEADER, 0, 0);
    ASSERT_TRUE(header);
    ::SendMessageA(app.List(), LVM_SETCOLUMNWIDTH, 0, 100);  // the Size heading within the window
    LPARAM at = MAKELPARAM(100 + app.ColumnWidth(1) / 2, 5);
    ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(header, WM_LBUTTONUP, 0, at);
    // By size, as numbers: folders and 2 bytes before 1000 bytes.
    std::vector<std::string> rows = app.Rows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[2], "small.txt");
    EXPECT_EQ(rows[3], "big.bin");
}

TEST_F(ExplorerE2E, RefreshReturnsToTheSelectedFolder)
{
    ASSERT_TRUE(app.SelectPath("R:\\Data\\Sub"));
    ASSERT_TRUE(drive.MakeDir("Data\\Zeta"));
    app.Command(ID_REFRESH);
    EXPECT_EQ(app.SelectedPath(), "R:\\Data\\Sub");
    EXPECT_EQ(app.Caption(), "R:\\Data\\Sub - Brindlex Explorer");
    EXPECT_EQ(app.Rows(), (std::vector<std::string>{"Deep", "inner.txt"}));
    // The rebuilt tree holds the folder made meanwhile.
    ASSERT_TRUE(app.SelectPath("R:\\Data\\Zeta"));
    EXPECT_EQ(app.Caption(), "R:\\Data\\Zeta - Brindlex Explorer");
}

TEST_F(ExplorerE2E, StartsInListWithTheComputedColumnWidth)
{
    // No stored "list" setting: List view, its one column a third of the screen less the tree.
    int w = ::GetSystemMetrics(SM_CXSCREEN) - 222;
    EXPECT_EQ(::GetWindowLongA(app.List(), GWL_STYLE) & LVS_TYPEMASK, LVS_LIST);
    EXPECT_EQ(app.ColumnWidth(0), w / 3);
    ASSERT_TRUE(app.SelectPath("R:\\Data"));
    EXPECT_EQ(app.ColumnWidth(0), w / 3);
}

// The names in a folder, sorted, against the rows, sorted.
static bool RowsAreTheDisk(const CExplorerProcess& app, const CString& folder)
{
    std::vector<std::string> names, rows = app.Rows();
    WIN32_FIND_DATAA fd;
    CFindHandle h(::FindFirstFileA(folder + "\\*.*", &fd));
    if (h.IsValid()) {
        do
            if (strcmp(fd.cFileName, ".") && strcmp(fd.cFileName, "..")) names.push_back(fd.cFileName);
        while (::FindNextFileA(h, &fd));
    }
    std::sort(names.begin(), names.end());
    std::sort(rows.begin(), rows.end());
    return names == rows;
}

TEST_F(ExplorerE2E, DeletingTheParentOfTheFolderOnShowSelectsTheNearestFolderLeft)
{
    ASSERT_TRUE(app.SelectPath("R:\\Data\\Sub\\Deep"));
    ASSERT_TRUE(drive.RemoveFromLinux("Data\\Sub"));
    EXPECT_TRUE(WaitFor([&] { return app.Caption() == "R:\\Data - Brindlex Explorer"; }, 10000)) << app.Caption();
    EXPECT_EQ(app.SelectedPath(), "R:\\Data");
    EXPECT_TRUE(RowsAreTheDisk(app, drive.Path("Data")));
    // Still watching.
    ASSERT_TRUE(drive.MakeFile("Data\\later.txt", "x"));
    EXPECT_TRUE(WaitFor([&] { return ShowsRow("later.txt"); }, 5000));
    EXPECT_TRUE(RowsAreTheDisk(app, drive.Path("Data")));
}

TEST_F(ExplorerE2E, TheFolderOnShowRemovedAndMadeAgainShowsWhatIsOnDisk)
{
    ASSERT_TRUE(app.SelectPath("R:\\Data\\Sub"));
    ASSERT_EQ(app.Rows(), (std::vector<std::string>{"Deep", "inner.txt"}));
    std::vector<std::string> args = {"-c", "cd \"$0\" && rm -rf Sub && mkdir Sub && : > Sub/fresh.txt",
                                     drive.LinuxDir().str() + "/Data"};
    ASSERT_TRUE(RunLinux("/bin/sh", args));
    ASSERT_TRUE(WaitFor([&] { return ::GetFileAttributesA(drive.Path("Data\\Sub\\fresh.txt")) != INVALID_FILE_ATTRIBUTES; }, 10000));
    // Whichever folder is on show in the end (the new one, or the parent when the notice came
    // between removal and creation), the caption, the selection and the rows agree with the disk.
    auto agrees = [&] {
        std::string sel = app.SelectedPath();
        return (sel == "R:\\Data\\Sub" || sel == "R:\\Data") && app.Caption() == sel + " - Brindlex Explorer" &&
               RowsAreTheDisk(app, sel.c_str());
    };
    EXPECT_TRUE(WaitFor(agrees, 10000)) << app.SelectedPath();
    EXPECT_FALSE(ShowsRow("inner.txt"));
    std::string sel = app.SelectedPath();
    CString later = CString(sel.c_str()) + "\\later.txt";
    ASSERT_TRUE(WriteFileBytes(later, "x"));
    EXPECT_TRUE(WaitFor([&] { return ShowsRow("later.txt"); }, 5000));
    EXPECT_TRUE(RowsAreTheDisk(app, sel.c_str()));
}
