// The file list's commands on real files of a test drive, with the name dialog, the program's
// message boxes and the shell's confirmations answered as a user would. The disk is checked
// after every command, not only the rows.
#include "DialogAnswerer.h"
#include "ExplorerFixture.h"
#include "NameAnswerer.h"
#include "res/resource.h"
#include <algorithm>

namespace {

class ListCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        ASSERT_TRUE(drive.IsReady());
        ASSERT_TRUE(drive.MakeDir("Data"));
        ASSERT_TRUE(drive.MakeDir("Data\\Sub"));
        ASSERT_TRUE(drive.MakeFile("Data\\Sub\\inner.txt", "inner"));
        ASSERT_TRUE(drive.MakeFile("Data\\a.txt", "alpha"));
        ASSERT_TRUE(drive.MakeFile("Data\\b.txt", "beta"));
        ASSERT_TRUE(drive.MakeFile("Data\\c.txt", "gamma"));
        host.reset(new CPaneHost);
        data = host->Open("T:\\Data");
        ASSERT_TRUE(data);
        host->Tree().SelectItem(data);
        ASSERT_EQ(host->m_pList->m_strFolder, "T:\\Data\\");
    }
    void TearDown() override { host.reset(); }

    bool HasRow(const char* name) const
    {
        std::vector<std::string> rows = host->Rows();
        return std::find(rows.begin(), rows.end(), name) != rows.end();
    }
    void Select(std::initializer_list<const char*> names)
    {
        CListCtrl list = host->List();
        for (int i = 0; i < list.GetItemCount(); i++) list.SetItemState(i, 0, LVIS_SELECTED);
        for (const char* n : names) {
            int row = host->m_pList->FindRow(n);
            ASSERT_GE(row, 0) << n;
            list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
        }
    }
    void Command(UINT id) { ::SendMessageA(host->m_pList->m_hWnd, WM_COMMAND, id, 0); }
    std::vector<std::string> TreeChildren() { return host->Children(data); }

    CTestDrive drive{'T'};
    std::unique_ptr<CPaneHost> host;
    HTREEITEM data = nullptr;
};

}  // namespace

TEST_F(ListCommands, NewFolderAppendsARowAndATreeChild)
{
    CNameAnswerer name("Fresh");
    Command(ID_NEW_FOLDER);
    ASSERT_TRUE(name.Wait());
    EXPECT_EQ(name.Initial(), "NewFolder");
    EXPECT_EQ(name.Caption(), "New Folder");
    DWORD a = ::GetFileAttributesA(drive.Path("Data\\Fresh"));
    ASSERT_NE(a, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(a & FILE_ATTRIBUTE_DIRECTORY);
    // Appended at the end, not sorted in; the size cell of a folder is empty.
    EXPECT_EQ(host->Rows().back(), "Fresh");
    EXPECT_EQ(host->List().GetItemText(host->List().GetItemCount() - 1, 1), "");
    std::vector<std::string> children = TreeChildren();
    EXPECT_NE(std::find(children.begin(), children.end(), "Fresh"), children.end());
}

TEST_F(ListCommands, NewFileStripsBackslashesAndShowsSizeZero)
{
    CNameAnswerer name("\\notes.txt\\");
    Command(ID_NEW_FILE);
    ASSERT_TRUE(name.Wait());
    EXPECT_EQ(name.Initial(), "NewFile.txt");
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\notes.txt")), "");
    EXPECT_TRUE(Exists(drive.Path("Data\\notes.txt")));
    EXPECT_EQ(host->Rows().back(), "notes.txt");
    EXPECT_EQ(host->List().GetItemText(host->List().GetItemCount() - 1, 1), "0");
}

TEST_F(ListCommands, NamesThatCannotBeMadeGiveAMessageAndNoRow)
{
    struct {
        UINT command;
        const char* name;
        const char* message;
    } cases[] = {
        {ID_NEW_FOLDER, "Sub", "Could not create folder!"},     // exists
        {ID_NEW_FILE, "a.txt", "Could not create file!"},        // exists
        {ID_NEW_FILE, "a:b", "Could not create file!"},          // refused by the file system
        {ID_NEW_FOLDER, "Missing\\Deeper", "Could not create folder!"},
        {ID_NEW_FOLDER, "Sub\\Inside", "Could not create folder!"},  // a path, not a name
        {ID_NEW_FILE, "con", "Could not create file!"},          // a device
        {ID_NEW_FILE, "trailing.", "Could not create file!"},
    };
    for (auto& c : cases) {
        size_t rows = host->Rows().size();
        CNameAnswerer name(c.name);
        // The box comes after the name dialog has gone.
        CDialogAnswerer box(IDOK);
        Command(c.command);
        ASSERT_TRUE(name.Wait());
        // Both dialogs are modal in this thread: whatever was to come has come.
        EXPECT_TRUE(box.Stop()) << c.name;
        EXPECT_EQ(box.Caption(), "File Error!") << c.name;
        EXPECT_EQ(box.Text(), c.message) << c.name;
        EXPECT_EQ(host->Rows().size(), rows) << c.name;
    }
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\a.txt")), "alpha");
    EXPECT_FALSE(Exists(drive.Path("Data\\Missing")));
    EXPECT_FALSE(Exists(drive.Path("Data\\Sub\\Inside")));
    EXPECT_FALSE(Exists(drive.Path("Data\\a")));
}

TEST_F(ListCommands, CancelAndEmptyNamesChangeNothing)
{
    for (UINT id : {ID_NEW_FOLDER, ID_NEW_FILE, ID_RENAME, ID_COPY_RENAME}) {
        Select({"a.txt"});
        std::vector<std::string> before = host->Rows();
        {
            CNameAnswerer name("whatever", IDCANCEL);
            Command(id);
            ASSERT_TRUE(name.Wait());
        }
        {
            CNameAnswerer name("");
            Command(id);
            ASSERT_TRUE(name.Wait());
        }
        EXPECT_EQ(host->Rows(), before) << id;
    }
    EXPECT_FALSE(Exists(drive.Path("Data\\whatever")));
    EXPECT_FALSE(Exists(drive.Path("Data\\NewFolder")));
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\a.txt")), "alpha");
}

TEST_F(ListCommands, RenameAFileAndAFolder)
{
    Select({"a.txt"});
    {
        CNameAnswerer name("renamed.txt");
        Command(ID_RENAME);
        ASSERT_TRUE(name.Wait());
        EXPECT_EQ(name.Initial(), "a.txt");
    }
    EXPECT_FALSE(Exists(drive.Path("Data\\a.txt")));
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\renamed.txt")), "alpha");
    EXPECT_TRUE(HasRow("renamed.txt"));
    EXPECT_FALSE(HasRow("a.txt"));

    host->Tree().Expand(data, TVE_EXPAND);
    Select({"Sub"});
    {
        CNameAnswerer name("\\Moved\\");
        Command(ID_RENAME);
        ASSERT_TRUE(name.Wait());
    }
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\Moved\\inner.txt")), "inner");
    EXPECT_TRUE(HasRow("Moved"));
    EXPECT_EQ(TreeChildren(), std::vector<std::string>{"Moved"});
}

TEST_F(ListCommands, RenameOntoAnExistingNameKeepsBoth)
{
    Select({"a.txt"});
    CNameAnswerer name("b.txt");
    CDialogAnswerer box(IDOK);
    Command(ID_RENAME);
    ASSERT_TRUE(name.Wait());
    // Refused before the shell is asked, with the reason.
    ASSERT_TRUE(box.Stop());
    EXPECT_EQ(box.Text(), "b.txt already exists.");
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\a.txt")), "alpha");
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\b.txt")), "beta");
    EXPECT_TRUE(HasRow("a.txt"));
}

TEST_F(ListCommands, CopyAndRenameCopiesFilesAndFolders)
{
    Select({"a.txt"});
    {
        CNameAnswerer name("copy.txt");
        Command(ID_COPY_RENAME);
        ASSERT_TRUE(name.Wait());
        EXPECT_EQ(name.Caption(), "Copy and Rename");
    }
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\copy.txt")), "alpha");
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\a.txt")), "alpha");
    Select({"Sub"});
    {
        CNameAnswerer name("SubCopy");
        Command(ID_COPY_RENAME);
        ASSERT_TRUE(name.Wait());
    }
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\SubCopy\\inner.txt")), "inner");
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\Sub\\inner.txt")), "inner");
}

TEST_F(ListCommands, DeleteOneFileGoesThroughTheShell)
{
    Select({"a.txt"});
    {
        CDialogAnswerer no(IDNO);
        Command(ID_DELETE);
        ASSERT_TRUE(no.Wait());
    }
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\a.txt")), "alpha");
    EXPECT_TRUE(HasRow("a.txt"));
    {
        CDialogAnswerer yes(IDYES);
        Command(ID_DELETE);
        ASSERT_TRUE(yes.Wait());
        EXPECT_EQ(yes.Caption(), "Confirm file deletion");
    }
    EXPECT_FALSE(Exists(drive.Path("Data\\a.txt")));
    EXPECT_FALSE(HasRow("a.txt"));
}

TEST_F(ListCommands, DeleteOneFolderAsksWithItsName)
{
    host->Tree().Expand(data, TVE_EXPAND);
    Select({"Sub"});
    for (int answer : {IDNO, IDCANCEL}) {
        CDialogAnswerer box(answer);
        Command(ID_DELETE);
        ASSERT_TRUE(box.Wait());
        EXPECT_EQ(box.Caption(), "Sub");
        EXPECT_EQ(box.Text(), "Delete this folder and all its files?");
    }
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\Sub\\inner.txt")), "inner");
    ASSERT_TRUE(::SetFileAttributesA(drive.Path("Data\\Sub\\inner.txt"), FILE_ATTRIBUTE_READONLY));
    {
        CDialogAnswerer yes(IDYES);
        Command(ID_DELETE);
        ASSERT_TRUE(yes.Wait());
    }
    EXPECT_FALSE(Exists(drive.Path("Data\\Sub")));
    EXPECT_FALSE(HasRow("Sub"));
    EXPECT_TRUE(TreeChildren().empty());
}

TEST_F(ListCommands, DeleteOfAFolderHoldingABusyFileSaysSoAndKeepsIt)
{
    Select({"Sub"});
    CFileHandle busy(::CreateFileA(drive.Path("Data\\Sub\\inner.txt"), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(busy.IsValid());
    CDialogAnswerer answers({IDYES, IDOK});
    Command(ID_DELETE);
    ASSERT_EQ(answers.Answered(), 2u);
    EXPECT_EQ(answers.Text(1), "Sub could not be removed!");
    EXPECT_EQ(answers.Caption(1), "File Error!");
    EXPECT_TRUE(Exists(drive.Path("Data\\Sub\\inner.txt")));
    EXPECT_TRUE(HasRow("Sub"));
}

TEST_F(ListCommands, DeleteOfSeveralRowsAlwaysAsksFirst)
{
    // A file first: asked all the same; anything but Yes deletes nothing.
    for (int answer : {IDNO, IDCANCEL}) {
        Select({"a.txt", "b.txt", "c.txt"});
        CDialogAnswerer box(answer);
        Command(ID_DELETE);
        ASSERT_TRUE(box.Wait());
        EXPECT_EQ(box.Caption(), "Delete");
        EXPECT_EQ(box.Text(), "Delete these 3 folders and files?");
    }
    EXPECT_TRUE(Exists(drive.Path("Data\\a.txt")));
    EXPECT_TRUE(Exists(drive.Path("Data\\b.txt")));
    EXPECT_TRUE(Exists(drive.Path("Data\\c.txt")));
    EXPECT_EQ(host->Rows().size(), 4u);

    ASSERT_TRUE(::SetFileAttributesA(drive.Path("Data\\b.txt"), FILE_ATTRIBUTE_READONLY));
    host->Tree().Expand(data, TVE_EXPAND);
    Select({"Sub", "a.txt", "b.txt"});
    CDialogAnswerer yes(IDYES);
    Command(ID_DELETE);
    ASSERT_TRUE(yes.Wait());
    EXPECT_EQ(yes.Text(), "Delete these 3 folders and files?");
    EXPECT_FALSE(Exists(drive.Path("Data\\Sub")));
    EXPECT_FALSE(Exists(drive.Path("Data\\a.txt")));
    EXPECT_FALSE(Exists(drive.Path("Data\\b.txt")));
    EXPECT_EQ(host->Rows(), std::vector<std::string>{"c.txt"});
    EXPECT_TRUE(TreeChildren().empty());
}

TEST_F(ListCommands, SeveralRowsWithFailuresKeepThoseRowsAndSaySo)
{
    Select({"a.txt", "b.txt", "Sub"});
    // Deleted meanwhile by another program: counts as removed by nobody.
    ASSERT_TRUE(drive.RemoveFromLinux("Data\\b.txt"));
    CFileHandle busy(::CreateFileA(drive.Path("Data\\a.txt"), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                   nullptr));
    ASSERT_TRUE(busy.IsValid());
    CDialogAnswerer answers({IDYES, IDOK});
    Command(ID_DELETE);
    ASSERT_EQ(answers.Answered(), 2u);
    EXPECT_EQ(answers.Text(1), "Some files or folders could not be removed!");
    EXPECT_TRUE(Exists(drive.Path("Data\\a.txt")));
    EXPECT_FALSE(Exists(drive.Path("Data\\Sub")));
    EXPECT_TRUE(HasRow("a.txt"));
    EXPECT_FALSE(HasRow("Sub"));
    // Failed rows are deselected.
    EXPECT_EQ(host->List().GetSelectedCount(), 0);
}

TEST_F(ListCommands, RecycleOneFileIntoTheTrash)
{
    const char* xdg = getenv("XDG_DATA_HOME");
    ASSERT_TRUE(xdg && *xdg);
    std::string trash = std::string("Z:") + xdg + "/Trash/files/";
    std::replace(trash.begin(), trash.end(), '/', '\\');
    std::string unique = "recycle-" + std::to_string(::GetTickCount()) + ".txt";
    ASSERT_TRUE(drive.MakeFile(("Data\\" + unique).c_str(), "bin"));
    host->Tree().SelectItem(host->Root("T:\\"));
    host->Tree().SelectItem(data);
    Select({unique.c_str()});
    CDialogAnswerer yes(IDYES);
    Command(ID_RECYCLE);
    yes.Wait();
    EXPECT_FALSE(Exists(drive.Path(("Data\\" + unique).c_str())));
    EXPECT_EQ(ReadFileBytes((trash + unique).c_str()), "bin");
    EXPECT_FALSE(HasRow(unique.c_str()));
    ::DeleteFileA((trash + unique).c_str());
}

TEST_F(ListCommands, RecycleOfSeveralRowsAnsweredNoKeepsEveryRow)
{
    Select({"a.txt", "b.txt", "Sub"});
    CDialogAnswerer no(IDNO);
    Command(ID_RECYCLE);
    ASSERT_TRUE(no.Wait());
    // Whatever the shell says after the refusal, the files are there and so are their rows.
    EXPECT_TRUE(Exists(drive.Path("Data\\a.txt")));
    EXPECT_TRUE(Exists(drive.Path("Data\\Sub\\inner.txt")));
    EXPECT_TRUE(HasRow("a.txt"));
    EXPECT_TRUE(HasRow("b.txt"));
    EXPECT_TRUE(HasRow("Sub"));
}

TEST_F(ListCommands, RecycleOfSeveralRowsRemovesWhatWentToTheBin)
{
    host->Tree().Expand(data, TVE_EXPAND);
    Select({"a.txt", "Sub"});
    CDialogAnswerer yes(IDYES);
    Command(ID_RECYCLE);
    ASSERT_TRUE(yes.Wait());
    EXPECT_FALSE(Exists(drive.Path("Data\\a.txt")));
    EXPECT_FALSE(Exists(drive.Path("Data\\Sub")));
    EXPECT_FALSE(HasRow("a.txt"));
    EXPECT_FALSE(HasRow("Sub"));
    EXPECT_TRUE(HasRow("b.txt"));
    EXPECT_TRUE(TreeChildren().empty());
}

TEST_F(ListCommands, OpenWithAFolderFirstNavigatesAndOpensNothingElse)
{
    ASSERT_TRUE(drive.MakeFile("Data\\Sub\\a.txt", "inside"));
    Select({"Sub", "a.txt"});
    Command(ID_OPEN);
    EXPECT_EQ(host->m_pList->m_strFolder, "T:\\Data\\Sub\\");
    std::vector<std::string> rows = host->Rows();
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<std::string>{"a.txt", "inner.txt"}));
    // Nothing from the new folder was opened or touched.
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\Sub\\a.txt")), "inside");
}
