#include "support/TestSupport.h"
#include "explorer/list/SortKey.h"
#include "explorer/NameIndex.h"

struct TextKeyCase {
    const char* text;
    const char* size;
    int column;
    const char* key;
};

TEST(SortKey, TextKeysFollowTheRowKindAndColumn)
{
    const TextKeyCase cases[] = {
        {"b.txt", "12", 0, "b.txt"},                  // a file by name: its name
        {"zeta", "", 0, "\nzeta"},                    // a folder by name: 0x0A first
        {"03-07-2024", "12", 2, "202403-07-2024"},    // a dated file: year first
        {"", "12", 3, "\r"},                          // an undated file: 0x0D
        {"12-31-2023", "", 3, "\n202312-31-2023"},    // a dated folder
        {"", "", 2, "\n"},                            // an undated folder: 0x0A alone
        {"4096", "4096", 1, "4096"},                  // size as text: the cell itself
    };
    for (const TextKeyCase& c : cases)
        EXPECT_EQ(MakeTextSortKey(c.text, c.size, c.column), CString(c.key)) << c.text << " col " << c.column;
}

TEST(SortKey, NumericKeysReadLikeAtoiIn64Bits)
{
    const struct {
        const char* text;
        long long key;
    } cases[] = {
        {"9", 9},
        {"10", 10},
        {"", 0},
        {"  -12kb", -12},
        {"+7", 7},
        {"x12", 0},
        {"2147483647", 2147483647},
        {"3221225472", 3221225472LL},   // 3 GB
        {"4294967296", 4294967296LL},   // 4 GB: after 3 GB, no tie
        {"-99999999999", -99999999999LL},
        {"99999999999999999999999", 9223372036854775807LL},  // saturates
    };
    for (const auto& c : cases) EXPECT_EQ(MakeNumericSortKey(c.text), c.key) << c.text;
    EXPECT_EQ(MakeNumericSortKey(nullptr), 0);
}

// Names of code page 1252 with bytes above 0x7F: folded values compare as unsigned numbers,
// accented capitals fold to their small letters, and folders still come first.
TEST(SortKey, NamesAboveSevenBitsCompareUnsignedAndFolded)
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
    // Whole keys as the name sort builds them: folders (0x0A) before every file.
    CString folder = MakeTextSortKey("\xD6" "dir", "", 0);
    CString file = MakeTextSortKey("\x8A" "a.txt", "3", 0);
    EXPECT_LT(CNameIndex::Compare(folder, file), 0);
}
