// The shell operation wrapper: its double-NUL lists, and the four operations on real files
// through the shell, with the shell's own confirmations answered as a user would.
#include "DialogAnswerer.h"
#include "explorer/ShellFileOp.h"
#include <cstdlib>
#include <cstring>

namespace {

// The Linux trash folder of the shell's recycle bin, seen from Windows ("" when not set).
CString TrashFiles()
{
    const char* xdg = getenv("XDG_DATA_HOME");
    if (!xdg || !*xdg) return CString();
    std::string p = std::string("Z:") + xdg + "/Trash/files/";
    for (char& c : p)
        if (c == '/') c = '\\';
    return CString(p.c_str());
}

}  // namespace

TEST(ShellFileOp, StartsEmpty)
{
    CShellFileOp op;
    const SHFILEOPSTRUCTA& s = op.GetOperation();
    EXPECT_EQ(s.hwnd, nullptr);
    EXPECT_EQ(s.wFunc, 0u);
    EXPECT_EQ(s.pFrom, nullptr);
    EXPECT_EQ(s.pTo, nullptr);
    EXPECT_EQ(s.fFlags, 0);
    EXPECT_EQ(s.lpszProgressTitle, nullptr);
    EXPECT_EQ(op.GetSourceLength(), 0);
    EXPECT_EQ(op.GetSourceCapacity(), 0);
}

TEST(ShellFileOp, OnePathTakesItsLengthPlusTwo)
{
    CShellFileOp op;
    op.AddFile(0, "C:\\a.txt");
    EXPECT_EQ(op.GetSourceLength(), 9);
    EXPECT_EQ(op.GetSourceCapacity(), 10);
    EXPECT_EQ(0, memcmp(op.GetSources(), "C:\\a.txt\0\0", 10));
    EXPECT_EQ(op.GetOperation().pFrom, op.GetSources());
    EXPECT_EQ(op.GetOperation().pTo, nullptr);
}

TEST(ShellFileOp, ASecondPathReplacesTheFinalNulAndGrowsExactly)
{
    CShellFileOp op;
    op.AddFile(0, "ab");
    op.AddFile(0, "cde");
    EXPECT_EQ(op.GetSourceLength(), 7);
    EXPECT_EQ(op.GetSourceCapacity(), 8);
    EXPECT_EQ(0, memcmp(op.GetSources(), "ab\0cde\0\0", 8));
    // Destinations are a list of their own.
    op.AddFile(1, "x");
    op.AddFile(7, "yz");
    EXPECT_EQ(op.GetDestLength(), 5);
    EXPECT_EQ(0, memcmp(op.GetDestinations(), "x\0yz\0\0", 6));
    EXPECT_EQ(op.GetOperation().pTo, op.GetDestinations());
    EXPECT_EQ(op.GetSourceLength(), 7);
}

TEST(ShellFileOp, ManyPathsStayOneWellFormedList)
{
    CShellFileOp op;
    std::string expected;
    for (int i = 0; i < 500; i++) {
        std::string p = "T:\\folder\\file-" + std::to_string(i) + ".txt";
        op.AddFile(0, p.c_str());
        expected += p;
        expected += '\0';
    }
    expected += '\0';
    ASSERT_EQ(op.GetSourceLength() + 1, (int)expected.size());
    EXPECT_EQ(0, memcmp(op.GetSources(), expected.data(), expected.size()));
    EXPECT_EQ(op.GetOperation().pFrom, op.GetSources());
}

TEST(ShellFileOp, ProgressTitleIsCopiedAndClearedByAnEmptyOne)
{
    CShellFileOp op;
    {
        CString title("Renaming");
        op.SetProgressTitle(title);
    }
    ASSERT_NE(op.GetOperation().lpszProgressTitle, nullptr);
    EXPECT_STREQ(op.GetOperation().lpszProgressTitle, "Renaming");
    op.SetProgressTitle("Copy and Rename");
    EXPECT_STREQ(op.GetOperation().lpszProgressTitle, "Copy and Rename");
    op.SetProgressTitle("");
    EXPECT_EQ(op.GetOperation().lpszProgressTitle, nullptr);
}

TEST(ShellFileOp, OwnerAndFlagsReplaceTheFormer)
{
    CShellFileOp op;
    op.SetParent(::GetDesktopWindow());
    op.SetFlags(FOF_ALLOWUNDO);
    op.SetFlags(FOF_NOCONFIRMMKDIR);
    EXPECT_EQ(op.GetOperation().hwnd, ::GetDesktopWindow());
    EXPECT_EQ(op.GetOperation().fFlags, FOF_NOCONFIRMMKDIR);
}

TEST(ShellFileOp, CopyMoveRenameOnRealFiles)
{
    CTempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File("a.txt"), "alpha"));
    ASSERT_TRUE(::CreateDirectoryA(dir.File("sub"), nullptr));
    ASSERT_TRUE(WriteFileBytes(dir.File("sub\\inner.txt"), "inner"));
    {
        CShellFileOp op;
        op.SetFlags(FOF_NOCONFIRMMKDIR);
        op.AddFile(0, dir.File("a.txt"));
        op.AddFile(1, dir.File("b.txt"));
        EXPECT_EQ(op.Copy(), 0);
        EXPECT_EQ(op.GetOperation().wFunc, (UINT)FO_COPY);
    }
    EXPECT_EQ(ReadFileBytes(dir.File("a.txt")), "alpha");
    EXPECT_EQ(ReadFileBytes(dir.File("b.txt")), "alpha");
    {
        // A whole folder copies with what is in it.
        CShellFileOp op;
        op.SetFlags(FOF_NOCONFIRMMKDIR);
        op.AddFile(0, dir.File("sub"));
        op.AddFile(1, dir.File("copy"));
        EXPECT_EQ(op.Copy(), 0);
    }
    EXPECT_EQ(ReadFileBytes(dir.File("copy\\inner.txt")), "inner");
    {
        CShellFileOp op;
        op.AddFile(0, dir.File("b.txt"));
        op.AddFile(1, dir.File("sub"));
        EXPECT_EQ(op.Move(), 0);
        EXPECT_EQ(op.GetOperation().wFunc, (UINT)FO_MOVE);
    }
    EXPECT_FALSE(Exists(dir.File("b.txt")));
    EXPECT_EQ(ReadFileBytes(dir.File("sub\\b.txt")), "alpha");
    {
        CShellFileOp op;
        op.SetProgressTitle("Renaming");
        op.AddFile(0, dir.File("sub"));
        op.AddFile(1, dir.File("renamed"));
        EXPECT_EQ(op.Rename(), 0);
        EXPECT_EQ(op.GetOperation().wFunc, (UINT)FO_RENAME);
    }
    EXPECT_FALSE(Exists(dir.File("sub")));
    EXPECT_EQ(ReadFileBytes(dir.File("renamed\\inner.txt")), "inner");
}

TEST(ShellFileOp, FailuresArePassedThrough)
{
    CTempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File("a.txt"), "alpha"));
    ASSERT_TRUE(WriteFileBytes(dir.File("b.txt"), "beta"));
    {
        // A missing source.
        CShellFileOp op;
        op.SetFlags(FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT);
        op.AddFile(0, dir.File("missing.txt"));
        op.AddFile(1, dir.File("other.txt"));
        EXPECT_NE(op.Rename(), 0);
    }
    {
        // Rename onto an existing name leaves both files as they were.
        CShellFileOp op;
        op.SetFlags(FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT);
        op.AddFile(0, dir.File("a.txt"));
        op.AddFile(1, dir.File("b.txt"));
        EXPECT_NE(op.Rename(), 0);
    }
    EXPECT_EQ(ReadFileBytes(dir.File("a.txt")), "alpha");
    EXPECT_EQ(ReadFileBytes(dir.File("b.txt")), "beta");
}

TEST(ShellFileOp, DeleteAsksAndYesDeletes)
{
    CTempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File("gone.txt"), "x"));
    CShellFileOp op;
    op.SetFlags(FOF_WANTNUKEWARNING);
    op.SetProgressTitle("Deleting file");
    op.AddFile(0, dir.File("gone.txt"));
    CDialogAnswerer yes(IDYES);
    EXPECT_EQ(op.Delete(), 0);
    EXPECT_TRUE(yes.Wait());
    // The shell's own question (it draws its text itself).
    EXPECT_EQ(yes.Caption(), "Confirm file deletion");
    EXPECT_FALSE(Exists(dir.File("gone.txt")));
}

TEST(ShellFileOp, DeleteAnsweredNoKeepsTheFileAndReportsIt)
{
    CTempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File("kept.txt"), "x"));
    CShellFileOp op;
    op.SetFlags(FOF_WANTNUKEWARNING);
    op.AddFile(0, dir.File("kept.txt"));
    CDialogAnswerer no(IDNO);
    int result = op.Delete();
    EXPECT_TRUE(no.Wait());
    // Windows reports the refusal in the result, Wine's shell in the aborted flag.
    EXPECT_TRUE(result != 0 || op.GetOperation().fAnyOperationsAborted);
    EXPECT_EQ(ReadFileBytes(dir.File("kept.txt")), "x");
}

TEST(ShellFileOp, RecycleMovesIntoTheTrash)
{
    CString trash = TrashFiles();
    ASSERT_FALSE(trash.IsEmpty()) << "XDG_DATA_HOME is not set";
    CTempDir dir;
    char name[64];
    wsprintfA(name, "recycled-%lu.txt", ::GetTickCount());
    ASSERT_TRUE(WriteFileBytes(dir.File(name), "to the bin"));
    CShellFileOp op;
    op.SetFlags(FOF_ALLOWUNDO);
    op.SetProgressTitle("Sending to Recycle Bin");
    op.AddFile(0, dir.File(name));
    CDialogAnswerer yes(IDYES);
    EXPECT_EQ(op.Delete(), 0);
    yes.Wait();
    EXPECT_FALSE(Exists(dir.File(name)));
    EXPECT_EQ(ReadFileBytes(trash + name), "to the bin");
    ::DeleteFileA(trash + name);
}

TEST(ShellFileOp, OneObjectRunsTwice)
{
    CTempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File("a.txt"), "alpha"));
    CShellFileOp op;
    op.SetFlags(FOF_NOCONFIRMATION);
    op.AddFile(0, dir.File("a.txt"));
    op.AddFile(1, dir.File("b.txt"));
    EXPECT_EQ(op.Copy(), 0);
    ASSERT_TRUE(::DeleteFileA(dir.File("b.txt")));
    EXPECT_EQ(op.Copy(), 0);
    EXPECT_EQ(ReadFileBytes(dir.File("b.txt")), "alpha");
}
