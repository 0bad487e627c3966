#include "support/TestSupport.h"
#include "viewer/CommandLine.h"
#include <vector>

TEST(CommandLine, QuotedNamesAndPlainNames)
{
    struct Case {
        const char* line;
        std::vector<std::string> names;
    } cases[] = {
        {"\"C:\\a b.txt\" \"C:\\c.txt\"", {"C:\\a b.txt", "C:\\c.txt"}},
        {"C:\\a b.txt", {"C:\\a b.txt"}},
        {"\"C:\\only one.txt\"", {"C:\\only one.txt"}},
        {"\"a\"\"b\"", {"a", "b"}},
        {"\" \"", {}},         // a blank right after a quote separates names
        {"\"a\" ", {"a", " "}},  // ... unless it is the last character
        {"\"\"  \"\" ", {" ", " "}},
        {"\"", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        CArray<CString> names;
        SplitViewerCommandLine(c.line, names);
        ASSERT_EQ((size_t)names.GetSize(), c.names.size()) << c.line;
        for (int i = 0; i < names.GetSize(); i++) EXPECT_EQ(std::string(names[i]), c.names[(size_t)i]) << c.line;
    }
}

TEST(CommandLine, ProgramNameIsSkippedLikeTheStartupCode)
{
    struct Case { const char* full; const char* tail; } cases[] = {
        {"brindlex.exe C:\\x.txt", "C:\\x.txt"},
        {"\"C:\\Program Files\\brindlex.exe\"   \"a b\" c", "\"a b\" c"},
        {"brindlex.exe", ""},
        {"brindlex.exe    ", ""},
        {"\"unterminated", ""},
    };
    for (const Case& c : cases) EXPECT_STREQ(AfxCommandLineTail(c.full), c.tail) << c.full;
}

TEST(CommandLine, LongNameLookupUsesTheStoredName)
{
    CTempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File("ReadMe.TXT"), "x"));
    EXPECT_EQ(std::string(LookUpLongName(dir.File("readme.txt"))), std::string(dir.File("ReadMe.TXT")));
    EXPECT_EQ(std::string(LookUpLongName(dir.File("read*"))), std::string(dir.File("ReadMe.TXT")));
    EXPECT_EQ(std::string(LookUpLongName("C:\\missing\\x.txt")), "C:\\missing\\x.txt");
    EXPECT_EQ(std::string(LookUpLongName("")), "");
}

TEST(CommandLine, NewViewersGetTheProgramPathQuoted)
{
    EXPECT_EQ(std::string(MakeViewerCommandLine("C:\\Program Files\\B\\brindlex.exe", "C:\\a b.txt")),
              "\"C:\\Program Files\\B\\brindlex.exe\" C:\\a b.txt");
}
