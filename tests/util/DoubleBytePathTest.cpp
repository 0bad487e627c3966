// Paths in a double-byte code page (these cases run in code page 932): a character whose trail
// byte is the byte of '\' stays one character of its folder's or file's name.
#include "support/TestSupport.h"
#include "util/Path.h"

TEST(DoubleBytePath, FoldersAndNamesKeepTheirCharacters)
{
    ASSERT_TRUE(::IsDBCSLeadByte(0x95)) << "the test needs code page 932, not " << ::GetACP();
    CPath path("C:\\\x95\x5C\\b\x95\x5C\\x\x95\x5C.txt");
    EXPECT_EQ(path.GetDirectory(), "\\\x95\x5C\\b\x95\x5C\\");
    ASSERT_EQ(path.GetDirectoryCount(), 2);
    EXPECT_EQ(path.GetDirectory(0), "\x95\x5C");
    EXPECT_EQ(path.GetDirectory(1), "b\x95\x5C");
    EXPECT_EQ(path.GetFileName(), "x\x95\x5C.txt");
    CPath folder("C:\\a\\\x95\x5C", TRUE);
    EXPECT_EQ(folder.GetDirectory(), "\\a\\\\\x95\x5C\\");  // the folder flag adds its backslash whatever ends the text
    EXPECT_EQ(folder.GetDirectoryCount(), 2);
}
