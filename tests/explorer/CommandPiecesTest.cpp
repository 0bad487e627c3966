// The plain pieces of the file commands: command lines, entered names, the recent-programs
// list in the registry, and the name dialog.
#include "NameAnswerer.h"
#include "explorer/CommandLines.h"
#include "explorer/NameDialog.h"
#include "explorer/RecentPrograms.h"

TEST(CommandLines, ViewQuotesTheProgramOnly)
{
    EXPECT_STREQ(MakeViewCommandLine("C:\\Program Files\\brindlex.exe", "T:\\My Data\\a b.txt"),
                 "\"C:\\Program Files\\brindlex.exe\" T:\\My Data\\a b.txt");
}

TEST(CommandLines, QuotedFormQuotesBoth)
{
    EXPECT_STREQ(MakeQuotedCommandLine("C:\\Tools\\edit.exe", "T:\\a.txt", 512), "\"C:\\Tools\\edit.exe\" \"T:\\a.txt\"");
}

TEST(CommandLines, TooLongIsRefusedWholeNeverCut)
{
    struct Case {
        int buffer;
        bool quoted;
    } cases[] = {{VIEW_COMMAND_BUFFER, false}, {OPEN_WITH_COMMAND_BUFFER, true}, {RECENT_COMMAND_BUFFER, true}};
    for (const Case& c : cases) {
        std::string program = "C:\\p.exe";
        int overhead = c.quoted ? 5 : 3;  // quotes and the blank
        // Exactly fits: length buffer - 1.
        std::string path = "T:\\" + std::string((size_t)(c.buffer - 1 - overhead - (int)program.size() - 3), 'x');
        CString fits = c.quoted ? MakeQuotedCommandLine(program.c_str(), path.c_str(), c.buffer)
                                : MakeViewCommandLine(program.c_str(), path.c_str(), c.buffer);
        EXPECT_EQ(fits.GetLength(), c.buffer - 1) << c.buffer;
        path += "y";
        CString over = c.quoted ? MakeQuotedCommandLine(program.c_str(), path.c_str(), c.buffer)
                                : MakeViewCommandLine(program.c_str(), path.c_str(), c.buffer);
        EXPECT_TRUE(over.IsEmpty()) << c.buffer;
    }
}

TEST(CommandLines, QuotesInsideAreRefused)
{
    EXPECT_TRUE(MakeQuotedCommandLine("C:\\a\".exe", "T:\\a.txt", 512).IsEmpty());
    EXPECT_TRUE(MakeQuotedCommandLine("C:\\a.exe", "T:\\a\" b.txt", 512).IsEmpty());
    EXPECT_TRUE(MakeViewCommandLine("", "T:\\a.txt").IsEmpty());
}

TEST(EnteredNames, OneBackslashGoesAtEachEnd)
{
    struct {
        const char* in;
        const char* out;
    } cases[] = {{"notes.txt", "notes.txt"}, {"\\notes.txt\\", "notes.txt"}, {"\\\\x\\\\", "\\x\\"},
                 {"\\", ""},                 {"", ""},                       {"a\\b", "a\\b"}};
    for (auto& c : cases) EXPECT_STREQ(TrimEnteredName(c.in), c.out) << c.in;
}

TEST(EnteredNames, WhatCanBeOneEntry)
{
    for (const char* good : {"a.txt", "NewFolder", "console", "com0", "lpt10", "a b", ".hidden"})
        EXPECT_TRUE(IsValidEntryName(good)) << good;
    for (const char* bad : {"", "a:b", "a\\b", "a/b", "a*", "a?", "a\"b", "a<b", "a>b", "a|b", "con", "CON.txt", "nul",
                            "aux.c", "prn", "com1", "LPT9.doc", "trail.", "trail ", "tab\there"})
        EXPECT_FALSE(IsValidEntryName(bad)) << bad;
}

namespace {
class RecentPrograms : public ::testing::Test {
protected:
    void SetUp() override { ClearSettings(); }
    void TearDown() override { ClearSettings(); }
    void Set(int k, const char* v)
    {
        char name[8];
        wsprintfA(name, "mre%d", k);
        TestApp().WriteProfileString("mre", name, v);
    }
    std::vector<std::string> All()
    {
        std::vector<std::string> v;
        for (int k = 1; k <= 8; k++) v.push_back((const char*)ReadRecentProgram(&TestApp(), k));
        return v;
    }
};
}  // namespace

TEST_F(RecentPrograms, TheListStopsAtTheFirstEmptyValue)
{
    Set(1, "C:\\Tools\\edit.exe");
    Set(3, "C:\\Tools\\third.exe");
    CArray<CString> list = ReadRecentPrograms(&TestApp());
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_STREQ(list[0], "C:\\Tools\\edit.exe");
}

TEST_F(RecentPrograms, ANewProgramGoesFirstAndTheEighthDrops)
{
    for (int k = 1; k <= 8; k++) Set(k, ("C:\\p" + std::to_string(k) + ".exe").c_str());
    AddRecentProgram(&TestApp(), "C:\\new.exe");
    std::vector<std::string> v = All();
    EXPECT_EQ(v[0], "C:\\new.exe");
    for (int k = 1; k < 8; k++) EXPECT_EQ(v[(size_t)k], "C:\\p" + std::to_string(k) + ".exe");
}

TEST_F(RecentPrograms, AListedProgramKeepsItsPlaceInAnyCase)
{
    Set(1, "C:\\a.exe");
    Set(2, "C:\\Tools\\Edit.exe");
    AddRecentProgram(&TestApp(), "c:\\tools\\EDIT.EXE");
    std::vector<std::string> v = All();
    EXPECT_EQ(v[0], "C:\\a.exe");
    EXPECT_EQ(v[1], "C:\\Tools\\Edit.exe");
    EXPECT_EQ(v[2], "");
}

TEST_F(RecentPrograms, IntoAnEmptyList)
{
    AddRecentProgram(&TestApp(), "C:\\first.exe");
    std::vector<std::string> v = All();
    EXPECT_EQ(v[0], "C:\\first.exe");
    EXPECT_EQ(v[1], "");
}

TEST(RecentProgramText, ProductNameOrTheFileNameWithoutItsExtension)
{
    char self[MAX_PATH];
    ASSERT_GT(::GetModuleFileNameA(nullptr, self, sizeof self), 0u);
    // The test programs carry the product's version resource.
    EXPECT_STREQ(RecentProgramText(self), "Brindlex");
    EXPECT_STREQ(RecentProgramText("C:\\Nowhere\\app.exe"), "app");
    EXPECT_STREQ(RecentProgramText("C:\\Nowhere\\ab.c"), "ab.c");
    EXPECT_STREQ(RecentProgramText("C:\\Nowhere\\abcd"), "abcd");
    EXPECT_STREQ(RecentProgramText("C:\\Nowhere\\abcde"), "a");
}

TEST(NameDialog, RenameShowsItsPromptAndSelectsTheWholeName)
{
    CNameAnswerer answer("new name.txt");
    CString result = RunNameDialog(NEWF_RENAME, "old name.txt");
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(answer.Caption(), "Rename");
    EXPECT_EQ(answer.Label(), "Rename:");
    EXPECT_EQ(answer.Initial(), "old name.txt");
    EXPECT_EQ(answer.SelStart(), 0u);
    EXPECT_EQ(answer.SelEnd(), 12u);
    EXPECT_TRUE(answer.EditHadFocus());
    EXPECT_STREQ(result, "new name.txt");
}

TEST(NameDialog, EachModeHasItsPrompt)
{
    struct {
        int mode;
        const char* label;
        const char* caption;
    } cases[] = {{NEWF_FOLDER, "New Folder:", "New Folder"},
                 {NEWF_FILE, "New File:", "New File"},
                 {NEWF_COPY_RENAME, "Copy and Rename:", "Copy and Rename"},
                 {7, "New Folder:", "New Folder"}};
    for (auto& c : cases) {
        CNameAnswerer answer("\\typed\\");
        CString result = RunNameDialog(c.mode, "x");
        ASSERT_TRUE(answer.Wait());
        EXPECT_EQ(answer.Label(), c.label);
        EXPECT_EQ(answer.Caption(), c.caption);
        // Returned exactly as typed: callers trim.
        EXPECT_STREQ(result, "\\typed\\");
    }
}

TEST(NameDialog, CancelGivesNothingEvenWithAnInitialText)
{
    CNameAnswerer answer("typed anyway", IDCANCEL);
    CString result = RunNameDialog(NEWF_FOLDER, "NewFolder");
    ASSERT_TRUE(answer.Wait());
    EXPECT_TRUE(result.IsEmpty());
}
