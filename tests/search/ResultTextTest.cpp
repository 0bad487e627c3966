// The texts of the Find Files window: sizes, times and the status line.
#include "support/TestSupport.h"
#include "search/ResultText.h"

TEST(ResultText, SizesInBytesBelowTenKilobytesElseInKilobytes)
{
    struct Case {
        unsigned __int64 size;
        const char* text;
    } cases[] = {
        {0, "0 B"},
        {10239, "10239 B"},
        {10240, "10 KB"},
        {1048575, "1023 KB"},
        {4294967295ULL, "4194303 KB"},
        {2199023255552ULL, "2147483648 KB"},     // 2 TiB: past 32-bit signed kilobytes
        {3298534883328ULL, "3221225472 KB"},     // 3 TiB
        {18446744073709551615ULL, "18014398509481983 KB"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatResultSize(c.size), c.text) << c.size;
}

TEST(ResultText, ModifiedTimeIsBrokenDownInUtc)
{
    // 25 December 2024 15:07:42 UTC.
    EXPECT_EQ(FormatResultTime(CTime(1735139262)), "25-12-2024 03:07 PM");
    EXPECT_EQ(FormatResultTime(CTime(0)), "01-01-1970 12:00 AM");
    EXPECT_EQ(FormatResultTime(CTime(43200)), "01-01-1970 12:00 PM");
    EXPECT_EQ(FormatResultTime(CTime(-1)), "");
}

TEST(ResultText, StatusWithAndWithoutFolder)
{
    EXPECT_EQ(FormatFindStatus(0), "0 items found");
    EXPECT_EQ(FormatFindStatus(20000), "20000 items found");
    EXPECT_EQ(FormatFindStatus(3, "C:\\Temp\\"), "(3) - C:\\Temp\\");
}
