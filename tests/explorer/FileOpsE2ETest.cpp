// The file commands as a user gives them to brindlex.exe: keys and menu commands, the name
// dialog filled in, questions answered, and the disk checked after each.
#include "DialogAnswerer.h"
#include "ExplorerOnADrive.h"
#include "NameAnswerer.h"
#include "res/resource.h"
#include <algorithm>
#include <stdlib.h>

namespace {

class FileOpsE2E : public ExplorerOnADrive {
protected:
    FileOpsE2E() : ExplorerOnADrive('S') {}
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(MakeAndStart(
            {"Data", "Data\\Sub"}, {{"Data\\a.txt", "alpha"}, {"Data\\b.txt", "beta"}, {"Data\\Sub\\inner.txt", "inner"}}));
        ASSERT_TRUE(app.SelectPath("S:\\Data"));
    }
    // A command to the list window itself, as its context menu sends it.
    bool ListCommand(UINT id) { return app.PaneCommand(app.List(), id); }

};

}  // namespace

TEST_F(FileOpsE2E, CtrlLAndCtrlIMakeWhatIsTyped)
{
    CNameAnswerer folder("Made", IDOK, app.ProcessId());
    app.PressKey('L', true);
    ASSERT_TRUE(folder.Wait());
    EXPECT_EQ(folder.Caption(), "New Folder");
    ASSERT_TRUE(WaitFor([&] { return ShowsRow("Made"); }, 5000));
    EXPECT_TRUE(::GetFileAttributesA(drive.Path("Data\\Made")) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(Exists(drive.Path("Data\\Made")));

    CNameAnswerer file("\\made.txt\\", IDOK, app.ProcessId());
    app.PressKey('I', true);
    ASSERT_TRUE(file.Wait());
    EXPECT_EQ(file.Initial(), "NewFile.txt");
    ASSERT_TRUE(WaitFor([&] { return ShowsRow("made.txt"); }, 5000));
    EXPECT_TRUE(Exists(drive.Path("Data\\made.txt")));
}

TEST_F(FileOpsE2E, RenameCopyAndDeleteInTheList)
{
    ASSERT_TRUE(app.ClickPane(app.List()));
    ASSERT_TRUE(app.SelectRows({"a.txt"}));
    {
        CNameAnswerer name("renamed.txt", IDOK, app.ProcessId());
        app.PressKey('R', true);
        ASSERT_TRUE(name.Wait());
        EXPECT_EQ(name.Initial(), "a.txt");
    }
    ASSERT_TRUE(WaitFor([&] { return ShowsRow("renamed.txt"); }, 5000));
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\renamed.txt")), "alpha");
    EXPECT_FALSE(Exists(drive.Path("Data\\a.txt")));

    ASSERT_TRUE(app.SelectRows({"renamed.txt"}));
    {
        CNameAnswerer name("copy.txt", IDOK, app.ProcessId());
        app.Command(ID_COPY_RENAME);
        ASSERT_TRUE(name.Wait());
    }
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\copy.txt")), "alpha");
    EXPECT_TRUE(WaitFor([&] { return ShowsRow("copy.txt"); }, 5000));

    // Several rows, a file first: asked; No keeps everything, Yes removes it.
    ASSERT_TRUE(app.SelectRows({"b.txt", "copy.txt", "Sub"}));
    {
        CDialogAnswerer no(IDNO, app.ProcessId());
        app.PressKey(VK_DELETE, false);
        ASSERT_TRUE(no.Wait());
        EXPECT_EQ(no.Text(), "Delete these 3 folders and files?");
    }
    EXPECT_TRUE(Exists(drive.Path("Data\\b.txt")));
    EXPECT_TRUE(Exists(drive.Path("Data\\Sub\\inner.txt")));
    {
        CDialogAnswerer yes(IDYES, app.ProcessId());
        app.PressKey(VK_DELETE, false);
        ASSERT_TRUE(yes.Wait());
    }
    EXPECT_TRUE(WaitFor([&] { return app.Rows() == std::vector<std::string>{"renamed.txt"}; }, 5000));
    EXPECT_FALSE(Exists(drive.Path("Data\\b.txt")));
    EXPECT_FALSE(Exists(drive.Path("Data\\copy.txt")));
    EXPECT_FALSE(Exists(drive.Path("Data\\Sub")));
}

TEST_F(FileOpsE2E, ViewStartsAViewerProcess)
{
    ASSERT_TRUE(app.SelectRows({"Sub", "a.txt"}));
    ListCommand(ID_VIEW_FILE);
    HWND viewer = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (viewer = ::FindWindowA(nullptr, "Brindlex - a.txt")) != nullptr; }, 15000));
    DWORD pid = 0;
    ::GetWindowThreadProcessId(viewer, &pid);
    EXPECT_NE(pid, app.ProcessId());
    ::PostMessageA(viewer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(viewer); }, 10000));
}

TEST_F(FileOpsE2E, ARecentProgramGetsEachFileQuoted)
{
    std::string recorder = BesideTestProgram("argsrecorder.exe").str();
    ASSERT_TRUE(Exists(recorder.c_str()));
    TestApp().WriteProfileString("mre", "mre1", recorder.c_str());
    ASSERT_TRUE(drive.MakeFile("Data\\with blank.txt", "w"));
    ASSERT_TRUE(WaitFor([&] { return ShowsRow("with blank.txt"); }, 5000));
    // Recorded command lines land beside the recorder: start from none.
    std::string pattern = BesideTestProgram("args-*.txt").str();
    WIN32_FIND_DATAA fd;
    auto recorded = [&] {
        std::vector<std::string> lines;
        HANDLE h = ::FindFirstFileA(pattern.c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE) return lines;
        do lines.push_back(ReadFileBytes(BesideTestProgram(fd.cFileName)));
        while (::FindNextFileA(h, &fd));
        ::FindClose(h);
        return lines;
    };
    auto clear = [&] {
        HANDLE h = ::FindFirstFileA(pattern.c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE) return;
        do ::DeleteFileA(BesideTestProgram(fd.cFileName));
        while (::FindNextFileA(h, &fd));
        ::FindClose(h);
    };
    clear();
    ASSERT_TRUE(app.SelectRows({"a.txt", "with blank.txt"}));
    ListCommand(ID_RECENT_PROGRAM_FIRST);
    ASSERT_TRUE(WaitFor([&] { return recorded().size() == 2; }, 10000));
    std::vector<std::string> lines = recorded();
    std::sort(lines.begin(), lines.end());
    std::string q = "\"" + recorder + "\" ";
    EXPECT_EQ(lines[0], q + "\"S:\\Data\\a.txt\"");
    EXPECT_EQ(lines[1], q + "\"S:\\Data\\with blank.txt\"");
    clear();
    // A folder first (folders are listed first): nothing starts.
    ASSERT_TRUE(app.SelectRows({"Sub", "a.txt"}));
    ListCommand(ID_RECENT_PROGRAM_FIRST);
    ListCommand(ID_RECENT_PROGRAM_FIRST + 1);  // no second program: nothing
    EXPECT_TRUE(recorded().empty());
    ClearSettings();
}

TEST_F(FileOpsE2E, TreeCommandsOnADriveRootDoNothing)
{
    ASSERT_TRUE(app.SelectPath("S:\\"));
    for (UINT id : {ID_RENAME, ID_COPY_RENAME, ID_DELETE, ID_RECYCLE}) {
        // Sent to the tree: a dialog would keep the call from returning.
        CDialogAnswerer safety(IDCANCEL, app.ProcessId());
        CNameAnswerer name("x", IDCANCEL, app.ProcessId());
        app.PaneCommand(app.Tree(), id);
        EXPECT_FALSE(safety.Stop()) << id;
        EXPECT_FALSE(name.Stop()) << id;
    }
    EXPECT_TRUE(Exists(drive.Path("Data\\a.txt")));
    EXPECT_EQ(app.SelectedPath(), "S:\\");
}

TEST_F(FileOpsE2E, TreeRenameCopyAndDeleteOfTheSelectedFolder)
{
    ASSERT_TRUE(app.SelectPath("S:\\Data\\Sub"));
    {
        CNameAnswerer name("Copied", IDOK, app.ProcessId());
        app.PaneCommand(app.Tree(), ID_COPY_RENAME);
        ASSERT_TRUE(name.Wait());
        EXPECT_EQ(name.Initial(), "Sub");
    }
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\Copied\\inner.txt")), "inner");
    EXPECT_EQ(app.SelectedPath(), "S:\\Data\\Sub");
    {
        CNameAnswerer name("Renamed", IDOK, app.ProcessId());
        app.PaneCommand(app.Tree(), ID_RENAME);
        ASSERT_TRUE(name.Wait());
    }
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\Renamed\\inner.txt")), "inner");
    EXPECT_FALSE(Exists(drive.Path("Data\\Sub")));
    EXPECT_EQ(app.SelectedPath(), "S:\\Data\\Renamed");
    {
        CDialogAnswerer no(IDNO, app.ProcessId());
        app.PaneCommand(app.Tree(), ID_DELETE);
        ASSERT_TRUE(no.Wait());
        EXPECT_EQ(no.Caption(), "Renamed");
        EXPECT_EQ(no.Text(), "Delete this folder and all its files?");
    }
    EXPECT_TRUE(Exists(drive.Path("Data\\Renamed\\inner.txt")));
    ASSERT_TRUE(app.SelectPath("S:\\Data\\Copied"));
    {
        CDialogAnswerer yes(IDYES, app.ProcessId());
        app.PaneCommand(app.Tree(), ID_DELETE);
        ASSERT_TRUE(yes.Wait());
    }
    EXPECT_TRUE(WaitFor([&] { return !Exists(drive.Path("Data\\Copied")); }, 5000));
    // The change notification selects the parent.
    EXPECT_TRUE(WaitFor([&] { return app.SelectedPath() == "S:\\Data"; }, 5000)) << app.SelectedPath();
}

TEST_F(FileOpsE2E, TreeDeleteThatFailsSaysSoAndListsWhatIsLeft)
{
    ASSERT_TRUE(drive.MakeFile("Data\\Sub\\busy.txt", "busy"));
    ASSERT_TRUE(app.SelectPath("S:\\Data\\Sub"));
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
    EXPECT_FALSE(Exists(drive.Path("Data\\Sub\\inner.txt")));
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

TEST_F(FileOpsE2E, TreeRecycleSendsTheFolderToTheBinAfterTheShellsQuestion)
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
