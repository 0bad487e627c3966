// The explorer as a user meets it: brindlex.exe started without arguments, worked through
// its windows, with files changed by another program (this one) while it runs.
#include "ExplorerDriver.h"
#include "ExplorerFixture.h"

namespace {

class ExplorerE2E : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        ASSERT_TRUE(drive.IsReady());
        for (const char* d : {"Data", "Data\\Sub", "Data\\Sub\\Deep", "Data\\Alpha"}) ASSERT_TRUE(drive.MakeDir(d));
        ASSERT_TRUE(drive.MakeFile("Data\\big.bin", std::string(1000, 'x')));
        ASSERT_TRUE(drive.MakeFile("Data\\small.txt", "12"));
        ASSERT_TRUE(drive.MakeFile("Data\\Sub\\inner.txt", "1"));
        ASSERT_TRUE(app.Start());
    }
    bool ShowsRow(const std::string& name)
    {
        for (const std::string& r : app.Rows())
            if (r == name) return true;
        return false;
    }

    CTestDrive drive{'R'};
    CExplorerProcess app;
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
    app.Command(59411);
    EXPECT_EQ(app.ColumnWidth(0), w / 2);
    for (int i = 1; i < 4; i++) EXPECT_EQ(app.ColumnWidth(i), w / 6) << i;
    for (int i = 0; i < 4; i++) ::SendMessageA(app.List(), LVM_SETCOLUMNWIDTH, i, 50);  // dragged by hand
    app.Command(59410);
    EXPECT_EQ(app.ColumnWidth(0), w / 3);
    app.Command(59411);
    EXPECT_EQ(app.ColumnWidth(0), w / 2);
    for (int i = 1; i < 4; i++) EXPECT_EQ(app.ColumnWidth(i), w / 6) << i;
}

TEST_F(ExplorerE2E, ClickingAColumnHeadingSortsByIt)
{
    ASSERT_TRUE(app.SelectPath("R:\\Data"));
    app.Command(59411);
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
    app.Command(32785);
    EXPECT_EQ(app.SelectedPath(), "R:\\Data\\Sub");
    EXPECT_EQ(app.Caption(), "R:\\Data\\Sub - Brindlex Explorer");
    EXPECT_EQ(app.Rows(), (std::vector<std::string>{"Deep", "inner.txt"}));
    // The rebuilt tree holds the folder made meanwhile.
    ASSERT_TRUE(app.SelectPath("R:\\Data\\Zeta"));
    EXPECT_EQ(app.Caption(), "R:\\Data\\Zeta - Brindlex Explorer");
}
