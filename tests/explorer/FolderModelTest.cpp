// The explorer's folder model without any window.
#include "support/TestSupport.h"
#include "explorer/FolderModel.h"
#include <map>
#include <set>

namespace {

WIN32_FIND_DATAA Data(const char* name, DWORD attributes, ULONGLONG size = 0)
{
    WIN32_FIND_DATAA fd = {};
    lstrcpynA(fd.cFileName, name, MAX_PATH);
    fd.dwFileAttributes = attributes;
    fd.nFileSizeLow = (DWORD)size;
    fd.nFileSizeHigh = (DWORD)(size >> 32);
    fd.ftLastWriteTime.dwLowDateTime = 1;  // a date exists
    return fd;
}

std::vector<std::string> Names(const CFolderModel& m)
{
    std::vector<std::string> v;
    for (int i = 0; i < m.GetCount(); i++) v.push_back(m.GetAt(i).strName.str());
    return v;
}

}  // namespace

TEST(FolderModel, EntriesCarryTheirCellsAndPaths)
{
    CFolderModel m;
    m.Reset("T:\\Data");
    EXPECT_EQ(m.GetFolder().str(), "T:\\Data\\");
    ASSERT_EQ(m.Add(Data("sub", FILE_ATTRIBUTE_DIRECTORY, 4096)), 0);
    ASSERT_EQ(m.Add(Data("big.bin", FILE_ATTRIBUTE_ARCHIVE, 5000000000ULL)), 1);
    ASSERT_EQ(m.Add(Data("empty", FILE_ATTRIBUTE_ARCHIVE)), 2);
    EXPECT_TRUE(m.IsFolder(0));
    EXPECT_EQ(m.GetAt(0).Cell(1).str(), "");  // a folder shows no size, whatever the directory says
    EXPECT_FALSE(m.IsFolder(1));
    EXPECT_EQ(m.GetAt(1).Cell(1).str(), "5000000000");
    EXPECT_EQ(m.GetAt(1).nSize, 5000000000ULL);
    EXPECT_EQ(m.GetAt(2).Cell(1).str(), "0");
    EXPECT_FALSE(m.IsFolder(2));
    EXPECT_EQ(m.GetPath(1).str(), "T:\\Data\\big.bin");
    CArray<int> rows;
    rows.Add(2);
    rows.Add(0);
    rows.Add(7);  // no such entry: left out
    CArray<CString> paths = m.GetPaths(rows);
    ASSERT_EQ(paths.GetSize(), 2);
    EXPECT_EQ(paths[0].str(), "T:\\Data\\empty");
    EXPECT_EQ(paths[1].str(), "T:\\Data\\sub");
}

TEST(FolderModel, NamesMeetIgnoringCase)
{
    CFolderModel m;
    m.Reset("C:\\");
    EXPECT_EQ(m.GetFolder().str(), "C:\\");
    EXPECT_EQ(m.Add(Data("Report.TXT", 0)), 0);
    EXPECT_EQ(m.Add(Data("report.txt", 0)), -1);
    EXPECT_TRUE(m.Contains("REPORT.txt"));
    EXPECT_EQ(m.Find("rePort.txt"), 0);
    EXPECT_EQ(m.Find("other"), -1);
    // A command's own new entry is appended even when the name is listed already.
    EXPECT_EQ(m.Append(CFolderModel::MakeEntry(Data("REPORT.TXT", 0))), 1);
    m.RemoveAt(0);
    EXPECT_TRUE(m.Contains("report.txt"));  // the second one is still there
    m.RemoveAt(0);
    EXPECT_FALSE(m.Contains("report.txt"));
    m.RemoveAt(5);  // out of range: nothing
    EXPECT_EQ(m.GetCount(), 0);
}

TEST(FolderModel, RenameAndReorderKeepTheLookupTrue)
{
    CFolderModel m;
    m.Reset("T:\\");
    for (const char* n : {"a", "b", "c"}) m.Add(Data(n, 0));
    m.Rename(1, "B2");
    EXPECT_FALSE(m.Contains("b"));
    EXPECT_EQ(m.Find("b2"), 1);
    m.Reorder({2, 0, 1});
    EXPECT_EQ(Names(m), (std::vector<std::string>{"c", "a", "B2"}));
    EXPECT_EQ(m.Find("B2"), 2);
    // Anything but a permutation changes nothing.
    m.Reorder({0, 0, 1});
    m.Reorder({0, 1});
    m.Reorder({0, 1, 3});
    EXPECT_EQ(Names(m), (std::vector<std::string>{"c", "a", "B2"}));
    m.Reset("T:\\Other\\");
    EXPECT_EQ(m.GetCount(), 0);
    EXPECT_FALSE(m.Contains("a"));
}

// What the list keeps per entry is keyed by the entry's key: it must stay with the entry
// through every change of the model and never name another entry, even after a new folder.
TEST(FolderModel, AnEntrysKeyStaysWithItAndIsNeverGivenAgain)
{
    CFolderModel m;
    m.Reset("T:\\");
    for (const char* n : {"d", "b", "c", "a"}) m.Add(Data(n, 0));
    auto keyOf = [&](const char* name) { return m.GetAt(m.Find(name)).nKey; };
    std::map<std::string, DWORD> keys;
    for (const char* n : {"a", "b", "c", "d"}) keys[n] = keyOf(n);
    std::set<DWORD> given;
    for (const auto& k : keys) given.insert(k.second);
    EXPECT_EQ(given.size(), 4u);
    EXPECT_EQ(given.count(0), 0u);
    m.Sort(0);
    m.RemoveRows({1});  // "b"
    m.Rename(m.Find("c"), "c2");
    m.Update(m.Find("d"), Data("D", FILE_ATTRIBUTE_READONLY));
    m.Reorder({2, 0, 1});
    EXPECT_EQ(keyOf("a"), keys["a"]);
    EXPECT_EQ(keyOf("c2"), keys["c"]);
    EXPECT_EQ(keyOf("D"), keys["d"]);
    // A copy appended gets its own key; so does every entry of the next folder.
    int copy = m.Append(m.GetAt(m.Find("a")));
    EXPECT_EQ(given.insert(m.GetAt(copy).nKey).second, true);
    m.Reset("T:\\Other\\");
    m.Add(Data("a", 0));
    EXPECT_EQ(given.insert(m.GetAt(0).nKey).second, true);
}

TEST(FolderModel, ARenamedFolderOnShowOrAboveItMovesTheFolder)
{
    struct {
        const char* shown;
        const char* oldPath;
        const char* newPath;
        const char* after;  // null: unchanged
    } cases[] = {
        {"T:\\tr\\A", "T:\\tr\\A", "T:\\tr\\A2", "T:\\tr\\A2\\"},
        {"T:\\tr\\A\\B", "T:\\tr", "T:\\top", "T:\\top\\A\\B\\"},
        {"T:\\tr\\A\\B", "t:\\TR\\a", "T:\\tr\\Z", "T:\\tr\\Z\\B\\"},  // ignoring case
        {"T:\\tr\\AB", "T:\\tr\\A", "T:\\tr\\A2", nullptr},            // a sibling that begins the same
        {"T:\\tr", "T:\\tr\\A", "T:\\tr\\A2", nullptr},                // below the folder on show
        {"T:\\tr\\A", "", "T:\\x", nullptr},
    };
    for (auto& c : cases) {
        CFolderModel m;
        m.Reset(c.shown);
        m.Add(Data("kept.txt", FILE_ATTRIBUTE_ARCHIVE, 1));
        EXPECT_EQ(m.FollowRename(c.oldPath, c.newPath), c.after != nullptr) << c.shown << " " << c.oldPath;
        EXPECT_EQ(m.GetFolder().str(), c.after ? c.after : (std::string(c.shown) + "\\")) << c.shown;
        EXPECT_EQ(m.GetCount(), 1);
        EXPECT_EQ(m.GetPath(0).str(), m.GetFolder().str() + "kept.txt");
    }
}
