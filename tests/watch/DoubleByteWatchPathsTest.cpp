// Watched paths in a double-byte code page (these cases run in code page 932): a folder whose
// name ends in a character with the trail byte of '\' is a folder, with or without a backslash.
#include "support/TestSupport.h"
#include "watch/WatchPaths.h"

TEST(DoubleByteWatchPaths, AFolderNamedWithATrailByteBackslash)
{
    ASSERT_TRUE(::IsDBCSLeadByte(0x95)) << "the test needs code page 932, not " << ::GetACP();
    CTempDir dir;
    const CString folder = dir.File("\x95\x5C");
    ASSERT_TRUE(::CreateDirectoryA(folder, nullptr));
    EXPECT_TRUE(IsFolderPath(folder));
    EXPECT_TRUE(IsFolderPath(folder + "\\"));
    EXPECT_EQ(GetWatchDirectory(folder + "\\a.txt"), folder + "\\");
    const CString file = dir.File("a\x95\x5C");
    ASSERT_TRUE(WriteFileBytes(file, "x"));
    EXPECT_FALSE(IsFolderPath(file));
    EXPECT_EQ(GetWatchDirectory(file), dir.Path() + "\\");
}
