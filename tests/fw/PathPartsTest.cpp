// A path's name and parent folder, character by character in the path's code page.
#include "fw/PathParts.h"
#include <gtest/gtest.h>
#include <string>

namespace {
struct PathCase {
    const char* path;
    const char* name;
    const char* parent;
};
}  // namespace

TEST(PathParts, NameAndParentAtTheLastSeparator)
{
    const PathCase cases[] = {
        {"C:\\Data\\Sub", "Sub", "C:\\Data\\"},
        {"C:\\Data", "Data", "C:\\"},
        {"C:\\", "", "C:\\"},
        {"C:\\dir\\file.txt", "file.txt", "C:\\dir\\"},
        {"Z:/data/B.txt", "B.txt", "Z:/data/"},
        {"C:\\dir/sub\\x", "x", "C:\\dir/sub\\"},
        {"C:/dir/", "", "C:/dir/"},
        {"plain.txt", "plain.txt", ""},
        {"", "", ""},
    };
    for (const PathCase& c : cases) {
        EXPECT_STREQ(NameOfPath(c.path), c.name) << c.path;
        EXPECT_STREQ(ParentOfPath(c.path), c.parent) << c.path;
    }
    EXPECT_STREQ(NameOfPath(nullptr), "");
    EXPECT_STREQ(ParentOfPath(nullptr), "");
}

TEST(PathParts, TheParentOfALongPathIsWhole)
{
    // Longer than any fixed buffer: the parent is still everything up to the last backslash.
    std::string parent = "T:\\" + std::string(250, 'd') + "\\" + std::string(20, 'e') + "\\";
    EXPECT_STREQ(ParentOfPath((parent + "Sub").c_str()), parent.c_str());
    EXPECT_STREQ(NameOfPath((parent + "Sub").c_str()), "Sub");
}

// In code page 932 the character 0x95 0x5C ends in the byte of a backslash: it is one
// character of a name, never a separator.
TEST(PathParts, ADoubleByteCharacterEndingIn0x5CIsNoSeparator)
{
    const UINT kJapanese = 932;
    ASSERT_TRUE(::IsDBCSLeadByteEx(kJapanese, 0x95)) << "code page 932 is not installed";
    const PathCase cases[] = {
        {"C:\\Data\\\x95\x5C", "\x95\x5C", "C:\\Data\\"},
        {"C:\\\x95\x5C\\a.txt", "a.txt", "C:\\\x95\x5C\\"},
        {"C:\\Data\\\x95\x5C\x95\x5C.txt", "\x95\x5C\x95\x5C.txt", "C:\\Data\\"},
        {"\x95\x5C", "\x95\x5C", ""},
        // A folder whose name ends in the character still ends with its own backslash.
        {"C:\\\x95\x5C\\", "", "C:\\\x95\x5C\\"},
    };
    for (const PathCase& c : cases) {
        EXPECT_STREQ(NameOfPath(c.path, kJapanese), c.name) << c.path;
        EXPECT_STREQ(ParentOfPath(c.path, kJapanese), c.parent) << c.path;
    }
    // Read byte by byte, as a single-byte code page does, the same text splits at the 0x5C.
    EXPECT_STREQ(NameOfPath("C:\\Data\\\x95\x5C" "a", 1252), "a");
}
