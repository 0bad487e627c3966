#include "search/SearchFixture.h"
#include "fw/Handle.h"
#include <algorithm>

namespace {

// root\a.txt, root\b.log, root\sub1\c.txt, root\sub1\deep\d.txt, root\sub2\e.TXT
class FinderTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.Path();
        MakeDir(root + "\\sub1");
        MakeDir(root + "\\sub1\\deep");
        MakeDir(root + "\\sub2");
        ASSERT_TRUE(WriteFileBytes(root + "\\a.txt", "alpha"));
        ASSERT_TRUE(WriteFileBytes(root + "\\b.log", std::string(2048, 'b')));
        ASSERT_TRUE(WriteFileBytes(root + "\\sub1\\c.txt", "gamma"));
        ASSERT_TRUE(WriteFileBytes(root + "\\sub1\\deep\\d.txt", ""));
        ASSERT_TRUE(WriteFileBytes(root + "\\sub2\\e.TXT", "epsilon"));
    }
    std::string P(const char* rel) const { return (root + "\\" + rel).str(); }
    static size_t IndexOf(const std::vector<std::string>& v, const std::string& s)
    {
        return (size_t)(std::find(v.begin(), v.end(), s) - v.begin());
    }

    CTempDir dir;
    CString root;
};

}  // namespace

TEST(FileFinderParams, FreshRecordDefaults)
{
    __int64 before = CTime::GetCurrentTime().GetTime();
    FILEFINDPARAMS p;
    __int64 after = CTime::GetCurrentTime().GetTime();
    EXPECT_EQ(p.folder, "");
    EXPECT_EQ(p.mask, "*.*");
    EXPECT_EQ(p.text, "");
    EXPECT_EQ(p.subfolders, 0);
    EXPECT_EQ(p.flags, 0u);
    EXPECT_EQ(p.minSize, 0u);
    EXPECT_EQ(p.maxSize, 0u);
    EXPECT_EQ(p.attributes, 0u);
    for (const CTime* t : {&p.createdFrom, &p.createdTo, &p.modifiedFrom, &p.modifiedTo, &p.accessedFrom, &p.accessedTo}) {
        EXPECT_GE(t->GetTime(), before);
        EXPECT_LE(t->GetTime(), after);
    }
}

TEST_F(FinderTree, SubfoldersComeFirstDepthFirst)
{
    CFileFinder finder;
    CNoticeLog log(finder);
    FILEFINDPARAMS params;
    params.folder = root;
    params.mask = "*.txt";
    params.subfolders = TRUE;
    EXPECT_EQ(finder.FindFiles(params), 4);
    EXPECT_EQ(params.folder, root + "\\");

    std::vector<std::string> r = Results(finder);
    ASSERT_EQ(r.size(), 4u);
    std::vector<std::string> sorted = r;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::string>{P("a.txt"), P("sub1\\c.txt"), P("sub1\\deep\\d.txt"), P("sub2\\e.TXT")}));
    EXPECT_LT(IndexOf(r, P("sub1\\deep\\d.txt")), IndexOf(r, P("sub1\\c.txt")));
    EXPECT_EQ(r.back(), P("a.txt"));

    // Each folder is announced before its own entries; the search folder comes last.
    std::vector<std::string> folders;
    for (const Notice& n : log.notices)
        if (n.code == FIND_NOTIFY_FOLDER) folders.push_back(n.detail);
    ASSERT_EQ(folders.size(), 4u);
    EXPECT_EQ(folders.back(), P(""));
    EXPECT_LT(IndexOf(folders, P("sub1\\deep\\")), IndexOf(folders, P("sub1\\")));
    EXPECT_EQ(finder.GetSearchingFolder(), root + "\\");
    EXPECT_EQ(log.Count(FIND_NOTIFY_MATCH), 4);
    // The mask is applied to the folders' own entries only, so no folder fails it.
    EXPECT_EQ(log.Count(FIND_NOTIFY_NOMATCH), 0);
}

TEST_F(FinderTree, DirectoriesEndInABackslash)
{
    CFileFinder finder;
    FILEFINDPARAMS params;
    params.folder = root;
    params.mask = "sub*";
    params.flags = FIND_SIZE;  // folders have size 0
    EXPECT_EQ(finder.FindFiles(params), 2);
    std::vector<std::string> r = Results(finder);
    std::sort(r.begin(), r.end());
    EXPECT_EQ(r, (std::vector<std::string>{P("sub1\\"), P("sub2\\")}));
    CPath folder = finder.GetFilePath(0);
    EXPECT_EQ(folder.GetFileName(), "");
    EXPECT_EQ(folder.GetLocation(), finder.GetFilePath(0).GetPath());
}

// Each match hands over what its folder's listing said of it, for the window's row.
TEST_F(FinderTree, EachMatchHandsOverItsListingData)
{
    ASSERT_TRUE(WriteFileBytes(root + "\\sized.bin", std::string(3000, 's')));
    CFileFinder finder;
    CNoticeLog log(finder);
    struct Seen {
        std::string path;
        FILEFINDINFO info;
    };
    std::vector<Seen> seen;
    log.onNotice = [&](CFileFinder& f, int code) {
        if (code == FIND_NOTIFY_MATCH) seen.push_back({f.GetFilePath(f.GetFileCount() - 1).GetPath(TRUE).str(), f.GetMatchInfo()});
    };
    FILEFINDPARAMS params;
    params.folder = root;
    params.mask = "s*";
    finder.FindFiles(params);
    ASSERT_EQ(seen.size(), 3u);  // sized.bin, sub1\, sub2\ in the listing's order
    for (const Seen& s : seen) {
        WIN32_FILE_ATTRIBUTE_DATA disk;
        std::string path = s.path;
        if (path.back() == '\\') path.pop_back();
        ASSERT_TRUE(::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &disk)) << path;
        EXPECT_EQ(s.info.attributes, disk.dwFileAttributes) << path;
        EXPECT_EQ(::CompareFileTime(&s.info.written, &disk.ftLastWriteTime), 0) << path;
        bool folder = (disk.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        EXPECT_EQ(s.info.size, folder ? 0u : 3000u) << path;
    }
}

TEST_F(FinderTree, SizeBoundsAreInclusive)
{
    for (int n : {1023, 1024, 2048, 2049}) {
        CString name;
        name.Format("%s\\s%d.bin", root.c_str(), n);
        ASSERT_TRUE(WriteFileBytes(name, std::string((size_t)n, 's')));
    }
    ASSERT_TRUE(WriteFileBytes(root + "\\s0.bin", ""));
    const struct {
        unsigned __int64 minSize, maxSize;
        std::vector<std::string> found;
    } cases[] = {
        {1024, 2048, {"s1024.bin", "s2048.bin"}},
        {0, 0, {"s0.bin"}},
        {2049, 1024, {}},
        {2049, ~0ULL, {"s2049.bin"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.minSize);
        CFileFinder finder;
        FILEFINDPARAMS params;
        params.folder = root;
        params.mask = "s*.bin";
        params.flags = FIND_SIZE;
        params.minSize = c.minSize;
        params.maxSize = c.maxSize;
        finder.FindFiles(params);
        std::vector<std::string> r = Results(finder), expected;
        for (const std::string& f : c.found) expected.push_back(P(f.c_str()));
        std::sort(r.begin(), r.end());
        EXPECT_EQ(r, expected);
    }
}

// Files carry the archive bit and folders do not; read-only is a bit of its own.
TEST_F(FinderTree, AttributeMaskNeedsOneBitInCommon)
{
    ASSERT_TRUE(::SetFileAttributesA(root + "\\b.log", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    const struct {
        DWORD attributes;
        std::vector<std::string> found;
    } cases[] = {
        {FILE_ATTRIBUTE_ARCHIVE, {"a.txt", "b.log"}},
        {FILE_ATTRIBUTE_READONLY, {"b.log"}},
        {FILE_ATTRIBUTE_DIRECTORY, {"sub1\\", "sub2\\"}},
        {FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY, {"b.log", "sub1\\", "sub2\\"}},
        {FILE_ATTRIBUTE_TEMPORARY, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.attributes);
        CFileFinder finder;
        CNoticeLog log(finder);
        FILEFINDPARAMS params;
        params.folder = root;
        params.flags = FIND_ATTRIBUTES;
        params.attributes = c.attributes;
        finder.FindFiles(params);
        std::vector<std::string> r = Results(finder), expected;
        for (const std::string& f : c.found) expected.push_back(P(f.c_str()));
        std::sort(r.begin(), r.end());
        EXPECT_EQ(r, expected);
        EXPECT_EQ(log.Count(FIND_NOTIFY_MATCH) + log.Count(FIND_NOTIFY_NOMATCH), 4);
    }
    ::SetFileAttributesA(root + "\\b.log", FILE_ATTRIBUTE_NORMAL);

    // Files of any kind, never a bare folder.
    CFileFinder named;
    EXPECT_EQ(named.FindFilesNamed(root, "*", TRUE), 5);
    for (const std::string& r : Results(named)) EXPECT_NE(r.back(), '\\') << r;
}

TEST_F(FinderTree, ModifiedTimeWindow)
{
    ULARGE_INTEGER u;
    u.QuadPart = 946684800ULL * 10000000ULL + 116444736000000000ULL;  // 2000-01-01 00:00 UTC
    FILETIME y2000 = {u.LowPart, u.HighPart};
    {
        CFileHandle h(::CreateFileA(root + "\\a.txt", FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(h.IsValid());
        ASSERT_TRUE(::SetFileTime(h, nullptr, nullptr, &y2000));
    }
    CFileFinder finder;
    FILEFINDPARAMS params;
    params.folder = root;
    params.flags = FIND_MODIFIED;
    params.modifiedFrom = CTime(946684800);
    params.modifiedTo = CTime(946684800);
    EXPECT_EQ(finder.FindFiles(params), 1);
    EXPECT_EQ(Results(finder)[0], P("a.txt"));
    params.modifiedFrom = CTime(946684801);
    params.modifiedTo = CTime::GetCurrentTime();
    finder.RemoveAll();
    EXPECT_EQ(finder.FindFiles(params), 3);  // b.log and both folders
}

TEST_F(FinderTree, FolderWithBackslashGetsASecondOne)
{
    CFileFinder finder;
    CNoticeLog log(finder);
    FILEFINDPARAMS params;
    params.folder = root + "\\";
    params.mask = "a.txt";
    EXPECT_EQ(finder.FindFiles(params), 1);
    ASSERT_EQ(log.notices.size(), 2u);
    EXPECT_EQ(log.notices[0].code, FIND_NOTIFY_FOLDER);
    EXPECT_EQ(log.notices[0].detail, P("\\"));
    EXPECT_EQ(log.notices[1].code, FIND_NOTIFY_MATCH);
    EXPECT_EQ(Results(finder)[0], P("a.txt"));
}

TEST_F(FinderTree, EmptyFolderMeansTheCurrentDirectory)
{
    char saved[MAX_PATH];
    ::GetCurrentDirectoryA(sizeof saved, saved);
    ASSERT_TRUE(::SetCurrentDirectoryA(root + "\\sub1"));
    CFileFinder finder;
    FILEFINDPARAMS params;
    params.mask = "*.txt";
    int n = finder.FindFiles(params);
    ::SetCurrentDirectoryA(saved);
    EXPECT_EQ(params.folder, "");
    EXPECT_EQ(n, 1);
    EXPECT_EQ(Results(finder)[0], P("sub1\\c.txt"));
}

TEST_F(FinderTree, MissingFolderIsAnnouncedAndEmpty)
{
    CFileFinder finder;
    CNoticeLog log(finder);
    FILEFINDPARAMS params;
    params.folder = root + "\\gone";
    params.subfolders = TRUE;
    EXPECT_EQ(finder.FindFiles(params), 0);
    ASSERT_EQ(log.notices.size(), 1u);
    EXPECT_EQ(log.notices[0].code, FIND_NOTIFY_FOLDER);
    EXPECT_EQ(log.notices[0].detail, P("gone\\"));
}

TEST_F(FinderTree, ResultsAccumulateAndCanBeEdited)
{
    CFileFinder finder;
    FILEFINDPARAMS params;
    params.folder = root;
    params.mask = "*.txt";
    EXPECT_EQ(finder.FindFiles(params), 1);
    params.folder = root;
    EXPECT_EQ(finder.FindFiles(params), 2);

    CString upper = root + "\\A.TXT";
    EXPECT_EQ(finder.FindPathOnList(upper), 0);
    EXPECT_EQ(finder.FindPathOnList(root + "\\zz"), -1);
    finder.RemoveAt(5);
    finder.RemoveAt(-1);
    EXPECT_EQ(finder.GetFileCount(), 2);
    finder.RemoveAt(0);
    EXPECT_EQ(finder.GetFileCount(), 1);
    EXPECT_EQ(finder.GetFilePath(0).GetFileName(), "a.txt");
    EXPECT_EQ(finder.GetFilePath(1).GetPath(), "");
    EXPECT_EQ(finder.GetFilePath(-1).GetPath(TRUE), "");
    finder.RemoveAll();
    finder.RemoveAll();
    EXPECT_EQ(finder.GetFileCount(), 0);
}

// A stop request ends every level's loops; the levels still on the stack announce their
// folder but examine nothing.
TEST_F(FinderTree, StopFromAMatchUnwindsTheWalk)
{
    CFileFinder finder;
    CNoticeLog log(finder);
    log.onNotice = [](CFileFinder& f, int code) {
        if (code == FIND_NOTIFY_MATCH) f.StopSearch();
    };
    FILEFINDPARAMS params;
    params.folder = root;
    params.mask = "*.txt";
    params.subfolders = TRUE;
    EXPECT_EQ(finder.FindFiles(params), 1);
    ASSERT_GE(log.notices.size(), 2u);
    EXPECT_EQ(log.notices.back().code, FIND_NOTIFY_FOLDER);
    EXPECT_EQ(log.notices.back().detail, P(""));
    EXPECT_EQ(log.Count(FIND_NOTIFY_NOMATCH), 0);

    // The next search starts afresh.
    log.onNotice = nullptr;
    params.folder = root;
    EXPECT_EQ(finder.FindFiles(params), 5);
}
