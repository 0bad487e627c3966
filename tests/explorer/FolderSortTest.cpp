// The folder model's own sort and listing: the order of every column as the list's text and
// numeric keys give it, reached through typed fields.
#include "support/TestSupport.h"
#include "explorer/FolderModel.h"
#include "explorer/list/SortKey.h"
#include "explorer/list/SortClass.h"
#include "explorer/NameIndex.h"
#include <algorithm>
#include <random>

namespace {

WIN32_FIND_DATAA Entry(const char* name, DWORD attributes, ULONGLONG size, FILETIME created, FILETIME modified)
{
    WIN32_FIND_DATAA fd = {};
    lstrcpynA(fd.cFileName, name, MAX_PATH);
    fd.dwFileAttributes = attributes;
    fd.nFileSizeLow = (DWORD)size;
    fd.nFileSizeHigh = (DWORD)(size >> 32);
    fd.ftCreationTime = created;
    fd.ftLastWriteTime = modified;
    return fd;
}

WIN32_FIND_DATAA File(const char* name, ULONGLONG size, FILETIME modified = LocalFileTime(2024, 1, 2))
{
    return Entry(name, FILE_ATTRIBUTE_ARCHIVE, size, modified, modified);
}

WIN32_FIND_DATAA Folder(const char* name, FILETIME created = LocalFileTime(2024, 1, 2))
{
    return Entry(name, FILE_ATTRIBUTE_DIRECTORY, 0, created, created);
}

std::vector<std::string> Names(const CFolderModel& m)
{
    std::vector<std::string> v;
    for (int i = 0; i < m.GetCount(); i++) v.push_back(m.GetAt(i).strName.str());
    return v;
}

// The order the list's text and numeric keys give (one stable sort of the keys).
std::vector<std::string> KeyOrder(const CFolderModel& m, int column, bool ascending)
{
    struct Row {
        CString text;
        long long number;
        std::string name;
    };
    std::vector<Row> rows;
    for (int i = 0; i < m.GetCount(); i++) {
        const CFolderEntry& e = m.GetAt(i);
        CString cell = e.Cell(column);
        rows.push_back({MakeTextSortKey(cell, e.Cell(1), column), MakeNumericSortKey(cell), e.strName.str()});
    }
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        if (column == 1) {
            CSortClass::NumericSortItem x = {a.number, 0, 0}, y = {b.number, 0, 0};
            return (ascending ? CSortClass::CompareNumberAscending((LPARAM)&x, (LPARAM)&y, 0)
                              : CSortClass::CompareNumberDescending((LPARAM)&x, (LPARAM)&y, 0)) < 0;
        }
        CSortClass::CSortItem x(a.text, 0), y(b.text, 0);
        return (ascending ? CSortClass::CompareTextAscending((LPARAM)&x, (LPARAM)&y, 0)
                          : CSortClass::CompareTextDescending((LPARAM)&x, (LPARAM)&y, 0)) < 0;
    });
    std::vector<std::string> v;
    for (const Row& r : rows) v.push_back(r.name);
    return v;
}

}  // namespace

TEST(FolderSort, EachColumnInTheListsOrder)
{
    const FILETIME none = {0, 0};
    WIN32_FIND_DATAA big = File("4g", 0);
    big.nFileSizeHigh = 1;
    struct Case {
        const char* what;
        int column;
        bool ascending;
        std::vector<WIN32_FIND_DATAA> entries;
        std::vector<std::string> rows;
    } cases[] = {
        {"name: folders first, then case ignored", 0, true,
         {File("b.txt", 1), Folder("zeta"), File("A.txt", 1)},
         {"zeta", "A.txt", "b.txt"}},
        {"name descending: files first, ties kept", 0, false,
         {File("b.txt", 1), Folder("zeta"), File("A.txt", 1), File("B.TXT", 2)},
         {"b.txt", "B.TXT", "A.txt", "zeta"}},
        {"modified: chronological, undated files first", 3, true,
         {File("new", 1, LocalFileTime(2024, 1, 1)), File("old", 1, LocalFileTime(2023, 12, 31)),
          Entry("undated", FILE_ATTRIBUTE_ARCHIVE, 1, none, none), Folder("dir", LocalFileTime(2025, 6, 1))},
         {"dir", "undated", "old", "new"}},
        {"modified: one day ties whatever the hour, in their order", 3, true,
         {File("late", 1, LocalFileTime(2024, 5, 5, 23)), File("early", 1, LocalFileTime(2024, 5, 5, 1)),
          File("before", 1, LocalFileTime(2024, 5, 4, 23))},
         {"before", "late", "early"}},
        {"created: an undated folder before everything", 2, true,
         {File("file", 1, LocalFileTime(2020, 1, 1)), Folder("dated", LocalFileTime(2001, 1, 1)),
          Entry("undated", FILE_ATTRIBUTE_DIRECTORY, 0, none, none)},
         {"undated", "dated", "file"}},
        {"size: numeric, not by text; folders tie with empty files", 1, true,
         {File("ten", 10), File("nine", 9), Folder("dir"), File("hundred", 100), File("empty", 0)},
         {"dir", "empty", "nine", "ten", "hundred"}},
        {"size beyond 32 bits", 1, true,
         {big, File("3g", 3221225472u), File("2t", 2199023255552ULL), File("1", 1)},
         {"1", "3g", "4g", "2t"}},
        {"size descending", 1, false,
         {File("ten", 10), Folder("dir"), File("nine", 9), File("zero", 0)},
         {"ten", "nine", "dir", "zero"}},
    };
    for (const Case& c : cases) {
        CFolderModel m;
        m.Reset("C:\\nowhere");
        for (const WIN32_FIND_DATAA& fd : c.entries) m.Append(CFolderModel::MakeEntry(fd));
        m.Sort(c.column, c.ascending);
        EXPECT_EQ(Names(m), c.rows) << c.what;
        EXPECT_EQ(Names(m), KeyOrder(m, c.column, c.ascending)) << c.what;
        for (int i = 0; i < m.GetCount(); i++) {
            int found = m.Find(m.GetAt(i).strName);  // the first of equal names
            ASSERT_GE(found, 0) << c.what;
            EXPECT_LE(found, i) << c.what;
            EXPECT_EQ(CNameIndex::Compare(m.GetAt(found).strName, m.GetAt(i).strName), 0) << c.what;
        }
    }
}

// Many entries of every kind, in random order: each column and direction gives exactly the
// order of the text and numeric keys, ties included.
TEST(FolderSort, TypedKeysGiveTheKeysOrderForEveryColumnAndDirection)
{
    std::mt19937 random(7);
    const char* stems[] = {"a", "B", "readme", "README", "zz", "_x", "0", "10", "9", "caf\xE9", "CAF\xC9", "~t", "a b", "a.b"};
    const FILETIME none = {0, 0};
    CFolderModel m;
    m.Reset("C:\\nowhere");
    for (int i = 0; i < 600; i++) {
        std::string name = std::string(stems[random() % (sizeof stems / sizeof *stems)]);
        if (random() % 3) name += std::to_string(random() % 40);
        DWORD attributes = random() % 4 == 0 ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
        ULONGLONG size = random() % 5 == 0 ? 0 : ((ULONGLONG)(random() % 3) << 32) + random() % 1000;
        FILETIME c = random() % 6 == 0 ? none : LocalFileTime(1990 + (int)(random() % 40), 1 + (int)(random() % 12), 1 + (int)(random() % 28), (int)(random() % 24));
        FILETIME w = random() % 6 == 0 ? none : LocalFileTime(1990 + (int)(random() % 40), 1 + (int)(random() % 12), 1 + (int)(random() % 28), (int)(random() % 24));
        m.Append(CFolderModel::MakeEntry(Entry(name.c_str(), attributes, size, c, w)));
    }
    for (int column = 0; column < 4; column++) {
        for (bool ascending : {true, false}) {
            std::vector<std::string> expected = KeyOrder(m, column, ascending);
            m.Sort(column, ascending);
            EXPECT_EQ(Names(m), expected) << "column " << column << (ascending ? " up" : " down");
        }
    }
}

TEST(FolderSort, OneFoldForIndexSortAndNames)
{
    const char* pairs[][2] = {{"Report.TXT", "report.txt"}, {"\xC9T\xC9", "\xE9t\xE9"}, {"a", "A"}, {"ab", "ab "}};
    for (auto& p : pairs) {
        bool equal = CNameIndex::Compare(p[0], p[1]) == 0;
        EXPECT_EQ(CNameIndex::Fold(p[0]) == CNameIndex::Fold(p[1]), equal) << p[0] << " / " << p[1];
    }
}

TEST(FolderSort, LoadReadsTheFolderAndSkipsWhatTheListNeverShows)
{
    CTempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File("b.txt"), "12345"));
    ASSERT_TRUE(WriteFileBytes(dir.File("A.txt"), ""));
    ASSERT_TRUE(::CreateDirectoryA(dir.File("sub"), nullptr));
    ASSERT_TRUE(::CreateDirectoryA(dir.File("hidsys"), nullptr));
    ASSERT_TRUE(::SetFileAttributesA(dir.File("hidsys"), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    CFolderModel m;
    ASSERT_TRUE(m.Load(dir.Path()));
    EXPECT_EQ(m.GetFolder(), dir.Path() + "\\");
    m.Sort(0);
    EXPECT_EQ(Names(m), (std::vector<std::string>{"sub", "A.txt", "b.txt"}));
    EXPECT_TRUE(m.IsFolder(0));
    EXPECT_EQ(m.GetAt(2).Cell(1), "5");
    EXPECT_FALSE(m.Load(dir.File("missing")));
    EXPECT_EQ(m.GetCount(), 0);
}

TEST(FolderSort, RemovingManyKeepsTheRestInOrder)
{
    CFolderModel m;
    m.Reset("T:\\");
    for (const char* n : {"a", "b", "c", "d", "e"}) m.Add(File(n, 1));
    std::vector<int> now = m.RemoveRows({0, 2, 3});
    EXPECT_EQ(Names(m), (std::vector<std::string>{"b", "e"}));
    EXPECT_EQ(now, (std::vector<int>{-1, 0, -1, -1, 1}));
    EXPECT_FALSE(m.Contains("c"));
    EXPECT_EQ(m.Find("E"), 1);
}

TEST(FolderSort, FindFromForTypeAhead)
{
    CFolderModel m;
    m.Reset("T:\\");
    for (const char* n : {"alpha", "Beta", "bravo", "charlie"}) m.Add(File(n, 1));
    EXPECT_EQ(m.FindFrom("b", 0, true, false), 1);
    EXPECT_EQ(m.FindFrom("B", 2, true, false), 2);
    EXPECT_EQ(m.FindFrom("b", 3, true, false), -1);
    EXPECT_EQ(m.FindFrom("b", 3, true, true), 1);      // wraps to the top
    EXPECT_EQ(m.FindFrom("BRAVO", 0, false, false), 2);  // whole name
    EXPECT_EQ(m.FindFrom("brav", 0, false, false), -1);
    EXPECT_EQ(m.FindFrom("x", 0, true, true), -1);
}
