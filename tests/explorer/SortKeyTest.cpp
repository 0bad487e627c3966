#include "support/TestSupport.h"
#include "explorer/list/SortKey.h"

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
