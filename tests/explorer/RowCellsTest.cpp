#include "support/TestSupport.h"
#include "explorer/RowCells.h"
#include "explorer/NameIndex.h"
#include "util/PathText.h"
#include "explorer/tree/LeftView.h"
#include <shlobj.h>

static WIN32_FIND_DATAA Entry(DWORD attributes, DWORD sizeHigh, DWORD sizeLow)
{
    WIN32_FIND_DATAA fd = {};
    fd.dwFileAttributes = attributes;
    fd.nFileSizeHigh = sizeHigh;
    fd.nFileSizeLow = sizeLow;
    return fd;
}

TEST(RowCells, SizeIsDecimalBytesAndEmptyForFolders)
{
    EXPECT_EQ(FormatSizeCell(Entry(FILE_ATTRIBUTE_ARCHIVE, 0, 0)), "0");
    EXPECT_EQ(FormatSizeCell(Entry(FILE_ATTRIBUTE_NORMAL, 0, 1536)), "1536");
    EXPECT_EQ(FormatSizeCell(Entry(FILE_ATTRIBUTE_NORMAL, 1, 0)), "4294967296");
    EXPECT_EQ(FormatSizeCell(Entry(FILE_ATTRIBUTE_NORMAL, 0xFFFFFFFF, 0xFFFFFFFF)), "18446744073709551615");
    // A folder shows nothing even when the file system reports a size.
    EXPECT_EQ(FormatSizeCell(Entry(FILE_ATTRIBUTE_DIRECTORY, 0, 4096)), "");
}

TEST(RowCells, DatesAreLocalMonthDayYear)
{
    EXPECT_EQ(FormatDateCell(LocalFileTime(2024, 3, 7, 12)), "03-07-2024");
    EXPECT_EQ(FormatDateCell(LocalFileTime(2023, 12, 31, 23)), "12-31-2023");
    EXPECT_EQ(FormatDateCell(LocalFileTime(1965, 1, 2, 12)), "01-02-1965");
}

TEST(RowCells, DateIsEmptyForZeroLowPartOrUnconvertibleStamps)
{
    FILETIME lowZero = {0, 0x01D00000};
    EXPECT_EQ(FormatDateCell(lowZero), "");
    FILETIME huge = {0xFFFFFFFF, 0xFFFFFFFF};
    EXPECT_EQ(FormatDateCell(huge), "");
}

// Only the shell's "ghosted" answer dims a row; hidden or system attributes alone do not.
TEST(RowCells, RowIsDimmedExactlyWhenTheShellCallsItGhosted)
{
    struct {
        DWORD shell;
        UINT state;
    } cases[] = {
        {0, 0u},
        {SFGAO_GHOSTED, (UINT)LVIS_CUT},
        {SFGAO_GHOSTED | SFGAO_FOLDER | SFGAO_HASSUBFOLDER, (UINT)LVIS_CUT},
        {SFGAO_FOLDER | SFGAO_LINK | SFGAO_SHARE | SFGAO_READONLY, 0u},
        {(DWORD)~SFGAO_GHOSTED, 0u},
    };
    for (const auto& c : cases) EXPECT_EQ(RowStateOf(c.shell), c.state) << std::hex << c.shell;
}

TEST(NameIndex, NamesMeetIgnoringCaseAndCountRepeats)
{
    CNameIndex index;
    index.Add("Readme.TXT");
    index.Add("readme.txt");
    EXPECT_TRUE(index.Contains("README.txt"));
    EXPECT_FALSE(index.Contains("readme"));
    index.Remove("README.TXT");
    EXPECT_TRUE(index.Contains("readme.txt"));  // one row of that name remains
    index.Remove("readme.txt");
    EXPECT_FALSE(index.Contains("readme.txt"));
    index.Remove("absent");
    EXPECT_EQ(index.GetRowCount(), 0);
}

TEST(PathText, BackslashesJoinOnce)
{
    EXPECT_EQ(JoinPath("C:\\", "Data"), "C:\\Data");
    EXPECT_EQ(JoinPath("C:\\Data", "a.txt"), "C:\\Data\\a.txt");
    EXPECT_EQ(WithBackslash("C:\\Data\\"), "C:\\Data\\");
    EXPECT_EQ(WithBackslash(""), "\\");
    EXPECT_FALSE(EndsWithBackslash(""));
}

TEST(FolderFilter, OnlyDirectoryHiddenSystemExactlyIsLeftOut)
{
    const DWORD folder = FILE_ATTRIBUTE_DIRECTORY, hidden = FILE_ATTRIBUTE_HIDDEN, system = FILE_ATTRIBUTE_SYSTEM;
    EXPECT_TRUE(IsHiddenSystemFolder(folder | hidden | system));
    EXPECT_FALSE(IsHiddenSystemFolder(folder | hidden));  // shown
    EXPECT_FALSE(IsHiddenSystemFolder(folder | hidden | system | FILE_ATTRIBUTE_READONLY));  // shown
    EXPECT_FALSE(IsHiddenSystemFolder(folder | hidden | system | FILE_ATTRIBUTE_ARCHIVE));   // shown
    EXPECT_FALSE(IsHiddenSystemFolder(folder));
}
