// View and Open With start other programs for the selected files: what they cannot hand on
// whole is refused with a message, and only a program that started is remembered.
#include "DialogAnswerer.h"
#include "ExplorerOnADrive.h"
#include "res/resource.h"
#include <algorithm>

namespace {

class StartProgramsE2E : public ExplorerOnADrive {
protected:
    StartProgramsE2E() : ExplorerOnADrive('S') {}
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(MakeAndStart({"Data"}, {{"Data\\a.txt", "alpha"}}));
    }
    void TearDown() override
    {
        CBrindlex::KillChildrenOf(app.ProcessId());
        ClearSettings();
    }
    // Makes the folders of rel (a path below the drive) one by one.
    bool MakeDirs(const std::string& rel)
    {
        for (size_t i = rel.find('\\'); ; i = rel.find('\\', i + 1)) {
            std::string part = rel.substr(0, i);
            if (!Exists(drive.Path(part.c_str())) && !drive.MakeDir(part.c_str())) return false;
            if (i == std::string::npos) return true;
        }
    }
    // Shows the folder of rel and selects its row.
    bool SelectFile(const std::string& rel)
    {
        size_t slash = rel.rfind('\\');
        std::string folder = "S:\\" + rel.substr(0, slash), name = rel.substr(slash + 1);
        return app.SelectPath(folder.c_str()) && WaitFor([&] { return ShowsRow(name); }, 5000) && app.SelectRows({name});
    }
    bool ListCommand(UINT id) { return app.PaneCommand(app.List(), id); }
    // Answers the platform's Open dialog of Open With with that program.
    void ChooseProgram(const std::string& program)
    {
        HWND dlg = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (dlg = FindDialogOf(app.ProcessId(), true)) != nullptr; }, 10000));
        // The file name field: an edit box, or the edit inside a combo box.
        HWND name = nullptr;
        ASSERT_TRUE(WaitFor([&] {
            name = ::GetDlgItem(dlg, 0x47C);
            if (!name) name = ::GetDlgItem(dlg, 0x480);
            return name != nullptr;
        }, 5000)) << WindowText(dlg);
        ::SendMessageA(name, WM_SETTEXT, 0, (LPARAM)program.c_str());
        ::PostMessageA(dlg, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitFor([&] { return !::IsWindow(dlg); }, 5000));
    }
    // The command lines the recorder copied into folder rel has written, sorted.
    std::vector<std::string> Recorded(const std::string& rel)
    {
        std::vector<std::string> lines;
        std::string folder = drive.Path(rel.c_str()).str() + "\\";
        for (const std::string& name : SortedNamesIn(drive.Path(rel.c_str())))
            if (name.compare(0, 5, "args-") == 0) lines.push_back(ReadFileBytes((folder + name).c_str()));
        std::sort(lines.begin(), lines.end());
        return lines;
    }
};

std::string Beside(const char* name)
{
    char exe[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string s(exe, n);
    return s.substr(0, s.rfind('\\') + 1) + name;
}

}  // namespace

TEST_F(StartProgramsE2E, ViewOpensPathsOfUpTo259Characters)
{
    std::string folder = std::string(100, 'd') + "\\" + std::string(100, 'e');
    ASSERT_TRUE(MakeDirs(folder));
    for (size_t length : {254u, 256u, 259u}) {
        // "S:\" and the folder and a backslash, then the name.
        std::string name = std::to_string(length) + std::string(length - 3 - folder.size() - 1 - 7, 'n') + ".txt";
        std::string rel = folder + "\\" + name;
        ASSERT_EQ(drive.Path(rel.c_str()).GetLength(), (int)length);
        ASSERT_TRUE(drive.MakeFile(rel.c_str(), "long " + std::to_string(length)));
        ASSERT_TRUE(SelectFile(rel));
        ListCommand(ID_VIEW_FILE);
        HWND viewer = nullptr;
        std::string title = "Brindlex - " + name;
        ASSERT_TRUE(WaitFor([&] { return (viewer = ::FindWindowA(nullptr, title.c_str())) != nullptr; }, 15000)) << length;
        ::PostMessageA(viewer, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitFor([&] { return !::IsWindow(viewer); }, 10000));
    }
}

TEST_F(StartProgramsE2E, ViewOfANameWithADoubleQuoteIsRefused)
{
    std::string linux = std::string(drive.LinuxDir()) + "/Data/say\"hi\".txt";
    ASSERT_TRUE(RunLinux("/usr/bin/touch", {linux}));
    ASSERT_TRUE(app.SelectPath("S:\\Data"));
    std::string shown;
    ASSERT_TRUE(WaitFor([&] {
        for (const std::string& row : app.Rows())
            if (row.find("say") == 0) shown = row;
        return !shown.empty();
    }, 5000));
    if (shown.find('"') == std::string::npos) GTEST_SKIP() << "listed here as " << shown;
    ASSERT_TRUE(app.SelectRows({shown}));
    CDialogAnswerer box(IDOK, app.ProcessId());
    ListCommand(ID_VIEW_FILE);
    ASSERT_TRUE(box.Wait());
    EXPECT_EQ(box.Caption(), "File Error!");
    EXPECT_EQ(box.Text(), shown + " cannot be viewed: its name holds a double quote!");
    EXPECT_TRUE(app.CBrindlex::Children().empty());
}

TEST_F(StartProgramsE2E, OpenWithALineTooLongSaysSoAndRemembersNothing)
{
    // A program path of 253 characters and a file path of 255: with the quotes and the blank
    // the line needs 513 characters.
    std::string programDir = std::string(100, 'p') + "\\" + std::string(100, 'q') + "\\" + std::string(40, 'r');
    ASSERT_TRUE(MakeDirs(programDir));
    std::string program = std::string(drive.Path((programDir + "\\rec.exe").c_str()));
    ASSERT_EQ(program.size(), 253u);
    ASSERT_TRUE(::CopyFileA(Beside("argsrecorder.exe").c_str(), program.c_str(), FALSE));
    std::string fileDir = std::string(100, 'd') + "\\" + std::string(100, 'e');
    ASSERT_TRUE(MakeDirs(fileDir));
    std::string rel = fileDir + "\\" + std::string(46, 'f') + ".txt";
    ASSERT_TRUE(drive.MakeFile(rel.c_str(), "f"));
    ASSERT_EQ(drive.Path(rel.c_str()).GetLength(), 255);
    auto recordings = [&] { return (int)Recorded(programDir).size(); };
    // Open With: the program is chosen in the platform's Open dialog.
    auto openWith = [&](const std::string& fileRel, bool refused) {
        ASSERT_TRUE(SelectFile(fileRel));
        ::PostMessageA(app.List(), WM_COMMAND, ID_OPEN_WITH, 0);
        ASSERT_NO_FATAL_FAILURE(ChooseProgram(program));
        CDialogAnswerer box(IDOK, app.ProcessId());
        if (!refused) {
            // Once the program has been started and the command has run to its end (a box it
            // shows answers the round trip from its own loop), no box can still come.
            EXPECT_TRUE(WaitFor([&] { return recordings() == 1; }, 10000));
            app.Sync();
        }
        EXPECT_EQ(refused ? box.Wait() : box.Stop(), refused);
        if (refused) {
            EXPECT_EQ(box.Caption(), "File Error!");
            EXPECT_EQ(box.Text(), std::string(46, 'f') + ".txt was not opened: the command line would be too long!");
        }
    };
    openWith(rel, true);
    EXPECT_EQ(TestApp().GetProfileString("mre", "mre1", ""), "");
    EXPECT_EQ(recordings(), 0);

    // A short path with the same program starts it, and then it is remembered.
    openWith("Data\\a.txt", false);
    EXPECT_EQ(recordings(), 1);
    EXPECT_EQ(TestApp().GetProfileString("mre", "mre1", ""), program.c_str());
}

// A name with a double quote cannot be made here (the platform lists such a Linux name
// without it): the row is given to the list as another listing would give it.
TEST(ViewRefusal, ANameWithADoubleQuoteIsRefusedWithAMessage)
{
    CTestDrive drive{'T'};
    ASSERT_TRUE(drive.IsReady());
    ASSERT_TRUE(drive.MakeDir("Data"));
    CPaneHost host;
    HTREEITEM data = host.Open("T:\\Data");
    ASSERT_TRUE(data);
    host.Tree().SelectItem(data);
    WIN32_FIND_DATAA fd = {};
    lstrcpynA(fd.cFileName, "say\"hi\".txt", MAX_PATH);
    fd.dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE;
    host.m_pList->AddFileEntry(fd, "T:\\Data");
    int row = host.m_pList->FindRow("say\"hi\".txt");
    ASSERT_GE(row, 0);
    host.List().SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    CDialogAnswerer box(IDOK);
    host.m_pList->ViewSelected();
    ASSERT_TRUE(box.Wait());
    EXPECT_EQ(box.Caption(), "File Error!");
    EXPECT_EQ(box.Text(), "say\"hi\".txt cannot be viewed: its name holds a double quote!");
}

TEST_F(StartProgramsE2E, OpenWithTwoFilesAsksOnceAndStartsTheProgramForEach)
{
    ASSERT_TRUE(drive.MakeDir("Tools"));
    std::string program = drive.Path("Tools\\rec.exe").str();
    ASSERT_TRUE(::CopyFileA(Beside("argsrecorder.exe").c_str(), program.c_str(), FALSE));
    ASSERT_TRUE(drive.MakeFile("Data\\with blank.txt", "w"));
    ASSERT_TRUE(app.SelectPath("S:\\Data"));
    ASSERT_TRUE(WaitFor([&] { return ShowsRow("with blank.txt"); }, 5000));
    ASSERT_TRUE(app.SelectRows({"a.txt", "with blank.txt"}));
    ::PostMessageA(app.List(), WM_COMMAND, ID_OPEN_WITH, 0);
    ASSERT_NO_FATAL_FAILURE(ChooseProgram(program));
    ASSERT_TRUE(WaitFor([&] { return Recorded("Tools").size() == 2; }, 10000));
    app.Sync();
    // Chosen once, for the first file: no second question.
    EXPECT_EQ(FindDialogOf(app.ProcessId()), nullptr);
    std::string q = "\"" + program + "\" ";
    EXPECT_EQ(Recorded("Tools"), (std::vector<std::string>{q + "\"S:\\Data\\a.txt\"", q + "\"S:\\Data\\with blank.txt\""}));
    EXPECT_EQ(TestApp().GetProfileString("mre", "mre1", ""), program.c_str());
    EXPECT_EQ(TestApp().GetProfileString("mre", "mre2", ""), "");
}

TEST_F(StartProgramsE2E, OpenWithAFolderFirstAsksNothingAndStartsNothing)
{
    ASSERT_TRUE(drive.MakeDir("Data\\Sub"));
    ASSERT_TRUE(app.SelectPath("S:\\Data"));
    ASSERT_TRUE(WaitFor([&] { return ShowsRow("Sub"); }, 5000));
    ASSERT_TRUE(app.SelectRows({"Sub", "a.txt"}));
    CDialogAnswerer box(IDCANCEL, app.ProcessId());
    ASSERT_TRUE(ListCommand(ID_OPEN_WITH));
    EXPECT_FALSE(box.Stop());
    EXPECT_TRUE(app.CBrindlex::Children().empty());
    EXPECT_EQ(TestApp().GetProfileString("mre", "mre1", ""), "");
    EXPECT_EQ(app.SelectedPath(), "S:\\Data");
}
