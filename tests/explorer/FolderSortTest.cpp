// The folder model's own sort and listing: the order of every column as the list's text and
// numeric keys define it, reached through typed fields.
#include "support/FindData.h"
#include "explorer/FolderModel.h"
#include "explorer/NameIndex.h"
#include <stdlib.h>
#include <algorithm>
#include <random>

namespace {

std::vector<std::string> Names(const CFolderModel& m)
{
    std::vector<std::string> v;
    for (int i = 0; i < m.GetCount(); i++) v.push_back(m.GetAt(i).strName.str());
    return v;
}

// The order the list's keys define, built from the cells alone: a folder's text key leads
// with 0x0A, an undated file's date key is 0x0D, a date key leads with the year (the cells
// are month first); the Size column is read as a number the way atoi reads it, in 64 bits.
CString TextKey(const CString& text, bool folder, int column)
{
    bool dated = column == 2 || column == 3;
    if (!folder) return !dated ? text : text.IsEmpty() ? CString('\x0D') : text.Right(4) + text;
    CString key('\x0A');
    if (dated) key += text.Right(4);
    return key + text;
}

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
        rows.push_back({TextKey(cell, e.Cell(1).IsEmpty(), column), strtoll(cell, nullptr, 10), e.strName.str()});
    }
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        const Row& x = ascending ? a : b;
        const Row& y = ascending ? b : a;
        if (column == 1) return x.number < y.number;
        return CNameIndex::Compare(x.text, y.text) < 0;
    });
    std::vector<std::string> v;
    for (const Row& r : rows) v.push_back(r.name);
    return v;
}

}  // namespace

TEST(FolderSort, EachColumnInTheListsOrder)
{
    const FILETIME none = {0, 0};
    WIN32_FIND_DATAA big = FileData("4g", 0);
    big.nFileSizeHigh = 1;
    struct Case {
        const char* what;
        int column;
        bool ascending;
        std::vector<WIN32_FIND_DATAA> entries;
        std::vector<std::string> rows;
    } cases[] = {
        {"name: folders first, then case ignored", 0, true,
         {FileData("b.txt", 1), FolderData("zeta"), FileData("A.txt", 1)},
         {"zeta", "A.txt", "b.txt"}},
        {"name descending: files first, ties kept", 0, false,
         {FileData("b.txt", 1), FolderData("zeta"), FileData("A.txt", 1), FileData("B.TXT", 2)},
         {"b.txt", "B.TXT", "A.txt", "zeta"}},
        {"modified: chronological, undated files first", 3, true,
         {FileData("new", 1, LocalFileTime(2024, 1, 1)), FileData("old", 1, LocalFileTime(2023, 12, 31)),
          Entry("undated", FILE_ATTRIBUTE_ARCHIVE, 1, none, none), FolderData("dir", LocalFileTime(2025, 6, 1))},
         {"dir", "undated", "old", "new"}},
        {"modified: one day ties whatever the hour, in their order", 3, true,
         {FileData("late", 1, LocalFileTime(2024, 5, 5, 23)), FileData("early", 1, LocalFileTime(2024, 5, 5, 1)),
          FileData("before", 1, LocalFileTime(2024, 5, 4, 23))},
         {"before", "late", "early"}},
        {"created: an undated folder before everything", 2, true,
         {FileData("file", 1, LocalFileTime(2020, 1, 1)), FolderData("dated", LocalFileTime(2001, 1, 1)),
          Entry("undated", FILE_ATTRIBUTE_DIRECTORY, 0, none, none)},
         {"undated", "dated", "file"}},
        {"created: folders by year although the cells are month first", 2, true,
         {FolderData("f2024", LocalFileTime(2024, 3, 7)), FolderData("f2023", LocalFileTime(2023, 12, 31)),
          Entry("undated", FILE_ATTRIBUTE_DIRECTORY, 0, none, none)},
         {"undated", "f2023", "f2024"}},
        {"modified descending: dated files, undated files, then folders", 3, false,
         {FolderData("dir", LocalFileTime(2030, 1, 1)), Entry("undated", FILE_ATTRIBUTE_ARCHIVE, 1, none, none),
          FileData("old", 1, LocalFileTime(2023, 12, 31)), FileData("new", 1, LocalFileTime(2024, 3, 7))},
         {"new", "old", "undated", "dir"}},
        {"size: numeric, not by text; folders tie with empty files", 1, true,
         {FileData("ten", 10), FileData("nine", 9), FolderData("dir"), FileData("hundred", 100), FileData("empty", 0)},
         {"dir", "empty", "nine", "ten", "hundred"}},
        {"size beyond 32 bits", 1, true,
         {big, FileData("3g", 3221225472u), FileData("2t", 2199023255552ULL), FileData("1", 1),
          FileData("2g", 2147483648u), FileData("2g-1", 2147483647u)},
         {"1", "2g-1", "2g", "3g", "4g", "2t"}},
        {"size descending", 1, false,
         {FileData("ten", 10), FolderData("dir"), FileData("nine", 9), FileData("zero", 0)},
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

// Names of code page 1252 with bytes above 0x7F: folded values compare as unsigned numbers,
// accented capitals fold to their small letters, and folders still come first.
TEST(FolderSort, NamesAboveSevenBitsCompareUnsignedAndFolded)
{
    if (::GetACP() != 1252) GTEST_SKIP() << "code page " << ::GetACP();
    const struct {
        const char* a;
        const char* b;
        int sign;
    } cases[] = {
        {"cafe.txt", "caf\xE9.txt", -1},   // e before é
        {"ea.txt", "\x8A" "a.txt", -1},     // Š (0x8A, small š 0x9A) after every ASCII letter
        {"\xC9T\xC9", "\xE9t\xE9", 0},      // ÉTÉ equals été
        {"\xD6" "dir", "\xF6" "DIR", 0},    // Ödir equals ödir
        {"odir", "\xD6" "dir", -1},
        {"abc", "ab", 1},
        {"", "a", -1},
    };
    for (const auto& c : cases) {
        int r = CNameIndex::Compare(c.a, c.b);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " / " << c.b;
        int back = CNameIndex::Compare(c.b, c.a);
        EXPECT_EQ((back > 0) - (back < 0), -c.sign) << c.b << " / " << c.a;
    }
    // The name sort of the model: folders before every file, then the folded order, ties kept.
    CFolderModel m;
    m.Reset("C:\\nowhere");
    for (const WIN32_FIND_DATAA& fd : {FileData("\x8A" "a.txt", 3), FileData("caf\xE9.txt", 1), FileData("\xC9T\xC9", 1),
                                       FileData("cafe.txt", 1), FolderData("\xD6" "dir"), FileData("\xE9t\xE9", 1)})
        m.Append(CFolderModel::MakeEntry(fd));
    m.Sort(0);
    EXPECT_EQ(Names(m), (std::vector<std::string>{"\xD6" "dir", "cafe.txt", "caf\xE9.txt", "\x8A" "a.txt", "\xC9T\xC9", "\xE9t\xE9"}));
    EXPECT_EQ(Names(m), KeyOrder(m, 0, true));
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
    for (const char* n : {"a", "b", "c", "d", "e"}) m.Add(FileData(n, 1));
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
    for (const char* n : {"alpha", "Beta", "bravo", "charlie"}) m.Add(FileData(n, 1));
    EXPECT_EQ(m.FindFrom("b", 0, true, false), 1);
    EXPECT_EQ(m.FindFrom("B", 2, true, false), 2);
    EXPECT_EQ(m.FindFrom("b", 3, true, false), -1);
    EXPECT_EQ(m.FindFrom("b", 3, true, true), 1);      // wraps to the top
    EXPECT_EQ(m.FindFrom("BRAVO", 0, false, false), 2);  // whole name
    EXPECT_EQ(m.FindFrom("brav", 0, false, false), -1);
    EXPECT_EQ(m.FindFrom("x", 0, true, true), -1);
}
