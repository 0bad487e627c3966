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
        {"\"a\" ", {"a"}},  // ... unless it is the last character; a blank name is no name
        {"\"\"  \"\" ", {}},
        {"\"A.txt\"  \"B.txt\"", {"A.txt", "B.txt"}},  // a second blank is skipped
        {"\"A.txt\"   \t \"B.txt\"", {"A.txt", "B.txt"}},
        {"\"a  b.txt\" \"B.txt\"", {"a  b.txt", "B.txt"}},  // blanks inside a name stay
        {"\"", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        CArray<CString> names;
        SplitViewerCommandLine(c.line, names);
        ASSERT_EQ((size_t)names.GetSize(), c.names.size()) << c.line;
        for (int i = 0; i < names.GetSize(); i++) EXPECT_EQ(std::string(names[i]), c.names[(size_t)i]) << c.line;
        // The Unicode form of the same line splits the same.
        std::wstring wide(c.line, c.line + strlen(c.line));
        SplitViewerCommandLine(wide.c_str(), names);
        ASSERT_EQ((size_t)names.GetSize(), c.names.size()) << c.line;
        for (int i = 0; i < names.GetSize(); i++) EXPECT_EQ(std::string(names[i]), c.names[(size_t)i]) << c.line;
    }
}

TEST(CommandLine, UnicodeNamesOutsideTheCodePageComeOutEmpty)
{
    struct Case {
        const wchar_t* line;
        std::vector<std::string> names;
    } cases[] = {
        {L"C:\\\x3a9mega.txt", {""}},            // best fits to "Omega.txt"
        {L"C:\\a\x142" L"b.txt", {""}},            // best fits to "alb.txt"
        {L"\"C:\\\x65e5.txt\" \"C:\\b.txt\"", {"", "C:\\b.txt"}},  // would be "?.txt"
        {L"C:\\f.tx?", {"C:\\f.tx?"}},           // typed: a pattern
        {L"C:\\*.txt", {"C:\\*.txt"}},
        {L"C:\\caf\xe9.txt", {"C:\\caf\xe9.txt"}},  // in the code page
    };
    for (const Case& c : cases) {
        CArray<CString> names;
        SplitViewerCommandLine(c.line, names);
        ASSERT_EQ((size_t)names.GetSize(), c.names.size());
        for (int i = 0; i < names.GetSize(); i++) EXPECT_EQ(std::string(names[i]), c.names[(size_t)i]) << i;
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
    // A pattern the user typed yields its first match; one that matches nothing stays.
    EXPECT_EQ(std::string(LookUpLongName(dir.File("read*"))), std::string(dir.File("ReadMe.TXT")));
    EXPECT_EQ(std::string(LookUpLongName(dir.File("ReadMe.TX?"))), std::string(dir.File("ReadMe.TXT")));
    EXPECT_EQ(std::string(LookUpLongName(dir.File("none*"))), std::string(dir.File("none*")));
    EXPECT_EQ(std::string(LookUpLongName(dir.Path() + "/readme.txt")), std::string(dir.Path() + "/ReadMe.TXT"));
    EXPECT_EQ(std::string(LookUpLongName("C:\\missing\\x.txt")), "C:\\missing\\x.txt");
    EXPECT_EQ(std::string(LookUpLongName("")), "");
}

TEST(CommandLine, NewViewersGetTheProgramPathQuoted)
{
    EXPECT_EQ(std::string(MakeViewerCommandLine("C:\\Program Files\\B\\brindlex.exe", "C:\\a b.txt")),
              "\"C:\\Program Files\\B\\brindlex.exe\" C:\\a b.txt");
}

TEST(CommandLine, NamesResolveToTheFullLongPath)
{
    CTempDir dir;
    ASSERT_TRUE(::CreateDirectoryA(dir.File("sub"), nullptr));
    ASSERT_TRUE(WriteFileBytes(dir.File("sub\\ReadMe.TXT"), "x"));
    std::string want = dir.File("sub\\ReadMe.TXT").c_str();
    char saved[MAX_PATH];
    ::GetCurrentDirectoryA(sizeof saved, saved);
    ASSERT_TRUE(::SetCurrentDirectoryA(dir.Path()));
    std::string slashed = want;
    for (char& c : slashed)
        if (c == '\\') c = '/';
    struct Case { std::string name, expect; } cases[] = {
        {"sub\\readme.txt", want},
        {"sub/readme.txt", want},
        {slashed, want},
        {".\\sub\\..\\sub/README.TXT", want},
        {"sub\\missing.txt", std::string(dir.File("sub\\missing.txt"))},  // full, even when absent
        {"sub\\*.txt", want},  // a pattern: its first match
        {"sub\\*.none", std::string(dir.File("sub\\*.none"))},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(std::string(ResolveViewerName(c.name.c_str())), c.expect) << c.name;
    ::SetCurrentDirectoryA(saved);
}

TEST(CommandLine, StartedByViewerMarkIsTakenOnce)
{
    EXPECT_FALSE(TakeStartedByViewerMark());
    SetStartedByViewerMark(true);
    EXPECT_TRUE(TakeStartedByViewerMark());
    EXPECT_FALSE(TakeStartedByViewerMark());  // programs this one starts do not inherit it
    SetStartedByViewerMark(true);
    SetStartedByViewerMark(false);
    EXPECT_FALSE(TakeStartedByViewerMark());
}
