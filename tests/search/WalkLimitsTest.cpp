#include "search/SearchFixture.h"
#include "fw/Handle.h"
#include "support/Host.h"
#include "support/Wait.h"
#include <algorithm>
#include <string>

namespace {

bool Exists(const CString& path) { return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

bool WaitExists(bool wanted, const CString& path)
{
    return WaitFor([&] { return Exists(path) == wanted; }, 10000);
}

// Symbolic links to folders, removed before the folder that holds them (removing the
// folder first would follow them). Windows makes them itself; Wine 8 only pretends to,
// and there its folder removal follows the link, so the Unix ln and rm do the work.
class CFolderLinks {
public:
    ~CFolderLinks()
    {
        for (const CString& link : m_windowsLinks) ::RemoveDirectoryA(link);
        for (const CString& link : m_unixLinks)
            if (RunLinux("/bin/rm", {"-f", LinuxPathOf(link)})) WaitExists(false, link);
    }
    bool Make(const CString& linkPath, const char* relativeTarget, const CString& absoluteTarget)
    {
        if (::CreateSymbolicLinkA(linkPath, absoluteTarget, SYMBOLIC_LINK_FLAG_DIRECTORY) && Exists(linkPath)) {
            m_windowsLinks.push_back(linkPath);
            return true;
        }
        std::string unixPath = LinuxPathOf(linkPath);
        if (unixPath.empty() || !RunLinux("/bin/ln", {"-s", relativeTarget, unixPath})) return false;
        m_unixLinks.push_back(linkPath);
        return WaitExists(true, linkPath);
    }

private:
    std::vector<CString> m_windowsLinks, m_unixLinks;
};

std::vector<std::string> Sorted(std::vector<std::string> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

}  // namespace

// Links back to a folder on the way down are not followed; a link elsewhere is.
TEST(WalkLimits, LinkCyclesAreSkipped)
{
    CTempDir dir;
    CString root = dir.Path();
    MakeDir(root + "\\sub");
    MakeDir(root + "\\other");
    ASSERT_TRUE(WriteFileBytes(root + "\\top.txt", "t"));
    ASSERT_TRUE(WriteFileBytes(root + "\\sub\\s.txt", "s"));
    ASSERT_TRUE(WriteFileBytes(root + "\\other\\o.txt", "o"));
    // Two ways back up in one folder: without the check the walk would double at each level.
    CFolderLinks links;
    if (!links.Make(root + "\\sub\\up", "..", root) || !links.Make(root + "\\sub\\self", ".", root + "\\sub") ||
        !links.Make(root + "\\sub\\side", "../other", root + "\\other"))
        GTEST_SKIP() << "no way to make a folder link here";

    CFileFinder finder;
    FILEFINDPARAMS params;
    params.folder = root;
    params.mask = "*.txt";
    params.subfolders = TRUE;
    finder.FindFiles(params);
    std::string r = root.str();
    EXPECT_EQ(Sorted(Results(finder)), Sorted({r + "\\top.txt", r + "\\sub\\s.txt", r + "\\other\\o.txt",
                                               r + "\\sub\\side\\o.txt"}));
}

// Folders deeper than the platform's path limit are left out; everything above is found.
TEST(WalkLimits, PathsPastTheLengthLimitAreSkipped)
{
    CTempDir dir;
    std::wstring path = L"\\\\?\\";
    for (const char* p = dir.Path(); *p; p++) path += (wchar_t)(unsigned char)*p;
    const std::wstring level(60, L'd');
    int levels = 0;
    while (path.size() < 420) {
        path += L"\\" + level;
        ASSERT_TRUE(::CreateDirectoryW(path.c_str(), nullptr));
        CFileHandle f(::CreateFileW((path + L"\\f.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        ASSERT_TRUE(f.IsValid());
        levels++;
    }

    CFileFinder finder;
    FILEFINDPARAMS params;
    params.folder = dir.Path();
    params.mask = "f.txt";
    params.subfolders = TRUE;
    int n = finder.FindFiles(params);
    // Level k's folder is the temporary folder plus 61 characters per level.
    int reachable = 0;
    for (int k = 1; k <= levels; k++)
        if (dir.Path().GetLength() + 61 * k + (int)strlen("\\*.*") < MAX_PATH) reachable++;
    EXPECT_GT(reachable, 0);
    EXPECT_LT(reachable, levels);
    EXPECT_EQ(n, reachable);
    for (const std::string& r : Results(finder)) EXPECT_LT(r.size(), (size_t)MAX_PATH);

    // Past the limit only the wide functions reach.
    for (; levels > 0; levels--) {
        ::DeleteFileW((path + L"\\f.txt").c_str());
        ::RemoveDirectoryW(path.c_str());
        path.resize(path.size() - level.size() - 1);
    }
}

// Folders deleted while the walk is under way: those not reached yet contribute nothing,
// and the walk goes on with the rest.
TEST(WalkLimits, FoldersVanishingDuringTheWalk)
{
    CTempDir dir;
    CString root = dir.Path();
    for (const char* sub : {"a", "b", "c"}) {
        MakeDir(root + "\\" + sub);
        MakeDir(root + "\\" + sub + "\\inner");
        for (const char* f : {"\\1.txt", "\\2.txt", "\\inner\\3.txt"})
            ASSERT_TRUE(WriteFileBytes(root + "\\" + sub + f, "x"));
    }
    CFileFinder finder;
    CNoticeLog log(finder);
    std::string first;  // the sub-folder walked first; the other two go when it starts
    log.onNotice = [&](CFileFinder& f, int code) {
        if (code != FIND_NOTIFY_FOLDER || !first.empty()) return;
        CPath inner(f.GetSearchingFolder());
        first = inner.GetDirectory(inner.GetDirectoryCount() - 2).str();
        for (const char* sub : {"a", "b", "c"})
            if (first != sub) RemoveTree(root + "\\" + sub);
    };
    FILEFINDPARAMS params;
    params.folder = root;
    params.subfolders = TRUE;
    int n = finder.FindFiles(params);
    ASSERT_FALSE(first.empty());
    std::string x = (root + "\\").str() + first;
    EXPECT_EQ(n, finder.GetFileCount());
    EXPECT_EQ(Sorted(Results(finder)),
              Sorted({x + "\\inner\\3.txt", x + "\\inner\\", x + "\\1.txt", x + "\\2.txt", x + "\\"}));
}

// Odd folders and masks give some result or none, and the search returns.
TEST(WalkLimits, OddFoldersAndMasks)
{
    CTempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File("a.txt"), "x"));
    const CString folders[] = {dir.Path(), "\\\\\\\\", "\\\\", "\\\\nosuchserver\\noshare", CString('x', 300),
                               "C:\\" + CString('y', 255), ":", "C:\\no\\such\\folder"};
    const CString masks[] = {"", "*", "***", "?", "*.*.*", "..", ".", "\\", "a\\..\\*", ":", "<>|\"", "[a-z]*",
                             CString('*', 300)};
    for (const CString& folder : folders) {
        for (const CString& mask : masks) {
            SCOPED_TRACE(testing::Message() << folder.Left(40).c_str() << " | " << mask.Left(20).c_str());
            CFileFinder finder;
            FILEFINDPARAMS params;
            params.folder = folder;
            params.mask = mask;
            params.flags = FIND_TEXT;
            params.text = "x";
            int n = finder.FindFiles(params);
            EXPECT_EQ(n, finder.GetFileCount());
        }
    }
}
