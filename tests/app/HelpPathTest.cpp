#include "support/TestSupport.h"
#include "app/BrindlexApp.h"

TEST(HelpPath, ReplacesEverythingAfterTheLastDot)
{
    struct Case { const char* exe; const char* help; } cases[] = {
        {"C:\\Tools\\app.beta.exe", "C:\\Tools\\app.beta.chm"},
        {"C:\\Program Files\\Brindlex\\brindlex.exe", "C:\\Program Files\\Brindlex\\brindlex.chm"},
        {"prog.e", "prog.chm"},
    };
    for (const Case& c : cases) {
        char out[300];
        ASSERT_TRUE(MakeHelpPath(c.exe, out, sizeof out)) << c.exe;
        EXPECT_STREQ(out, c.help);
    }
    char out[300] = "unchanged";
    EXPECT_FALSE(MakeHelpPath("noextension", out, sizeof out));  // never searches before the buffer
    EXPECT_STREQ(out, "unchanged");
    char small[8];
    EXPECT_FALSE(MakeHelpPath("C:\\a\\long.exe", small, sizeof small));
}
