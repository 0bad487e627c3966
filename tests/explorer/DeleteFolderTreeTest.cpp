// Removing whole folder trees: read-only and hidden files, files in use, and links that lead
// out of the tree.
#include "DialogAnswerer.h"
#include "ExplorerFixture.h"
#include "explorer/DeleteFolderTree.h"

namespace {

class DeleteTree : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(drive.IsReady()); }
    // A Linux symlink inside the drive, as another program would make it.
    bool LinkFromLinux(const char* target, const char* rel)
    {
        std::string where = std::string(drive.LinuxDir()) + "/" + rel;
        for (char& c : where)
            if (c == '\\') c = '/';
        if (!RunLinux("/bin/ln", {"-s", target, where})) return false;
        return WaitFor([&] { return Exists(drive.Path(rel)); }, 5000);
    }
    CTestDrive drive{'T'};
};

}  // namespace

TEST_F(DeleteTree, RemovesNestedFoldersWithReadOnlyAndHiddenFiles)
{
    ASSERT_TRUE(drive.MakeDir("Data"));
    ASSERT_TRUE(drive.MakeDir("Data\\Sub"));
    ASSERT_TRUE(drive.MakeDir("Data\\Sub\\Deeper"));
    ASSERT_TRUE(drive.MakeFile("Data\\a.txt", "a"));
    ASSERT_TRUE(drive.MakeFile("Data\\Sub\\ro.txt", "r"));
    ASSERT_TRUE(drive.MakeFile("Data\\Sub\\Deeper\\hidden.txt", "h"));
    ASSERT_TRUE(::SetFileAttributesA(drive.Path("Data\\Sub\\ro.txt"), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(::SetFileAttributesA(drive.Path("Data\\Sub\\Deeper\\hidden.txt"), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(drive.MakeFile("Keep.txt", "k"));
    EXPECT_TRUE(DeleteFolderTree(drive.Path("Data")));
    EXPECT_FALSE(Exists(drive.Path("Data")));
    EXPECT_EQ(ReadFileBytes(drive.Path("Keep.txt")), "k");
}

TEST_F(DeleteTree, TrailingBackslashAndEmptyFolder)
{
    ASSERT_TRUE(drive.MakeDir("Empty"));
    EXPECT_TRUE(DeleteFolderTree(drive.Path("Empty\\")));
    EXPECT_FALSE(Exists(drive.Path("Empty")));
}

TEST_F(DeleteTree, AMissingFolderFails)
{
    EXPECT_FALSE(DeleteFolderTree(drive.Path("Nothing")));
    EXPECT_FALSE(DeleteFolderTree(drive.Path("Nothing\\Deeper\\")));
}

TEST_F(DeleteTree, AFolderLinkIsNeverFollowed)
{
    // Outside the tree: a folder with a file, reached from inside through a Linux symlink.
    ASSERT_TRUE(drive.MakeDir("Outside"));
    ASSERT_TRUE(drive.MakeFile("Outside\\precious.txt", "keep me"));
    ASSERT_TRUE(drive.MakeDir("Tree"));
    ASSERT_TRUE(drive.MakeDir("Tree\\Sub"));
    ASSERT_TRUE(drive.MakeFile("Tree\\Sub\\plain.txt", "p"));
    ASSERT_TRUE(LinkFromLinux((std::string(drive.LinuxDir()) + "/Outside").c_str(), "Tree\\Sub\\link"));
    DWORD attributes = ::GetFileAttributesA(drive.Path("Tree\\Sub\\link"));
    ASSERT_NE(attributes & FILE_ATTRIBUTE_REPARSE_POINT, 0u) << std::hex << attributes;

    DeleteFolderTree(drive.Path("Tree"));
    // Whatever happened to the link and the tree, the outside is untouched.
    EXPECT_EQ(ReadFileBytes(drive.Path("Outside\\precious.txt")), "keep me");
    EXPECT_FALSE(Exists(drive.Path("Tree\\Sub\\plain.txt")));
}

TEST_F(DeleteTree, AFolderThatIsALinkIsNotEmptied)
{
    ASSERT_TRUE(drive.MakeDir("Outside"));
    ASSERT_TRUE(drive.MakeFile("Outside\\precious.txt", "keep me"));
    ASSERT_TRUE(LinkFromLinux((std::string(drive.LinuxDir()) + "/Outside").c_str(), "Link"));
    DeleteFolderTree(drive.Path("Link"));
    DeleteFolderTree(drive.Path("Link\\"));
    EXPECT_EQ(ReadFileBytes(drive.Path("Outside\\precious.txt")), "keep me");
}

TEST_F(DeleteTree, AFileLinkGoesAndItsTargetStays)
{
    ASSERT_TRUE(drive.MakeFile("target.txt", "t"));
    ASSERT_TRUE(drive.MakeDir("Tree"));
    ASSERT_TRUE(LinkFromLinux((std::string(drive.LinuxDir()) + "/target.txt").c_str(), "Tree\\link.txt"));
    // Wine 8 shows a Linux link to a file as a plain file, and deleting it deletes its target:
    // nothing a program can tell apart, so the case only runs where links show as links.
    if (!(::GetFileAttributesA(drive.Path("Tree\\link.txt")) & FILE_ATTRIBUTE_REPARSE_POINT))
        GTEST_SKIP() << "file links look like plain files here";
    EXPECT_TRUE(DeleteFolderTree(drive.Path("Tree")));
    EXPECT_FALSE(Exists(drive.Path("Tree")));
    EXPECT_EQ(ReadFileBytes(drive.Path("target.txt")), "t");
}

TEST_F(DeleteTree, AFileInUseKeepsItsFoldersAndFails)
{
    ASSERT_TRUE(drive.MakeDir("Tree"));
    ASSERT_TRUE(drive.MakeDir("Tree\\Sub"));
    ASSERT_TRUE(drive.MakeFile("Tree\\Sub\\busy.txt", "b"));
    ASSERT_TRUE(drive.MakeFile("Tree\\Sub\\free.txt", "f"));
    ASSERT_TRUE(drive.MakeFile("Tree\\other.txt", "o"));
    // Held open without sharing deletion, as another program would.
    CFileHandle busy(::CreateFileA(drive.Path("Tree\\Sub\\busy.txt"), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(busy.IsValid());
    EXPECT_FALSE(DeleteFolderTree(drive.Path("Tree")));
    EXPECT_EQ(ReadFileBytes(drive.Path("Tree\\Sub\\busy.txt")), "b");
    EXPECT_TRUE(Exists(drive.Path("Tree\\Sub")));
    // The rest was still removed.
    EXPECT_FALSE(Exists(drive.Path("Tree\\Sub\\free.txt")));
    EXPECT_FALSE(Exists(drive.Path("Tree\\other.txt")));
    busy.Close();
    EXPECT_TRUE(DeleteFolderTree(drive.Path("Tree")));
    EXPECT_FALSE(Exists(drive.Path("Tree")));
}
