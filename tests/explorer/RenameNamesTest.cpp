// Rename and Copy and Rename in the list and the tree, on real files of a test drive: a name
// that cannot be given is refused with the reason and nothing changes on disk; a change of
// letter case renames. The disk is checked after every command.
#include "DialogAnswerer.h"
#include "ExplorerFixture.h"
#include "NameAnswerer.h"
#include "res/resource.h"
#include <algorithm>

namespace {

class RenameNames : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        ASSERT_TRUE(drive.IsReady());
        for (const char* d : {"Data", "Data\\Sub", "Data\\two"}) ASSERT_TRUE(drive.MakeDir(d));
        for (const char* f : {"Data\\a.txt", "Data\\b.txt", "Data\\y.txt", "Data\\two\\in.txt"})
            ASSERT_TRUE(drive.MakeFile(f, f));
        host.reset(new CPaneHost);
        Show("T:\\Data");
        before = SortedNamesIn(drive.Path("Data"));
    }
    void TearDown() override { host.reset(); }

    void Show(const char* path)
    {
        HTREEITEM h = host->Open(path);
        ASSERT_TRUE(h) << path;
        host->Tree().SelectItem(h);
    }
    void SelectRow(const char* name)
    {
        CListCtrl list = host->List();
        list.SetItemState(-1, 0, LVIS_SELECTED);
        int row = host->m_pList->FindRow(name);
        ASSERT_GE(row, 0) << name;
        list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    }
    // Gives the command with the name typed in; returns the text of the box that followed
    // ("" when none came).
    std::string Answered(HWND pane, UINT id, const std::string& name)
    {
        CNameAnswerer answer(name.c_str());
        CDialogAnswerer box(IDOK);
        ::SendMessageA(pane, WM_COMMAND, id, 0);
        EXPECT_TRUE(answer.Wait()) << name;
        // Both dialogs are modal in this thread: whatever was to come has come.
        if (!box.Stop()) return std::string();
        EXPECT_EQ(box.Caption(), "File Error!");
        return box.Text();
    }
    // The name of the entry as the disk has it ("" when none).
    std::string NameOnDisk(const char* rel)
    {
        WIN32_FIND_DATAA fd;
        CFindHandle find(::FindFirstFileA(drive.Path(rel), &fd));
        return find.IsValid() ? fd.cFileName : "";
    }

    CTestDrive drive{'T'};
    std::unique_ptr<CPaneHost> host;
    std::vector<std::string> before;
};

const char CHARACTERS[] = "A file name cannot contain any of the following characters: \\ / : * ? \" < > |";

}  // namespace

TEST_F(RenameNames, ARefusedNameSaysWhyInTheListAndChangesNothing)
{
    std::string tooLong(256, 'n');
    struct {
        const char* name;
        const char* message;
        bool copyToo;  // Copy and Rename says the same
    } cases[] = {
        {"x*y", CHARACTERS, true},
        {"Sub\\moved.txt", CHARACTERS, true},
        {"a:b", CHARACTERS, true},
        {"q?.txt", CHARACTERS, true},
        {"con", "con is a reserved device name.", true},
        {"LPT1.txt", "LPT1.txt is a reserved device name.", true},
        {"b.txt", "b.txt already exists.", false},  // a copy onto a file: the shell asks
        {"B.TXT", "B.TXT already exists.", false},
        {"Sub", "Sub already exists.", true},
        {"sub", "sub already exists.", true},
        {tooLong.c_str(), "The name is too long.", true},
    };
    for (UINT id : {ID_RENAME, ID_COPY_RENAME}) {
        for (auto& c : cases) {
            if (id == ID_COPY_RENAME && !c.copyToo) continue;
            SelectRow("a.txt");
            EXPECT_EQ(Answered(host->m_pList->m_hWnd, id, c.name), c.message) << id << " " << c.name;
            EXPECT_EQ(SortedNamesIn(drive.Path("Data")), before) << id << " " << c.name;
            EXPECT_EQ(ReadFileBytes(drive.Path("Data\\a.txt")), "Data\\a.txt") << c.name;
            EXPECT_EQ(ReadFileBytes(drive.Path("Data\\b.txt")), "Data\\b.txt") << c.name;
        }
    }
    EXPECT_TRUE(SortedNamesIn(drive.Path("Data\\Sub")).empty());
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"Sub", "two", "a.txt", "b.txt", "y.txt"}));
}

TEST_F(RenameNames, ARefusedNameSaysWhyInTheTreeAndChangesNothing)
{
    Show("T:\\Data\\two");
    HWND tree = host->m_pTree->m_hWnd;
    struct {
        const char* name;
        const char* message;
    } cases[] = {
        {"t|o", CHARACTERS},
        {"..\\up", CHARACTERS},
        {"aux", "aux is a reserved device name."},
        {"Sub", "Sub already exists."},
        {"A.TXT", "A.TXT already exists."},
    };
    for (UINT id : {ID_RENAME, ID_COPY_RENAME}) {
        for (auto& c : cases) {
            EXPECT_EQ(Answered(tree, id, c.name), c.message) << id << " " << c.name;
            EXPECT_EQ(SortedNamesIn(drive.Path("Data")), before) << id << " " << c.name;
            EXPECT_EQ(SortedNamesIn(drive.Path("Data\\two")), std::vector<std::string>{"in.txt"});
        }
    }
    EXPECT_EQ(host->Children(host->Open("T:\\Data")), (std::vector<std::string>{"Sub", "two"}));
}

TEST_F(RenameNames, AChangeOfLetterCaseRenamesInTheListAndTheTree)
{
    SelectRow("y.txt");
    EXPECT_EQ(Answered(host->m_pList->m_hWnd, ID_RENAME, "Y.TXT"), "");
    EXPECT_EQ(NameOnDisk("Data\\y.txt"), "Y.TXT");
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\Y.TXT")), "Data\\y.txt");
    std::vector<std::string> rows = host->Rows();
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Y.TXT"), rows.end());
    EXPECT_EQ(SortedNamesIn(drive.Path("Data")).size(), before.size());

    Show("T:\\Data\\two");
    EXPECT_EQ(Answered(host->m_pTree->m_hWnd, ID_RENAME, "TWO"), "");
    EXPECT_EQ(NameOnDisk("Data\\two"), "TWO");
    EXPECT_EQ(ReadFileBytes(drive.Path("Data\\TWO\\in.txt")), "Data\\two\\in.txt");
    EXPECT_EQ(host->Tree().GetItemText(host->Tree().GetSelectedItem()), "TWO");
    EXPECT_EQ(SortedNamesIn(drive.Path("Data")).size(), before.size());
}
