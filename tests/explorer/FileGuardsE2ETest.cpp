// File commands that must never reach beyond what the user chose: links recycled, folders
// renamed under the list, names that are paths, copies onto existing folders. brindlex.exe is
// driven as a user would, and the disk is checked after every command.
#include "DialogAnswerer.h"
#include "ExplorerOnADrive.h"
#include "NameAnswerer.h"
#include "res/resource.h"
#include <algorithm>

namespace {

class FileGuardsE2E : public ExplorerOnADrive {
protected:
    FileGuardsE2E() : ExplorerOnADrive('S') {}
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(MakeAndStart({"Data", "Data\\Sub", "Data\\d1"},
                                             {{"Data\\a.txt", "alpha"}, {"Data\\Sub\\inner.txt", "inner"}}));
    }
    bool ListCommand(UINT id) { return app.PaneCommand(app.List(), id); }
    bool TreeCommand(UINT id) { return app.PaneCommand(app.Tree(), id); }
    // A Linux symlink inside the drive, as another program would make it.
    bool LinkFromLinux(const char* targetRel, const char* rel)
    {
        auto linux = [&](const char* r) {
            std::string s = std::string(drive.LinuxDir()) + "/" + r;
            std::replace(s.begin(), s.end(), '\\', '/');
            return s;
        };
        if (!RunLinux("/bin/ln", {"-s", linux(targetRel), linux(rel)})) return false;
        return WaitFor([&] { return Exists(drive.Path(rel)); }, 5000);
    }
    // Runs a command that names an entry and expects the program's refusal, nothing else.
    void ExpectRefused(UINT id, bool toTree, const char* name, const char* message)
    {
        // The command returns only once its dialogs are answered: the watchers are ended then,
        // and never give up while a slow machine is still getting there.
        CNameAnswerer answer(name, IDOK, app.ProcessId(), 60000);
        CDialogAnswerer box(IDOK, app.ProcessId(), 60000);
        ASSERT_TRUE(toTree ? TreeCommand(id) : ListCommand(id)) << name;
        ASSERT_TRUE(answer.Stop()) << name;
        ASSERT_TRUE(box.Stop()) << name;
        EXPECT_EQ(box.Caption(), "File Error!") << name;
        EXPECT_EQ(box.Text(), message) << name;
    }

};

}  // namespace

TEST_F(FileGuardsE2E, RecycleNeverSendsWhereALinkLeads)
{
    ASSERT_TRUE(drive.MakeDir("Outside"));
    ASSERT_TRUE(drive.MakeFile("Outside\\precious.txt", "keep me"));
    ASSERT_TRUE(drive.MakeDir("rb"));
    ASSERT_TRUE(drive.MakeFile("rb\\plain.txt", "plain"));
    ASSERT_TRUE(LinkFromLinux("Outside", "rb\\rLink"));
    if (!(::GetFileAttributesA(drive.Path("rb\\rLink")) & FILE_ATTRIBUTE_REPARSE_POINT))
        GTEST_SKIP() << "folder links are not reparse points here";
    ASSERT_TRUE(app.SelectPath("S:\\rb"));
    ASSERT_TRUE(WaitFor([&] { return ShowsRow("rLink") && ShowsRow("plain.txt"); }, 5000));
    auto outsideIntact = [&] {
        return ReadFileBytes(drive.Path("Outside\\precious.txt")) == "keep me" && Exists(drive.Path("rb\\rLink"));
    };

    // The link alone: refused with the usual message; the link and its row stay.
    ASSERT_TRUE(app.SelectRows({"rLink"}));
    {
        CDialogAnswerer box(IDOK, app.ProcessId());
        ASSERT_TRUE(ListCommand(ID_RECYCLE));
        ASSERT_TRUE(box.Wait());
        EXPECT_EQ(box.Text(), "rLink could not be removed!");
    }
    EXPECT_TRUE(outsideIntact());
    EXPECT_TRUE(ShowsRow("rLink"));

    // Among several rows: the others go to the recycle bin (the shell asks), the link stays.
    ASSERT_TRUE(app.SelectRows({"rLink", "plain.txt"}));
    {
        CDialogAnswerer answers({IDYES, IDOK}, app.ProcessId());
        ASSERT_TRUE(ListCommand(ID_RECYCLE));
        ASSERT_EQ(answers.Answered(), 2u);
        EXPECT_EQ(answers.Text(1), "Some files or folders could not be removed!");
    }
    EXPECT_FALSE(Exists(drive.Path("rb\\plain.txt")));
    EXPECT_TRUE(outsideIntact());
    EXPECT_TRUE(ShowsRow("rLink"));
    EXPECT_FALSE(ShowsRow("plain.txt"));

    // From the tree, with the link's folder on show.
    ASSERT_TRUE(app.SelectPath("S:\\rb\\rLink"));
    {
        CDialogAnswerer box(IDOK, app.ProcessId());
        ASSERT_TRUE(TreeCommand(ID_RECYCLE));
        ASSERT_TRUE(box.Wait());
        EXPECT_EQ(box.Text(), "rLink could not be removed!");
    }
    EXPECT_TRUE(outsideIntact());
    EXPECT_EQ(app.SelectedPath(), "S:\\rb\\rLink");
}

TEST_F(FileGuardsE2E, TreeRenameMovesTheListToTheNewPath)
{
    ASSERT_TRUE(drive.MakeDir("tr"));
    ASSERT_TRUE(drive.MakeDir("tr\\A"));
    ASSERT_TRUE(drive.MakeFile("tr\\A\\a.txt", "mine"));
    ASSERT_TRUE(app.SelectPath("S:\\tr\\A"));
    ASSERT_TRUE(WaitFor([&] { return ShowsRow("a.txt"); }, 5000));
    {
        CNameAnswerer name("A2", IDOK, app.ProcessId());
        ASSERT_TRUE(TreeCommand(ID_RENAME));
        ASSERT_TRUE(name.Wait());
    }
    ASSERT_EQ(ReadFileBytes(drive.Path("tr\\A2\\a.txt")), "mine");
    EXPECT_EQ(app.Caption(), "S:\\tr\\A2 - Brindlex Explorer");
    EXPECT_EQ(app.SelectedPath(), "S:\\tr\\A2");
    // What other programs do in the renamed folder still shows.
    ASSERT_TRUE(drive.MakeFile("tr\\A2\\theirs.txt", "x"));
    EXPECT_TRUE(WaitFor([&] { return ShowsRow("theirs.txt"); }, 5000));

    // New File lands in the renamed folder.
    ASSERT_TRUE(app.ClickPane(app.List()));
    {
        CDialogAnswerer safety(IDOK, app.ProcessId());
        CNameAnswerer name("new.txt", IDOK, app.ProcessId());
        ASSERT_TRUE(ListCommand(ID_NEW_FILE));  // sent: returns once every dialog it opened has closed
        ASSERT_TRUE(name.Wait());
        EXPECT_FALSE(safety.Stop()) << safety.Text();
    }
    EXPECT_TRUE(Exists(drive.Path("tr\\A2\\new.txt")));
    EXPECT_FALSE(Exists(drive.Path("tr\\A")));

    // Another program makes a folder of the old name with a file of the same name: Delete on
    // the row removes the renamed folder's file and never the other one.
    ASSERT_TRUE(drive.MakeDir("tr\\A"));
    ASSERT_TRUE(drive.MakeFile("tr\\A\\a.txt", "theirs"));
    ASSERT_TRUE(app.SelectRows({"a.txt"}));
    {
        CDialogAnswerer yes(IDYES, app.ProcessId());
        ASSERT_TRUE(ListCommand(ID_DELETE));
        ASSERT_TRUE(yes.Wait());
    }
    EXPECT_TRUE(WaitFor([&] { return !Exists(drive.Path("tr\\A2\\a.txt")); }, 5000));
    EXPECT_EQ(ReadFileBytes(drive.Path("tr\\A\\a.txt")), "theirs");
    EXPECT_EQ(ReadFileBytes(drive.Path("tr\\A2\\new.txt")), "");
}

TEST_F(FileGuardsE2E, RenameAndCopyRefuseNamesThatAreNoPlainName)
{
    ASSERT_TRUE(app.SelectPath("S:\\Data"));
    ASSERT_TRUE(WaitFor([&] { return ShowsRow("a.txt"); }, 5000));
    const char* characters = "A file name cannot contain any of the following characters: \\ / : * ? \" < > |";
    const std::pair<const char*, const char*> names[] = {
        {"d1\\moved.txt", characters}, {"d1/moved.txt", characters}, {"..\\up.txt", characters},
        {"..", "A file name cannot end with a dot or a space."}, {"a:b", characters},
        {"\\", "A file name cannot be empty."}, {"x*y", characters}};
    for (UINT id : {ID_RENAME, ID_COPY_RENAME}) {
        for (const auto& name : names) {
            ASSERT_TRUE(app.SelectRows({"a.txt"}));
            ExpectRefused(id, false, name.first, name.second);
            EXPECT_EQ(ReadFileBytes(drive.Path("Data\\a.txt")), "alpha") << name.first;
        }
        ASSERT_TRUE(app.SelectRows({"Sub"}));
        ExpectRefused(id, false, "..\\Z3moved", characters);
    }
    EXPECT_FALSE(Exists(drive.Path("Data\\d1\\moved.txt")));
    EXPECT_FALSE(Exists(drive.Path("up.txt")));
    EXPECT_FALSE(Exists(drive.Path("Z3moved")));
    EXPECT_FALSE(Exists(drive.Path("Data\\a")));
    EXPECT_TRUE(ShowsRow("a.txt"));

    // The tree's own commands on the selected folder.
    ASSERT_TRUE(app.SelectPath("S:\\Data\\Sub"));
    for (UINT id : {ID_RENAME, ID_COPY_RENAME})
        for (const auto& name : {std::make_pair("..\\Z3moved", characters), std::make_pair("d1/Z3", characters), names[3]})
            ExpectRefused(id, true, name.first, name.second);
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\Sub\\inner.txt")), "inner");
    EXPECT_FALSE(Exists(drive.Path("Z3moved")));
    EXPECT_FALSE(Exists(drive.Path("Data\\d1\\Z3")));
    EXPECT_EQ(app.SelectedPath(), "S:\\Data\\Sub");
    std::vector<std::string> children = app.Children("S:\\Data");
    EXPECT_EQ(children, (std::vector<std::string>{"d1", "Sub"}));
}

TEST_F(FileGuardsE2E, CopyAndRenameOntoAnExistingFolderIsRefused)
{
    ASSERT_TRUE(drive.MakeDir("Data\\Z4"));
    ASSERT_TRUE(drive.MakeFile("Data\\Z4\\four.txt", "4"));
    ASSERT_TRUE(drive.MakeDir("Data\\Z5"));
    ASSERT_TRUE(drive.MakeFile("Data\\Z5\\five.txt", "5"));
    ASSERT_TRUE(app.SelectPath("S:\\Data\\Z4"));
    ExpectRefused(ID_COPY_RENAME, true, "Z5", "Z5 already exists.");
    ExpectRefused(ID_COPY_RENAME, true, "z5", "z5 already exists.");
    EXPECT_FALSE(Exists(drive.Path("Data\\Z5\\Z4")));
    EXPECT_FALSE(Exists(drive.Path("Data\\Z5\\four.txt")));
    std::vector<std::string> children = app.Children("S:\\Data");
    EXPECT_EQ(std::count(children.begin(), children.end(), "Z5"), 1);

    // The list: a folder onto a folder, a file onto a folder.
    ASSERT_TRUE(app.SelectPath("S:\\Data"));
    ASSERT_TRUE(WaitFor([&] { return ShowsRow("Z4"); }, 5000));
    ASSERT_TRUE(app.SelectRows({"Z4"}));
    ExpectRefused(ID_COPY_RENAME, false, "Z5", "Z5 already exists.");
    ASSERT_TRUE(app.SelectRows({"a.txt"}));
    ExpectRefused(ID_COPY_RENAME, false, "Z5", "Z5 already exists.");
    EXPECT_FALSE(Exists(drive.Path("Data\\Z5\\Z4")));
    EXPECT_FALSE(Exists(drive.Path("Data\\Z5\\a.txt")));
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\Z5\\five.txt")), "5");
}

// Rename of a folder link renames the link itself or, where the platform would rename what it
// leads to, is refused; the folder it leads to and its files never move.
TEST_F(FileGuardsE2E, RenameOfAFolderLinkNeverMovesWhereItLeads)
{
    ASSERT_TRUE(drive.MakeDir("Outside"));
    ASSERT_TRUE(drive.MakeFile("Outside\\precious.txt", "keep me"));
    ASSERT_TRUE(drive.MakeDir("rn"));
    ASSERT_TRUE(LinkFromLinux("Outside", "rn\\lnk"));
    if (!(::GetFileAttributesA(drive.Path("rn\\lnk")) & FILE_ATTRIBUTE_REPARSE_POINT))
        GTEST_SKIP() << "folder links are not reparse points here";
    auto isLink = [&](const char* rel) {
        DWORD a = ::GetFileAttributesA(drive.Path(rel));
        return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_REPARSE_POINT);
    };
    // The link is where the command left it, and the folder it leads to is as it was.
    auto linkAndTargetIntact = [&](const char* linkRel) {
        EXPECT_TRUE(isLink(linkRel)) << linkRel;
        EXPECT_EQ(ReadFileBytes(drive.Path((std::string(linkRel) + "\\precious.txt").c_str())), "keep me");
        EXPECT_EQ(SortedNamesIn(drive.Path("Outside")), std::vector<std::string>{"precious.txt"});
        EXPECT_EQ(ReadFileBytes(drive.Path("Outside\\precious.txt")), "keep me");
        EXPECT_FALSE(isLink("Outside"));
    };
    auto renameLink = [&](bool toTree) -> std::string {
        CNameAnswerer name("lnk-renamed", IDOK, app.ProcessId(), 60000);
        CDialogAnswerer box(IDOK, app.ProcessId(), 60000);
        EXPECT_TRUE(toTree ? TreeCommand(ID_RENAME) : ListCommand(ID_RENAME));
        EXPECT_TRUE(name.Stop());
        return box.Stop() ? box.Text() : std::string();
    };
    const std::string refused = "lnk is a link, and renaming it here would rename the folder it leads to instead.";

    ASSERT_TRUE(app.SelectPath("S:\\rn"));
    ASSERT_TRUE(WaitFor([&] { return ShowsRow("lnk"); }, 5000));
    ASSERT_TRUE(app.SelectRows({"lnk"}));
    std::string said = renameLink(false);
    if (said.empty()) {
        // The platform renamed the link itself.
        linkAndTargetIntact("rn\\lnk-renamed");
        EXPECT_FALSE(Exists(drive.Path("rn\\lnk")));
        EXPECT_TRUE(WaitFor([&] { return ShowsRow("lnk-renamed") && !ShowsRow("lnk"); }, 5000));
        ASSERT_TRUE(::MoveFileA(drive.Path("rn\\lnk-renamed"), drive.Path("rn\\lnk")));
    } else {
        EXPECT_EQ(said, refused);
        linkAndTargetIntact("rn\\lnk");
        EXPECT_EQ(SortedNamesIn(drive.Path("rn")), std::vector<std::string>{"lnk"});
        EXPECT_TRUE(ShowsRow("lnk"));
    }

    // The tree, with the link's folder on show.
    ASSERT_TRUE(app.SelectPath("S:\\rn\\lnk"));
    said = renameLink(true);
    if (said.empty()) {
        linkAndTargetIntact("rn\\lnk-renamed");
        EXPECT_FALSE(Exists(drive.Path("rn\\lnk")));
        EXPECT_EQ(app.SelectedPath(), "S:\\rn\\lnk-renamed");
    } else {
        EXPECT_EQ(said, refused);
        linkAndTargetIntact("rn\\lnk");
        EXPECT_EQ(SortedNamesIn(drive.Path("rn")), std::vector<std::string>{"lnk"});
        EXPECT_EQ(app.SelectedPath(), "S:\\rn\\lnk");
    }
}
