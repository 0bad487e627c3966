// The fields of Find Files turned into a search, and the integer check of the size fields.
#include "SearchFixture.h"
#include "fw/DataExchange.h"
#include "search/FindFields.h"

TEST(FindFields, NameTextSizesAndSubfoldersMakeTheSearch)
{
    CFindFields f;
    // A new window searches the sub-folders too, and lists in Replace mode.
    EXPECT_TRUE(f.m_bSubfolders);
    EXPECT_FALSE(f.m_bSizeLimits);
    EXPECT_EQ(f.m_nListMode, 0);
    f.m_strLookIn = "C:\\Data";
    f.m_strNamed = "txt";
    f.m_bSubfolders = FALSE;
    FILEFINDPARAMS p;
    ASSERT_TRUE(f.MakeParams(p));
    EXPECT_EQ(p.folder, "C:\\Data");
    EXPECT_EQ(p.mask, "*txt*");
    EXPECT_EQ(p.flags, (DWORD)FIND_ATTRIBUTES);
    EXPECT_EQ(p.attributes, (DWORD)FILE_ATTRIBUTE_ARCHIVE);
    EXPECT_FALSE(p.subfolders);

    f.m_strNamed = "";
    f.m_strContaining = "needle";
    f.m_bSubfolders = TRUE;
    f.m_bSizeLimits = TRUE;
    f.m_nMinKB = 1;
    f.m_nMaxKB = 2147483647;
    FILEFINDPARAMS q;
    ASSERT_TRUE(f.MakeParams(q));
    EXPECT_EQ(q.mask, "**");
    EXPECT_EQ(q.text, "needle");
    EXPECT_TRUE(q.subfolders);
    EXPECT_EQ(q.flags, (DWORD)(FIND_ATTRIBUTES | FIND_SIZE | FIND_TEXT));
    EXPECT_EQ(q.minSize, 1024u);
    EXPECT_EQ(q.maxSize, 2147483647ULL * 1024);  // no 32-bit wrap

    // The size fields count only with the box checked.
    f.m_bSizeLimits = FALSE;
    FILEFINDPARAMS r;
    ASSERT_TRUE(f.MakeParams(r));
    EXPECT_EQ(r.flags & FIND_SIZE, 0u);
}

TEST(FindFields, LookInLosesItsTrailingBackslashAndEmptyIsRefused)
{
    CFindFields f;
    FILEFINDPARAMS p;
    EXPECT_FALSE(f.MakeParams(p));
    f.m_strLookIn = "C:\\";
    ASSERT_TRUE(f.MakeParams(p));
    EXPECT_EQ(f.m_strLookIn, "C:");
    EXPECT_EQ(p.folder, "C:");
}

TEST(FindFields, LookInInTheLongFormsBecomesThePlainForm)
{
    struct {
        const char* lookIn;
        const char* folder;
    } cases[] = {
        {"\\\\?\\T:\\doc", "T:\\doc"},
        {"\\\\.\\T:\\doc\\", "T:\\doc"},
        {"//?/T:/doc", "T:\\doc"},
        {"\\\\?\\T:", "T:"},
        {"\\\\?\\UNC\\server\\share", "\\\\server\\share"},
        // No folder in the plain form: left as it is, for IsSearchableFolder to turn away.
        {"\\\\.\\PhysicalDrive0", "\\\\.\\PhysicalDrive0"},
        {"\\\\?\\Volume{0}", "\\\\?\\Volume{0}"},
        {"\\\\.\\T:doc", "\\\\.\\T:doc"},
    };
    for (auto& c : cases) {
        CFindFields f;
        f.m_strLookIn = c.lookIn;
        FILEFINDPARAMS p;
        ASSERT_TRUE(f.MakeParams(p)) << c.lookIn;
        EXPECT_EQ(p.folder, c.folder) << c.lookIn;
    }
    EXPECT_FALSE(IsSearchableFolder("\\\\.\\PhysicalDrive0"));
}

TEST(FindFields, IntegerFieldsTakeSigned32BitNumbersOnly)
{
    struct Case {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"0", true, 0},       {"12", true, 12},       {" 7 ", true, 7},
        {"-3", true, -3},     {"+4", true, 4},        {"2147483647", true, 2147483647},
        {"-2147483648", true, (int)0x80000000}, {"2147483648", false, 0}, {"", false, 0},
        {"abc", false, 0},    {"12x", false, 0},      {"1 2", false, 0}, {"-", false, 0},
        {"99999999999999999999", false, 0},
    };
    for (const Case& c : cases) {
        int v = -99;
        EXPECT_EQ(ParseInteger(c.text, v) != FALSE, c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.text;
        }
    }
}

TEST(FindFields, OnlyExistingFoldersAreSearched)
{
    CTempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File("file.txt"), "x"));
    struct Case {
        CString path;
        bool ok;
    } cases[] = {
        {dir.Path(), true},
        {dir.Path() + "\\", true},
        {dir.File("file.txt"), false},
        {dir.File("missing"), false},
        {"", false},
        {"NUL", false},
        {"CON\\", false},
        {dir.File("com1"), false},
        {dir.File("nul.txt\\"), false},
        {"\\\\.\\COM1", false},
        {"\\\\.\\PhysicalDrive0\\", false},
        {"\\\\?\\C:\\", false},
        {CString('a', 300), false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsSearchableFolder(c.path) != FALSE, c.ok) << c.path.c_str();
}
