// Names in a double-byte code page (these cases run in code page 932): a character whose trail
// byte is the byte of '\' or '|' is one character of a name, never a separator or a refused
// character.
#include "DialogAnswerer.h"
#include "ExplorerFixture.h"
#include "explorer/DeleteFolderTree.h"
#include "explorer/NameDialog.h"
#include "fw/WinApp.h"

namespace {

const char kTable[] = "\x95\x5C";  // ends in the byte of '\'
const char kPort[] = "\x83\x7C";   // ends in the byte of '|'

class DoubleByteNames : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(::IsDBCSLeadByte(0x95)) << "the test needs code page 932, not " << ::GetACP(); }
};

class DoubleByteTree : public DoubleByteNames {
protected:
    void SetUp() override
    {
        DoubleByteNames::SetUp();
        ClearSettings();
        ASSERT_TRUE(drive.IsReady());
        for (CString d : {CString(kTable), CString(kTable) + "\\Sub", CString(kTable) + "\\Sub\\Deep"})
            ASSERT_TRUE(drive.MakeDir(d));
        host.reset(new CPaneHost);
        tree = host->m_pTree;
    }
    void TearDown() override { host.reset(); }

    CTreeCtrl Tree() { return host->Tree(); }
    // The folder's item, each item on the way expanded (by names, never by splitting a path).
    HTREEITEM Open(std::initializer_list<const char*> names)
    {
        HTREEITEM h = host->Root("T:\\");
        for (const char* name : names) {
            if (!h) return nullptr;
            Tree().Expand(h, TVE_EXPAND);
            h = host->Child(h, name);
        }
        return h;
    }

    CTestDrive drive{'T'};
    std::unique_ptr<CPaneHost> host;
    CLeftView* tree = nullptr;
};

}  // namespace

TEST_F(DoubleByteNames, EnteredNamesKeepTheirLastCharacter)
{
    const CString table(kTable);
    struct {
        CString in;
        CString out;
    } cases[] = {
        {table, table},
        {"\\" + table + "\\", table},
        {table + "\\\\", table + "\\"},
        {"a" + table, "a" + table},
    };
    for (auto& c : cases) EXPECT_STREQ(TrimEnteredName(c.in), c.out) << c.in;
}

TEST_F(DoubleByteNames, CharactersEndingInASeparatorByteCanBeNames)
{
    for (CString good : {CString(kTable), CString(kPort), CString(kTable) + ".txt", "a" + CString(kPort) + "b"})
        EXPECT_TRUE(IsValidEntryName(good)) << good;
    for (CString bad : {CString(kTable) + "\\a", CString(kTable) + "|", "a/" + CString(kPort)})
        EXPECT_FALSE(IsValidEntryName(bad)) << bad;
}

// Deleting the folder must not reach a sibling whose name starts with the same character.
TEST_F(DoubleByteNames, DeletingAFolderTreeTakesThatFolderOnly)
{
    CTempDir dir;
    const CString target = dir.File(kTable), sibling = dir.File(CString(kTable) + kTable);
    for (const CString& d : {target, target + "\\Sub", sibling}) ASSERT_TRUE(::CreateDirectoryA(d, nullptr)) << d;
    ASSERT_TRUE(WriteFileBytes(target + "\\a.txt", "a"));
    ASSERT_TRUE(WriteFileBytes(target + "\\Sub\\b.txt", "b"));
    ASSERT_TRUE(WriteFileBytes(sibling + "\\keep.txt", "k"));
    EXPECT_FALSE(IsLinkPath(target));
    EXPECT_TRUE(DeleteFolderTree(target));
    EXPECT_FALSE(Exists(target));
    EXPECT_EQ(ReadFileBytes(sibling + "\\keep.txt"), "k");
    // With a trailing backslash the same.
    ASSERT_TRUE(::CreateDirectoryA(target, nullptr));
    ASSERT_TRUE(WriteFileBytes(target + "\\c.txt", "c"));
    EXPECT_TRUE(DeleteFolderTree(target + "\\"));
    EXPECT_FALSE(Exists(target));
    EXPECT_EQ(ReadFileBytes(sibling + "\\keep.txt"), "k");
}

TEST_F(DoubleByteTree, RebuildReturnsToAFolderInsideSuchAName)
{
    HTREEITEM sub = Open({kTable, "Sub"});
    ASSERT_TRUE(sub);
    Tree().SelectItem(sub);
    const CString subPath = "T:\\" + CString(kTable) + "\\Sub";
    ASSERT_EQ(tree->GetItemPath(Tree().GetSelectedItem()), subPath);
    tree->RebuildTree();
    EXPECT_EQ(tree->GetItemPath(Tree().GetSelectedItem()), subPath);
    EXPECT_EQ(host->m_pList->m_strFolder, subPath + "\\");
    EXPECT_EQ(host->Rows(), (std::vector<std::string>{"Deep"}));
}

TEST_F(DoubleByteTree, ItemsAreFoundByPathThroughSuchAName)
{
    HTREEITEM deep = Open({kTable, "Sub", "Deep"});
    ASSERT_TRUE(deep);
    EXPECT_EQ(tree->FindItemByPath("T:\\" + CString(kTable) + "\\Sub\\Deep"), deep);
    EXPECT_EQ(tree->FindItemByPath("T:\\" + CString(kTable)), Tree().GetParentItem(Tree().GetParentItem(deep)));
}
