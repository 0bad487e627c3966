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

namespace {
struct EndCase {
    const char* path;
    bool endsWithSeparator;
    const char* withoutTrailing;
};
}  // namespace

TEST(PathParts, TrailingSeparatorsAreFoundAndStripped)
{
    const EndCase cases[] = {
        {"C:\\Data\\", true, "C:\\Data"},
        {"C:\\Data\\\\", true, "C:\\Data"},
        {"C:/Data/", true, "C:/Data"},
        {"C:\\Data", false, "C:\\Data"},
        {"C:\\", true, "C:\\"},
        {"C:\\\\", true, "C:\\"},
        {"C:", false, "C:"},
        {"\\", true, "\\"},
        {"\\\\server\\share\\", true, "\\\\server\\share"},
        {"", false, ""},
    };
    for (const EndCase& c : cases) {
        EXPECT_EQ(EndsWithSeparator(c.path), c.endsWithSeparator) << c.path;
        EXPECT_STREQ(WithoutTrailingSeparators(c.path), c.withoutTrailing) << c.path;
    }
    EXPECT_FALSE(EndsWithSeparator(nullptr));
    EXPECT_STREQ(WithoutTrailingSeparators(nullptr), "");
}

TEST(PathParts, NextSeparatorFromAPosition)
{
    EXPECT_EQ(NextSeparator("C:\\Data\\Sub"), 2);
    EXPECT_EQ(NextSeparator("C:\\Data\\Sub", 3), 7);
    EXPECT_EQ(NextSeparator("C:\\Data/Sub", 3), 7);
    EXPECT_EQ(NextSeparator("C:\\Data\\Sub", 8), -1);
    EXPECT_EQ(NextSeparator("C:\\Data\\Sub", 11), -1);
    EXPECT_EQ(NextSeparator("C:\\Data\\Sub", 12), -1);
    EXPECT_EQ(NextSeparator("C:\\Data\\Sub", -1), -1);
    EXPECT_EQ(NextSeparator(nullptr), -1);
}

TEST(PathParts, CharactersOfASetAndTheLastCharacter)
{
    const char* text = "a<b|c";
    EXPECT_EQ(FindCharacterIn(text, "|<"), text + 1);
    EXPECT_EQ(FindCharacterIn(text, "?*"), nullptr);
    EXPECT_EQ(FindCharacterIn("", "?"), nullptr);
    EXPECT_EQ(LastCharacterOf(text), text + 4);
    EXPECT_STREQ(LastCharacterOf(""), "");
}

// The character 0x95 0x5C ends in the byte of a backslash, 0x83 0x7C in the byte of '|': in
// code page 932 neither ends a path with a separator, splits it, or is stripped from it.
TEST(PathParts, SeparatorChecksKeepDoubleByteCharactersWhole)
{
    const UINT kJapanese = 932;
    ASSERT_TRUE(::IsDBCSLeadByteEx(kJapanese, 0x95)) << "code page 932 is not installed";
    const EndCase cases[] = {
        {"C:\\Data\\\x95\x5C", false, "C:\\Data\\\x95\x5C"},
        {"C:\\Data\\\x95\x5C\\", true, "C:\\Data\\\x95\x5C"},
        {"C:\\Data\\\x95\x5C\\\\", true, "C:\\Data\\\x95\x5C"},
        {"\x95\x5C", false, "\x95\x5C"},
    };
    for (const EndCase& c : cases) {
        EXPECT_EQ(EndsWithSeparator(c.path, kJapanese), c.endsWithSeparator) << c.path;
        EXPECT_STREQ(WithoutTrailingSeparators(c.path, kJapanese), c.withoutTrailing) << c.path;
    }
    const char* path = "C:\\\x95\x5C\x95\x5C\\a";
    EXPECT_EQ(NextSeparator(path, 0, kJapanese), 2);
    EXPECT_EQ(NextSeparator(path, 3, kJapanese), 7);
    const char* name = "a\x95\x5C";
    EXPECT_EQ(LastCharacterOf(name, kJapanese), name + 1);
    const char* bar = "\x83\x7C\x95\x5C|";
    EXPECT_EQ(FindCharacterIn(bar, "|\\", kJapanese), bar + 4);
    // Read byte by byte, as a single-byte code page does, the same texts split at the trail bytes.
    EXPECT_TRUE(EndsWithSeparator("C:\\Data\\\x95\x5C", 1252));
    EXPECT_EQ(FindCharacterIn(bar, "|\\", 1252), bar + 1);
}
