// The tree's Delete and Recycle Bin of the selected folder, with the disk checked after each.
#include "DialogAnswerer.h"
#include "ExplorerOnADrive.h"
#include "res/resource.h"
#include <algorithm>
#include <stdlib.h>

namespace {

class TreeRemoveE2E : public ExplorerOnADrive {
protected:
    TreeRemoveE2E() : ExplorerOnADrive('S') {}
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(MakeAndStart({"Data", "Data\\Sub"},
                                             {{"Data\\a.txt", "alpha"}, {"Data\\Sub\\busy.txt", "busy"},
                                              {"Data\\Sub\\free.txt", "free"}}));
        ASSERT_TRUE(app.SelectPath("S:\\Data\\Sub"));
    }
};

}  // namespace

TEST_F(TreeRemoveE2E, ADeleteThatFailsSaysSoAndListsWhatIsLeft)
{
    // Held open without sharing deletion, as another program would.
    CFileHandle busy(::CreateFileA(drive.Path("Data\\Sub\\busy.txt"), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(busy.IsValid());
    {
        CDialogAnswerer answers({IDYES, IDOK}, app.ProcessId());
        ASSERT_TRUE(app.PaneCommand(app.Tree(), ID_DELETE));
        ASSERT_EQ(answers.Answered(), 2u);
        EXPECT_EQ(answers.Caption(0), "Sub");
        EXPECT_EQ(answers.Text(0), "Delete this folder and all its files?");
        EXPECT_EQ(answers.Caption(1), "File Error!");
        EXPECT_EQ(answers.Text(1), "Sub could not be removed!");
    }
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\Sub\\busy.txt")), "busy");
    EXPECT_FALSE(Exists(drive.Path("Data\\Sub\\free.txt")));
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\a.txt")), "alpha");
    // The folder stays on show, and the list shows what is left of it.
    EXPECT_EQ(app.SelectedPath(), "S:\\Data\\Sub");
    EXPECT_TRUE(WaitFor([&] { return app.Rows() == std::vector<std::string>{"busy.txt"}; }, 5000));

    // Once the file is free, the same command removes the rest.
    busy.Close();
    {
        CDialogAnswerer yes(IDYES, app.ProcessId());
        ASSERT_TRUE(app.PaneCommand(app.Tree(), ID_DELETE));
        EXPECT_EQ(yes.Answered(), 1u);
    }
    EXPECT_TRUE(WaitFor([&] { return !Exists(drive.Path("Data\\Sub")); }, 5000));
    EXPECT_TRUE(WaitFor([&] { return app.SelectedPath() == "S:\\Data"; }, 5000)) << app.SelectedPath();
}

TEST_F(TreeRemoveE2E, RecycleSendsTheFolderToTheBinAfterTheShellsQuestion)
{
    const char* xdg = getenv("XDG_DATA_HOME");
    ASSERT_TRUE(xdg && *xdg);
    std::string trash = std::string("Z:") + xdg + "/Trash/files/";
    std::replace(trash.begin(), trash.end(), '/', '\\');
    std::string unique = "Recycled" + std::to_string(::GetTickCount());
    ASSERT_TRUE(drive.MakeDir(("Data\\" + unique).c_str()));
    ASSERT_TRUE(drive.MakeFile(("Data\\" + unique + "\\inner.txt").c_str(), "inner"));
    ASSERT_TRUE(app.SelectPath(("S:\\Data\\" + unique).c_str()));
    // No answered: nothing moves.
    {
        CDialogAnswerer no(IDNO, app.ProcessId());
        ASSERT_TRUE(app.PaneCommand(app.Tree(), ID_RECYCLE));
        EXPECT_EQ(no.Answered(), 1u);
    }
    EXPECT_EQ(ReadFileBytes(drive.Path(("Data\\" + unique + "\\inner.txt").c_str())), "inner");
    EXPECT_EQ(app.SelectedPath(), "S:\\Data\\" + unique);
    {
        CDialogAnswerer yes(IDYES, app.ProcessId());
        ASSERT_TRUE(app.PaneCommand(app.Tree(), ID_RECYCLE));
        EXPECT_EQ(yes.Answered(), 1u);
    }
    EXPECT_TRUE(WaitFor([&] { return !Exists(drive.Path(("Data\\" + unique).c_str())); }, 5000));
    EXPECT_EQ(ReadFileBytes((trash + unique + "\\inner.txt").c_str()), "inner");
    EXPECT_TRUE(WaitFor([&] { return app.SelectedPath() == "S:\\Data"; }, 5000)) << app.SelectedPath();
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\a.txt")), "alpha");
    RemoveTree((trash + unique).c_str());
}
