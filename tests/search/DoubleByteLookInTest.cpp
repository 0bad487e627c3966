// Look In in a double-byte code page (these cases run in code page 932): a folder whose name
// ends in a character with the trail byte of '\' is searched as it is named.
#include "SearchFixture.h"
#include "search/FindFields.h"

namespace {
const char kTable[] = "\x95\x5C";  // ends in the byte of '\'
const char kTableNul[] = "\x95\x5CNUL";  // no device: the 'N' follows a whole character
}  // namespace

TEST(DoubleByteLookIn, OnlyARealTrailingBackslashGoes)
{
    ASSERT_TRUE(::IsDBCSLeadByte(0x95)) << "the test needs code page 932, not " << ::GetACP();
    CTempDir dir;
    const CString folder = dir.File(kTable);
    ASSERT_TRUE(::CreateDirectoryA(folder, nullptr));
    for (const CString& lookIn : {folder, folder + "\\"}) {
        CFindFields f;
        f.m_strLookIn = lookIn;
        FILEFINDPARAMS p;
        ASSERT_TRUE(f.MakeParams(p)) << lookIn;
        EXPECT_EQ(p.folder, folder) << lookIn;
        EXPECT_TRUE(IsSearchableFolder(p.folder)) << lookIn;
    }
    const CString notDevice = dir.File(kTableNul);
    ASSERT_TRUE(::CreateDirectoryA(notDevice, nullptr));
    EXPECT_TRUE(IsSearchableFolder(notDevice));
    EXPECT_FALSE(IsSearchableFolder(folder + "\\NUL"));
}
