// The result rows of Find Files over a plain list: row texts from real files, the list
// modes, and lookups that agree with a walk over the rows.
#include "ResultRowsModel.h"
#include "SearchFixture.h"
#include "search/ResultText.h"

namespace {

class ResultList : public ::testing::Test {
protected:
    std::string Cell(int row, int col) { return model.rows[(size_t)row].cells[col].str(); }
    CTempDir dir;
    CResultRowsModel model;
    CResultList list{model};
};

// Sets a file's last write time to an instant in seconds since 1970 (UTC).
bool SetWriteTime(const char* path, __int64 seconds)
{
    CFileHandle h(::CreateFileA(path, FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!h.IsValid()) return false;
    ULARGE_INTEGER v;
    v.QuadPart = (ULONGLONG)(seconds + 11644473600LL) * 10000000ULL;
    FILETIME ft = {v.LowPart, v.HighPart};
    return ::SetFileTime(h, nullptr, nullptr, &ft) != 0;
}

}  // namespace

TEST_F(ResultList, RowShowsNameFolderSizeAndModifiedTime)
{
    ASSERT_TRUE(WritePatternFile(dir.File("small.txt"), 10239));
    ASSERT_TRUE(WritePatternFile(dir.File("ten.bin"), 10240));
    ASSERT_TRUE(SetWriteTime(dir.File("ten.bin"), 1735139262));
    list.AddFileToList(dir.File("small.txt"));
    list.AddFileToList(dir.File("ten.bin"));
    ASSERT_EQ(model.GetRowCount(), 2);
    EXPECT_EQ(Cell(0, RESULT_NAME), "small.txt");
    EXPECT_EQ(Cell(0, RESULT_FOLDER), (dir.Path() + "\\").str());
    EXPECT_EQ(Cell(0, RESULT_SIZE), "10239 B");
    EXPECT_EQ(Cell(1, RESULT_SIZE), "10 KB");
    EXPECT_EQ(Cell(1, RESULT_MODIFIED), "25-12-2024 03:07 PM");
}

TEST_F(ResultList, FolderAndMissingPathShowZeroBytesAndTheZeroInstant)
{
    MakeDir(dir.File("Sub"));
    list.AddFileToList(dir.File("Sub\\"));
    EXPECT_EQ(Cell(0, RESULT_NAME), "");
    EXPECT_EQ(Cell(0, RESULT_FOLDER), (dir.File("Sub") + "\\").str());
    EXPECT_EQ(Cell(0, RESULT_SIZE), "0 B");
    EXPECT_EQ(Cell(0, RESULT_MODIFIED), "01-01-1970 12:00 AM");

    list.AddFileToList(dir.File("gone.txt"));
    EXPECT_EQ(Cell(1, RESULT_NAME), "gone.txt");
    EXPECT_EQ(Cell(1, RESULT_SIZE), "0 B");
    EXPECT_EQ(Cell(1, RESULT_MODIFIED), "01-01-1970 12:00 AM");
}

// The row shows what the folder's listing says: a file another program holds open for
// writing (a log being written) shows its size and time, not 0 B from 1970.
TEST_F(ResultList, FileHeldOpenForWritingShowsItsSizeAndTime)
{
    ASSERT_TRUE(WritePatternFile(dir.File("held.txt"), 50000));
    ASSERT_TRUE(SetWriteTime(dir.File("held.txt"), 1735139262));
    CFileHandle held(::CreateFileA(dir.File("held.txt"), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held.IsValid());
    list.AddFileToList(dir.File("held.txt"));
    EXPECT_EQ(Cell(0, RESULT_SIZE), "48 KB");
    EXPECT_EQ(Cell(0, RESULT_MODIFIED), "25-12-2024 03:07 PM");
}

// Rows from the listing data the search hands over, without asking the file again.
TEST(ResultRow, CellsFromTheListingData)
{
    // 25 December 2024 15:07:42 UTC
    ULARGE_INTEGER t;
    t.QuadPart = (1735139262ULL + 11644473600ULL) * 10000000ULL;
    const FILETIME written = {t.LowPart, t.HighPart};
    struct Case {
        const char* path;
        DWORD attributes;
        unsigned __int64 size;
        const char* name;
        const char* folder;
        const char* sizeText;
        const char* modified;
    } cases[] = {
        {"C:\\Data\\a.txt", FILE_ATTRIBUTE_ARCHIVE, 10239, "a.txt", "C:\\Data\\", "10239 B", "25-12-2024 03:07 PM"},
        {"C:\\Data\\b.bin", FILE_ATTRIBUTE_ARCHIVE, 10240, "b.bin", "C:\\Data\\", "10 KB", "25-12-2024 03:07 PM"},
        {"C:\\Data\\huge.bin", FILE_ATTRIBUTE_ARCHIVE, 3ULL << 40, "huge.bin", "C:\\Data\\", "3221225472 KB",
         "25-12-2024 03:07 PM"},
        {"C:\\Data\\Sub\\", FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_DIRECTORY, 4096, "", "C:\\Data\\Sub\\", "0 B",
         "01-01-1970 12:00 AM"},
        // A dot first and none after: a name like any other, not an extension.
        {"C:\\Data\\.hidden_hello", FILE_ATTRIBUTE_ARCHIVE, 2000, ".hidden_hello", "C:\\Data\\", "2000 B",
         "25-12-2024 03:07 PM"},
        {"C:\\Data\\.profile.bak", FILE_ATTRIBUTE_ARCHIVE, 5, ".profile.bak", "C:\\Data\\", "5 B", "25-12-2024 03:07 PM"},
    };
    for (const Case& c : cases) {
        FILEFINDINFO info = {c.attributes, c.size, written};
        RESULTROW row = MakeResultRow(c.path, info);
        EXPECT_EQ(row.cells[RESULT_NAME].str(), c.name) << c.path;
        EXPECT_EQ(row.cells[RESULT_FOLDER].str(), c.folder) << c.path;
        EXPECT_EQ(row.cells[RESULT_SIZE].str(), c.sizeText) << c.path;
        EXPECT_EQ(row.cells[RESULT_MODIFIED].str(), c.modified) << c.path;
    }
}

TEST_F(ResultList, SparseFileOfThreeTebibytesShowsItsKilobytes)
{
    CString path = dir.File("huge.bin");
    {
        CFileHandle h(::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        ASSERT_TRUE(h.IsValid());
        DWORD got = 0;
        ::DeviceIoControl(h, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &got, nullptr);
        LARGE_INTEGER end;
        end.QuadPart = 3LL << 40;
        ASSERT_TRUE(::SetFilePointerEx(h, end, nullptr, FILE_BEGIN));
        if (!::SetEndOfFile(h)) GTEST_SKIP() << "no sparse files of 3 TiB on this file system";
    }
    list.AddFileToList(path);
    EXPECT_EQ(Cell(0, RESULT_SIZE), "3221225472 KB");
    ::DeleteFileA(path);
}

TEST_F(ResultList, ModesReplaceAddAndRemove)
{
    for (const char* n : {"a.txt", "b.txt", "c.txt"}) ASSERT_TRUE(WriteFileBytes(dir.File(n), "x"));
    CString a = dir.File("a.txt"), b = dir.File("b.txt"), c = dir.File("c.txt");

    list.OnMatch(LIST_REPLACE, a);
    list.OnMatch(LIST_REPLACE, a);  // Replace adds whatever comes
    EXPECT_EQ(model.GetRowCount(), 2);

    list.DeleteAll();
    for (int round = 0; round < 2; round++)
        for (const CString& p : {a, b}) list.OnMatch(LIST_ADD, p);
    CString upper = c;
    upper.MakeUpper();
    list.OnMatch(LIST_ADD, c);
    list.OnMatch(LIST_ADD, upper);  // the same file in other letters
    EXPECT_EQ(model.Paths(), (std::vector<std::string>{a.str(), b.str(), c.str()}));

    CString lowerB = b;
    lowerB.MakeLower();
    list.OnMatch(LIST_REMOVE, lowerB);
    EXPECT_EQ(model.Paths(), (std::vector<std::string>{a.str(), c.str()}));
    list.OnMatch(LIST_REMOVE, dir.File("missing.txt"));
    EXPECT_EQ(model.GetRowCount(), 2);
    EXPECT_EQ(list.FindInList(c), 1);
    EXPECT_EQ(list.FindInList(b), -1);
}

TEST_F(ResultList, RemoveTakesTheFirstOfRepeatedRows)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("a.txt"), "x"));
    ASSERT_TRUE(WriteFileBytes(dir.File("b.txt"), "x"));
    CString a = dir.File("a.txt"), b = dir.File("b.txt");
    for (const CString& p : {a, b, a, b, a}) list.OnMatch(LIST_REPLACE, p);
    list.OnMatch(LIST_REMOVE, a);
    EXPECT_EQ(model.Paths(), (std::vector<std::string>{b.str(), a.str(), b.str(), a.str()}));
    list.OnMatch(LIST_REMOVE, b);
    list.OnMatch(LIST_REMOVE, b);
    EXPECT_EQ(model.Paths(), (std::vector<std::string>{a.str(), a.str()}));
    for (int i = 0; i < 2; i++) EXPECT_EQ(list.FindInList(a), model.Scan(a));
}
