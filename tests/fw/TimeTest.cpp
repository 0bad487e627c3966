// Times around the changes of daylight saving, in a zone that has them: the same file shows
// the same instant in every pane, and its local date and time by the rule of its own date.
#include "support/TestSupport.h"
#include "explorer/RowCells.h"
#include "fw/FileFind.h"
#include "search/ResultList.h"
#include "util/Path.h"

namespace {

// 2024 in Central Europe: summer time from 31 March 01:00 UTC to 27 October 01:00 UTC.
const __int64 kSpringBefore = 1711845000;  // 2024-03-31 00:30 UTC, 01:30 CET
const __int64 kSpringAfter = 1711848600;   // 2024-03-31 01:30 UTC, 03:30 CEST
const __int64 kAutumnBefore = 1729989000;  // 2024-10-27 00:30 UTC, 02:30 CEST
const __int64 kAutumnAfter = 1729992600;   // 2024-10-27 01:30 UTC, 02:30 CET: the hour again
const __int64 kSummerNight = 1719873000;   // 2024-07-01 22:30 UTC, 2 July 00:30 CEST
const __int64 kWinterNight = 1704148200;   // 2024-01-01 22:30 UTC, 1 January 23:30 CET

FILETIME FileTimeOf(__int64 instant)
{
    ULARGE_INTEGER u;
    u.QuadPart = (ULONGLONG)(instant + 11644473600LL) * 10000000ULL;
    FILETIME ft = {u.LowPart, u.HighPart};
    return ft;
}

bool SetWriteTime(const char* path, __int64 instant)
{
    CFileHandle h(::CreateFileA(path, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    FILETIME ft = FileTimeOf(instant);
    return h.IsValid() && ::SetFileTime(h, nullptr, nullptr, &ft);
}

// Wine takes the zone from TZ; ctest runs these cases with a zone that changes its clocks.
class DaylightSaving : public ::testing::Test {
protected:
    void SetUp() override
    {
        char zone[64] = "";
        if (!::GetEnvironmentVariableA("TZ", zone, sizeof zone)) GTEST_SKIP() << "ctest runs these with TZ set";
        TIME_ZONE_INFORMATION tzi = {};
        ASSERT_NE(::GetTimeZoneInformation(&tzi), TIME_ZONE_ID_UNKNOWN) << "TZ=" << zone << ": no daylight saving";
        ASSERT_NE(tzi.StandardDate.wMonth, 0) << zone;
    }
    CTempDir dir;
};

struct StampCase {
    const char* what;
    __int64 instant;
    const char* local;     // CTime::Format("%Y-%m-%d %H:%M")
    const char* listDate;  // the file list's date cell
    const char* findTime;  // the Find Files row: the instant in UTC
};

const StampCase kCases[] = {
    {"spring, before", kSpringBefore, "2024-03-31 01:30", "03-31-2024", "31-03-2024 12:30 AM"},
    {"spring, after", kSpringAfter, "2024-03-31 03:30", "03-31-2024", "31-03-2024 01:30 AM"},
    {"autumn, before", kAutumnBefore, "2024-10-27 02:30", "10-27-2024", "27-10-2024 12:30 AM"},
    {"autumn, after", kAutumnAfter, "2024-10-27 02:30", "10-27-2024", "27-10-2024 01:30 AM"},
    {"summer night", kSummerNight, "2024-07-02 00:30", "07-02-2024", "01-07-2024 10:30 PM"},
    {"winter night", kWinterNight, "2024-01-01 23:30", "01-01-2024", "01-01-2024 10:30 PM"},
};

}  // namespace

TEST_F(DaylightSaving, EachSideOfAChangeIsItsOwnInstant)
{
    for (const StampCase& c : kCases) {
        EXPECT_EQ(CTime(FileTimeOf(c.instant)).GetTime(), c.instant) << c.what;
        EXPECT_EQ(CPath::FileTimeToInstant(FileTimeOf(c.instant)).GetTime(), c.instant) << c.what;
        EXPECT_EQ(std::string(CTime(c.instant).Format("%Y-%m-%d %H:%M")), c.local) << c.what;
        EXPECT_EQ(std::string(FormatDateCell(FileTimeOf(c.instant))), c.listDate) << c.what;
    }
}

// One file per case, read back the ways the panes read it.
TEST_F(DaylightSaving, AFileShowsTheSameTimeInEveryPane)
{
    for (const StampCase& c : kCases) {
        CString path = dir.File("stamp.txt");
        ASSERT_TRUE(WriteFileBytes(path, "x"));
        ASSERT_TRUE(SetWriteTime(path, c.instant)) << c.what;

        CTime byPath;
        EXPECT_TRUE(CPath(path).GetFileTime(byPath, CPATH_MODIFIED));
        EXPECT_EQ(byPath.GetTime(), c.instant) << c.what;

        CFileFind find;
        ASSERT_TRUE(find.FindFile(path)) << c.what;
        find.FindNextFile();
        CTime byListing;
        EXPECT_TRUE(find.GetLastWriteTime(byListing));
        EXPECT_EQ(byListing.GetTime(), c.instant) << c.what;
        EXPECT_EQ(std::string(FormatDateCell(find.GetFindData().ftLastWriteTime)), c.listDate) << c.what;

        EXPECT_EQ(std::string(MakeResultRow(path).cells[RESULT_MODIFIED]), c.findTime) << c.what;
        find.Close();
        ASSERT_TRUE(::DeleteFileA(path));
    }
}
