#include "support/TestSupport.h"
#include "util/Path.h"
#include "fw/Handle.h"

namespace {

struct SplitCase {
    const char* path;
    const char* drive;
    const char* directory;
    const char* title;
    const char* extension;
    const char* fileName;
    const char* location;
    BOOL relative;
};

// The path's own composed form is its location followed by its file name.
const SplitCase kSplitCases[] = {
    {"C:\\Windows\\notepad.exe", "C:", "\\Windows\\", "notepad", "exe", "notepad.exe", "C:\\Windows\\", FALSE},
    {"C:\\Data\\Old\\", "C:", "\\Data\\Old\\", "", "", "", "C:\\Data\\Old\\", FALSE},
    {"\\\\server\\share\\a.txt", "", "\\\\server\\share\\", "a", "txt", "a.txt", "\\\\server\\share\\", FALSE},
    {"C:\\x\\README", "C:", "\\x\\", "README", "", "README", "C:\\x\\", FALSE},
    // A name that is all extension has no title, and then no extension is stored.
    {"C:\\x\\.profile", "C:", "\\x\\", "", "", "", "C:\\x\\", FALSE},
    {"C:/x/y/z.txt", "C:", "\\x\\y\\", "z", "txt", "z.txt", "C:\\x\\y\\", FALSE},
    {"\"C:\\Program Files\\a b.txt\"", "C:", "\\Program Files\\", "a b", "txt", "a b.txt", "C:\\Program Files\\", FALSE},
    {"x\\y.tar.gz", "", "x\\", "y.tar", "gz", "y.tar.gz", "x\\", TRUE},
    {"C:y.txt", "C:", "", "y", "txt", "y.txt", "C:", FALSE},
    {"y.txt", "", "", "y", "txt", "y.txt", "", FALSE},
    {"\\\\\\\\", "", "\\\\\\\\", "", "", "", "\\\\\\\\", FALSE},
    {"", "", "", "", "", "", "", FALSE},
    {"\"\"", "", "", "", "", "", "", FALSE},
    {"\"", "", "", "", "", "", "", FALSE},
};

}  // namespace

TEST(CPathTest, SplitsPathsIntoParts)
{
    for (const SplitCase& c : kSplitCases) {
        SCOPED_TRACE(c.path);
        CPath p(c.path);
        EXPECT_EQ(p.GetDrive(), c.drive);
        EXPECT_EQ(p.GetDirectory(), c.directory);
        EXPECT_EQ(p.GetTitle(), c.title);
        EXPECT_EQ(p.GetExtension(), c.extension);
        EXPECT_EQ(p.GetFileName(), c.fileName);
        EXPECT_EQ(p.GetLocation(), c.location);
        EXPECT_EQ(p.GetPath(), CString(c.location) + c.fileName);
        EXPECT_EQ(p.GetPath(TRUE), c.path);
        EXPECT_EQ(p.IsRelative(), c.relative);
    }
}

TEST(CPathTest, ReusedObjectTakesTheNewPath)
{
    CPath p("C:\\a\\b.txt");
    p = "\"\"";  // nothing to parse: nothing is named
    EXPECT_EQ(p.GetPath(), "");
    EXPECT_EQ(p.GetFileName(), "");
    p = "D:\\c\\";
    EXPECT_EQ(p.GetPath(), "D:\\c\\");
    EXPECT_EQ(p.GetTitle(), "");

    CPath copy;
    copy = p;
    EXPECT_EQ(copy.GetPath(), "D:\\c\\");
    CPath copied(p);
    EXPECT_EQ(copied.GetLocation(), "D:\\c\\");
}

TEST(CPathTest, FolderFlagMovesTheNameIntoTheDirectory)
{
    CPath p("C:\\x\\y", TRUE);
    EXPECT_EQ(p.GetDirectory(), "\\x\\\\y\\");  // AddBackslash always adds one
    EXPECT_EQ(p.GetTitle(), "");
}

TEST(CPathTest, AddBackslashAppendsWhateverTheLastCharacter)
{
    EXPECT_EQ(CPath::AddBackslash("C:\\Data"), "C:\\Data\\");
    EXPECT_EQ(CPath::AddBackslash("C:\\Data\\"), "C:\\Data\\\\");
    EXPECT_EQ(CPath::AddBackslash(""), "");
    EXPECT_EQ(CPath::AddBackslash("a", TRUE), "a/");
}

TEST(CPathTest, LongestPathParsesAndLongerIsRefused)
{
    CString dir = "\\" + CString('d', 255) + "\\";
    CPath fits("C:" + dir);
    EXPECT_EQ(fits.GetPath().GetLength(), 259);
    EXPECT_EQ(fits.GetDirectory(), dir);

    CString name = "C:\\" + CString('n', 253) + ".txt";
    CPath tooLong(name);
    EXPECT_EQ(tooLong.GetPath(), "");
    EXPECT_EQ(tooLong.GetPath(TRUE), name);
    unsigned __int64 size = 1;
    EXPECT_FALSE(tooLong.GetFileSize(size));
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(tooLong.GetLongPath(), "");
    EXPECT_FALSE(tooLong.FileExists());

    CPath longer("C:\\" + CString('x', 5000) + "\\" + CString('y', 3000));
    EXPECT_EQ(longer.GetLocation(), "");
}

TEST(CPathTest, DirectoryComponentsAndUncLabel)
{
    CPath unc("\\\\srv\\share\\dir\\a.txt");
    EXPECT_EQ(unc.GetDirectoryCount(), 3);
    EXPECT_EQ(unc.GetDirectory(0), "srv");
    EXPECT_EQ(unc.GetDirectory(2), "dir");
    EXPECT_EQ(unc.GetDirectory(3), "");
    EXPECT_EQ(unc.GetDirectory(-1), "");
    EXPECT_EQ(unc.GetDriveLabel(), "\\\\srv\\share\\");

    CPath local("C:\\a\\b\\c.txt");
    EXPECT_EQ(local.GetDirectoryCount(), 2);
    EXPECT_EQ(local.GetDirectory(1), "b");
    EXPECT_EQ(CPath("c.txt").GetDirectoryCount(), 0);
    EXPECT_EQ(CPath("c.txt").GetDriveLabel(), "");
}

TEST(CPathTest, RelativeAndCanonicalForms)
{
    CPath p("C:\\a\\b\\c.txt");
    EXPECT_EQ(p.GetRelativePath("C:\\a"), "b\\c.txt");
    EXPECT_EQ(p.GetRelativePath("C:\\a\\x"), "..\\b\\c.txt");
    EXPECT_EQ(CPath("a\\c.txt").GetRelativePath("C:\\a"), "");
    EXPECT_EQ(p.GetRelativePath(CString('z', 400)), "");
    EXPECT_EQ(CPath("C:\\a\\.\\b\\..\\c.txt").GetCanonicalPath(), "C:\\a\\c.txt");
    EXPECT_EQ(CPath("").GetCanonicalPath(), "");
}

TEST(CPathTest, CommandLineArgumentsSplitAndFormat)
{
    CPath p("\"C:\\Program Files\\app.exe\" /x \"a b\" -v 3 loose", FALSE, TRUE);
    EXPECT_EQ(p.GetPath(), "C:\\Program Files\\app.exe");
    EXPECT_EQ(p.GetArguments(), "/x \"a b\" -v 3 loose");
    ASSERT_EQ(p.GetArgumentCount(), 3);
    EXPECT_EQ(p.GetArgument(0)->GetSwitch(), '/');
    EXPECT_EQ(p.GetArgument(1)->GetSwitch(), '-');
    EXPECT_EQ(p.GetArgument(2)->GetName(), "");
    EXPECT_EQ(p.FindArgument("X"), 0);
    EXPECT_EQ(p.FindArgument("nope"), -1);
    EXPECT_EQ(p.GetArgumentValue("x"), "a b");
    EXPECT_EQ(p.GetArgumentValue(2), "loose");
    EXPECT_EQ(p.GetArgumentValue(7), "");
    EXPECT_EQ(p.GetArgument(3), nullptr);

    p.SetArgument("v", "4");
    p.SetArgument("out", "-o");
    EXPECT_EQ(p.GetArguments(), "/x \"a b\" -v 4 loose /out \"-o\"");
    EXPECT_EQ(p.GetPath(FALSE, TRUE), "\"C:\\Program Files\\app.exe\" /x \"a b\" -v 4 loose /out \"-o\"");
    EXPECT_EQ(CPath::CArgument('-', "q", "").Format(), " -q");

    // Without the flag the whole text is the path.
    CPath plain("C:\\a b\\c.exe -x");
    EXPECT_EQ(plain.GetFileName(), "c.exe -x");
    EXPECT_EQ(plain.GetArgumentCount(), 0);
}

TEST(CPathTest, ProgramsOwnModuleAndCommandLine)
{
    CPath module(CPATH_MODULE_FILE);
    EXPECT_EQ(module.GetFileName().CompareNoCase("test_util.exe"), 0);
    EXPECT_TRUE(module.FileExists());
    EXPECT_TRUE(module.LocationExists());
    CPath cmd(CPATH_COMMAND_LINE);
    EXPECT_EQ(cmd.GetTitle().CompareNoCase("test_util"), 0);
    EXPECT_EQ(CPath(7).GetPath(), "");
}

TEST(CPathTest, FileSizeOfFiveGibibytes)
{
    CTempDir dir;
    CString name = dir.File("big.bin");
    {
        CFileHandle h(::CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(h.IsValid());
        LARGE_INTEGER at;
        at.QuadPart = 5LL << 30;
        ASSERT_TRUE(::SetFilePointerEx(h, at, nullptr, FILE_BEGIN));
        ASSERT_TRUE(::SetEndOfFile(h));
    }
    CPath p(name);
    unsigned __int64 size = 0;
    EXPECT_TRUE(p.GetFileSize(size));
    EXPECT_EQ(p.GetFileInfo().nFileSizeHigh, 1u);
    EXPECT_EQ(p.GetFileInfo().nFileSizeLow, 1u << 30);
    EXPECT_EQ(size, 5ULL << 30);
}

TEST(CPathTest, FileHeldOpenForWritingGivesNothing)
{
    CTempDir dir;
    CString name = dir.File("busy.txt");
    ASSERT_TRUE(WriteFileBytes(name, "some bytes"));
    CPath p(name);
    unsigned __int64 size = 0;
    ASSERT_TRUE(p.GetFileSize(size));
    EXPECT_EQ(size, 10u);

    CFileHandle writer(::CreateFileA(name, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer.IsValid());
    EXPECT_FALSE(p.GetFileSize(size));
    EXPECT_EQ(size, 0u);
    CTime t(12345);
    EXPECT_FALSE(p.GetFileTime(t, CPATH_MODIFIED));
    EXPECT_EQ(t.GetTime(), 0);
}

TEST(CPathTest, FileTimesBySelector)
{
    CTempDir dir;
    CString name = dir.File("t.txt");
    ASSERT_TRUE(WriteFileBytes(name, "x"));
    // 2024-12-25 15:07 UTC, and a second and a minute later.
    const __int64 created = 1735139220, accessed = created + 60, modified = created + 1;
    auto toFileTime = [](__int64 t) {
        ULARGE_INTEGER u;
        u.QuadPart = (ULONGLONG)(t * 10000000LL + 116444736000000000LL);
        FILETIME ft = {u.LowPart, u.HighPart};
        return ft;
    };
    {
        CFileHandle h(::CreateFileA(name, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(h.IsValid());
        FILETIME c = toFileTime(created), a = toFileTime(accessed), m = toFileTime(modified);
        ASSERT_TRUE(::SetFileTime(h, &c, &a, &m));
    }
    CPath p(name);
    CTime t;
    EXPECT_TRUE(p.GetFileTime(t, CPATH_MODIFIED));
    EXPECT_EQ(t.GetTime(), modified);
    EXPECT_TRUE(p.GetFileTime(t, CPATH_ACCESSED));
    EXPECT_EQ(t.GetTime(), accessed);
    EXPECT_TRUE(p.GetFileTime(t, 9));
    EXPECT_EQ(t.GetTime(), accessed);
    // Not every file system keeps a creation time of its own.
    EXPECT_TRUE(p.GetFileTime(t, CPATH_CREATED));

    // Local years before 1970 give the instant 0.
    FILETIME old = toFileTime(-20LL * 365 * 86400);
    EXPECT_EQ(CPath::FileTimeToInstant(old).GetTime(), 0);
    FILETIME zero = {0, 0};
    EXPECT_EQ(CPath::FileTimeToInstant(zero).GetTime(), 0);
}

TEST(CPathTest, FolderAndMissingFileGiveNothing)
{
    CTempDir dir;
    CPath folder(CPath::AddBackslash(dir.Path()));
    unsigned __int64 size = 7;
    EXPECT_FALSE(folder.GetFileSize(size));
    EXPECT_EQ(size, 0u);
    EXPECT_FALSE(folder.FileExists());
    EXPECT_TRUE(folder.LocationExists());

    CPath missing(dir.File("none.txt"));
    EXPECT_FALSE(missing.GetFileSize(size));
    EXPECT_FALSE(missing.FileExists());
    EXPECT_EQ(missing.GetLongPath(), "");
}

TEST(CPathTest, LongAndShortForms)
{
    CTempDir dir;
    CString name = dir.File("A Long File Name.text");
    ASSERT_TRUE(WriteFileBytes(name, "x"));
    CPath p(name);
    CString longPath = p.GetLongPath();
    EXPECT_EQ(longPath.CompareNoCase(name), 0);
    CString shortPath = p.GetShortPath();
    ASSERT_NE(shortPath, "");
    EXPECT_EQ(CPath(shortPath).GetLongPath().CompareNoCase(longPath), 0);
}
