#include "support/TestSupport.h"
#include "fw/ArrayEx.h"
#include "watch/WatchPaths.h"
#include "fw/Handle.h"
#include <string>

TEST(WatchPathsTest, WatchDirectoryOfAPath)
{
    std::string longPath = "C:\\" + std::string(300, 'a') + "\\";
    struct {
        const char* path;
        const char* dir;
    } cases[] = {
        {"C:\\Data\\", "C:\\Data\\"},
        {"C:\\Data", "C:\\"},
        {"C:\\Data\\Sub\\file.txt", "C:\\Data\\Sub\\"},
        {"C:\\", "C:\\"},
        {"C:/Data/file.txt", "C:/Data/"},
        {"\\\\server\\share\\dir\\file", "\\\\server\\share\\dir\\"},
        {"file.txt", ""},
        {"", ""},
        {longPath.c_str(), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(GetWatchDirectory(c.path), c.dir) << c.path;
    EXPECT_EQ(GetWatchDirectory(nullptr), "");
}

TEST(WatchPathsTest, FolderPathsAndFileTimes)
{
    CTempDir dir;
    CString file = dir.File("a.txt");
    ASSERT_TRUE(WriteFileBytes(file, "abc"));

    EXPECT_TRUE(IsFolderPath(dir.Path()));
    EXPECT_TRUE(IsFolderPath(dir.Path() + "\\"));
    EXPECT_TRUE(IsFolderPath("C:\\"));
    EXPECT_FALSE(IsFolderPath(file));
    EXPECT_FALSE(IsFolderPath(dir.File("missing")));
    EXPECT_FALSE(IsFolderPath(""));
    EXPECT_FALSE(IsFolderPath("\\"));

    unsigned __int64 t = 0;
    ASSERT_TRUE(ReadLastWriteTime(file, &t));
    FILETIME ft = {};
    {
        CFileHandle h(::CreateFileA(file, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(::GetFileTime(h, nullptr, nullptr, &ft));
    }
    EXPECT_EQ(t, ((unsigned __int64)ft.dwHighDateTime << 32) | ft.dwLowDateTime);
    EXPECT_FALSE(ReadLastWriteTime(dir.Path(), &t));
    EXPECT_FALSE(ReadLastWriteTime(dir.File("missing"), &t));
    CFileHandle locked(::CreateFileA(file, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(locked.IsValid());
    EXPECT_FALSE(ReadLastWriteTime(file, &t));
}

TEST(ArrayExTest, FindFromAStartIndex)
{
    CArrayEx<CString> a;
    a.Add("C:\\Data\\");
    a.Add("C:\\data\\");
    a.Add("C:\\Data\\");
    struct {
        const char* value;
        int start;
        int found;
    } cases[] = {
        {"C:\\Data\\", 0, 0}, {"C:\\Data\\", 1, 2}, {"C:\\data\\", 0, 1}, {"C:\\DATA\\", 0, -1},
        {"C:\\Data\\", 3, -1}, {"C:\\Data\\", -5, 0}, {"", 0, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(a.Find(c.value, c.start), c.found) << c.value << " from " << c.start;
    CArrayEx<void*> empty;
    EXPECT_EQ(empty.Find(nullptr), -1);
}
