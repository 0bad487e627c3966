// The viewer driven from outside, as a user works it.
#include "e2e/ViewerFixture.h"
#include "res/resource.h"
#include <shlobj.h>

namespace {

class ViewerE2E : public ViewerFixture {};

TEST_F(ViewerE2E, OpensTheFileUnderItsStoredNameAndClosesCleanly)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("ReadMe.TXT"), "first line\r\nsecond line\r\n"));
    CBrindlex v;
    ASSERT_TRUE(v.Start(std::string(dir.File("readme.txt")), "Brindlex - "));
    ASSERT_TRUE(v.WaitForText());
    EXPECT_EQ(v.Title(), "Brindlex - ReadMe.TXT");
    EXPECT_EQ(v.Text(), "first line\r\nsecond line\r\n");
    std::vector<std::string> during = TempCopies();
    EXPECT_EQ(during.size(), before.size() + 1);  // the temporary copy
    v.Keys('X', false, true);                     // Alt+X: Exit
    ASSERT_TRUE(v.WaitExit());
    EXPECT_EQ(TempCopies(), before);
}

TEST_F(ViewerE2E, MissingFileIsReportedAndTheWindowStays)
{
    CBrindlex v;
    ASSERT_TRUE(v.Start(std::string(dir.File("no such file.txt")), "Brindlex"));
    EXPECT_EQ(v.AnswerMessageBox(), "Can't open file!");
    EXPECT_TRUE(::IsWindow(v.Frame()));
    EXPECT_EQ(v.Title(), "Brindlex");
    ASSERT_TRUE(WriteFileBytes(dir.File("later.txt"), "later"));
    v.Command(ID_VIEWER_HEX);  // Hex with nothing loaded: only the mode changes
    EXPECT_EQ(TestApp().GetProfileInt("settings", "hex", 0), 1u);
    ::PostMessageA(v.Frame(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(v.WaitExit());
    EXPECT_EQ(TempCopies(), before);
}

// A recent file that vanished fails to open: the window shows what it shows with nothing
// loaded, and the commands act as with nothing loaded.
TEST_F(ViewerE2E, AFailedOpenLeavesNothingOfTheOldFileOnShow)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("old.txt"), "the old file\r\n"));
    TestApp().WriteProfileString("mru", "mru1", dir.File("gone.txt"));
    CBrindlex v;
    ASSERT_TRUE(v.Start(std::string(dir.File("old.txt")), "Brindlex - "));
    ASSERT_TRUE(v.WaitForText());
    ::PostMessageA(v.Frame(), WM_COMMAND, ID_RECENT_FILE_FIRST, 0);
    EXPECT_EQ(v.AnswerMessageBox(), "Can't open file!");
    v.Sync();
    EXPECT_EQ(v.Title(), "Brindlex");
    EXPECT_EQ(v.Text(), "");
    v.Keys('N', true);  // Ctrl+N: Next section
    v.Keys(VK_F3);      // Find
    v.Keys('X', true);  // Ctrl+X: Hex
    ASSERT_TRUE(v.InputTaken());
    EXPECT_FALSE(FindTopWindow(v.Pid(), "Find", "#32770"));
    EXPECT_EQ(TestApp().GetProfileInt("settings", "hex", 0), 1u);
    EXPECT_EQ(v.Title(), "Brindlex");
    EXPECT_EQ(v.Text(), "");
    ::PostMessageA(v.Frame(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(v.WaitExit());
    EXPECT_EQ(TempCopies(), before);
}

TEST_F(ViewerE2E, HexAndTextModesByKeys)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("ab.txt"), "ab\n"));
    CBrindlex v;
    ASSERT_TRUE(v.Start(std::string(dir.File("ab.txt")), "Brindlex - "));
    ASSERT_TRUE(v.WaitForText());
    v.Keys('X', true);  // Ctrl+X: Hex
    std::string hex = "000000  61 62 0A " + std::string(39, ' ') + "\tab.\r\n";
    EXPECT_TRUE(WaitFor([&] { return v.Text() == hex; })) << v.Text();
    v.Keys('T', true);  // Ctrl+T: Text
    EXPECT_TRUE(WaitFor([&] { return v.Text() == "ab\r\n"; })) << v.Text();
    EXPECT_EQ(TestApp().GetProfileInt("settings", "hex", 9), 0u);
}

TEST_F(ViewerE2E, SectionsByKeys)
{
    ASSERT_TRUE(WritePatternFile(dir.File("big.txt"), 3 * 1024 * 1024 + 1));
    CBrindlex v;
    ASSERT_TRUE(v.Start(std::string(dir.File("big.txt")), "Brindlex - "));
    ASSERT_TRUE(v.WaitForText(60000));
    EXPECT_EQ(v.Text().substr(0, 24), "abcdefghij\r\nabcdefghij\r\n");
    v.Keys('N', true);  // Ctrl+N: the second section holds one byte
    EXPECT_TRUE(WaitFor([&] { return v.Text() == "a"; }, 60000)) << v.Text().size();
    v.Keys('N', true);  // no third section
    ASSERT_TRUE(v.InputTaken());
    EXPECT_EQ(v.Text(), "a");
    v.Keys(VK_END, true);  // Ctrl+End: already the last section
    ASSERT_TRUE(v.InputTaken());
    EXPECT_EQ(v.Text(), "a");
    v.Keys('V', true);  // Ctrl+V: previous section
    EXPECT_TRUE(WaitFor([&] { return v.Text().substr(0, 12) == "abcdefghij\r\n"; }, 60000));
}

// Types text into the find dialog and presses Find Next.
void FindNext(CBrindlex& v, HWND find, const char* what)
{
    HWND edit = ::FindWindowExA(find, nullptr, "Edit", nullptr);
    ::SendMessageA(edit, WM_SETTEXT, 0, (LPARAM)what);
    // Sent messages are handled in order: the round trip ends once the search has run.
    ::SendNotifyMessageA(find, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(find, IDOK));
    v.Sync();
}

TEST_F(ViewerE2E, FindStartsBelowTheFirstVisibleLineAndReportsTheEnd)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("f.txt"), "needle zero\r\nline one\r\nneedle two\r\nneedle three\r\n"));
    CBrindlex v;
    ASSERT_TRUE(v.Start(std::string(dir.File("f.txt")), "Brindlex - "));
    ASSERT_TRUE(v.WaitForText());
    ASSERT_TRUE(v.InputTaken());  // the start-up click lands first
    ::SendMessageA(v.Control(), EM_SETSEL, 0, 0);
    v.Keys(VK_F3);
    HWND find = v.FindDialog("Find");
    ASSERT_TRUE(find);
    FindNext(v, find, "NEEDLE");  // nothing selected: line 0 is skipped
    DWORD s = 0, e = 0;
    ::SendMessageA(v.Control(), EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
    std::string text = v.Text();
    size_t two = text.find("needle two");
    // Rich edit counts a line end as one character.
    EXPECT_EQ(s, (DWORD)(two - 2));
    EXPECT_EQ(e - s, 6u);
    FindNext(v, find, "NEEDLE");  // from behind that match
    ::SendMessageA(v.Control(), EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
    EXPECT_EQ(s, (DWORD)(text.find("needle three") - 3));
    ::PostMessageA(find, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(find, IDOK));
    EXPECT_EQ(v.AnswerMessageBox(), "No match was found!");
    ::PostMessageA(find, WM_CLOSE, 0, 0);  // the dialog goes; the viewer takes Find again
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(find); }));
    v.Keys(VK_F3);
    EXPECT_TRUE(v.FindDialog("Find"));
}

TEST_F(ViewerE2E, CopyPutsTheSelectionOnTheClipboard)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("c.txt"), "hello world"));
    CBrindlex v;
    ASSERT_TRUE(v.Start(std::string(dir.File("c.txt")), "Brindlex - "));
    ASSERT_TRUE(v.WaitForText());
    ::SendMessageA(v.Control(), EM_SETSEL, 6, 11);
    v.Command(ID_VIEWER_COPY);  // the same command Ctrl+C sends
    std::string got;
    WaitFor([&] { return (got = ClipboardText()) == "world"; }, 5000);
    EXPECT_EQ(got, "world");
}

TEST_F(ViewerE2E, PlacementCommands)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("p.txt"), "p"));
    CBrindlex v;
    ASSERT_TRUE(v.Start(std::string(dir.File("p.txt")), "Brindlex - "));
    ASSERT_TRUE(v.WaitForText());
    RECT rc;
    ::GetWindowRect(v.Frame(), &rc);
    EXPECT_EQ(rc.left, 60);
    EXPECT_EQ(rc.right - rc.left, 520);
    v.Keys('U', true);  // Ctrl+U: upper half of the screen
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    WaitFor([&] { return ::GetWindowRect(v.Frame(), &rc) && rc.bottom == cy / 2; });
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.top, 0);
    EXPECT_EQ(rc.right, cx);
    EXPECT_EQ(rc.bottom, cy / 2);
    // The control follows the frame (the frame has its new place before its WM_SIZE has run).
    RECT client, ctl;
    WaitFor([&] {
        return ::GetClientRect(v.Frame(), &client) && ::GetClientRect(v.Control(), &ctl) && ctl.right == client.right;
    });
    EXPECT_EQ(ctl.right, client.right);
    v.Keys('D', true);  // Ctrl+D: default window
    WaitFor([&] { return ::GetWindowRect(v.Frame(), &rc) && rc.left == 60; });
    EXPECT_EQ(rc.left, 60);
    EXPECT_EQ(rc.top, 60);
    EXPECT_EQ(rc.right - rc.left, 520);
    EXPECT_EQ(rc.bottom - rc.top, 360);
}

TEST_F(ViewerE2E, QuotedNamesStartOneViewerEachButTheLast)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("a b.txt"), "first"));
    ASSERT_TRUE(WriteFileBytes(dir.File("c.txt"), "last"));
    CBrindlex v;
    std::string args = "\"" + std::string(dir.File("a b.txt")) + "\" \"" + std::string(dir.File("c.txt")) + "\"";
    ASSERT_TRUE(v.Start(args, "Brindlex - "));
    ASSERT_TRUE(v.WaitForText());
    EXPECT_EQ(v.Title(), "Brindlex - c.txt");
    HWND other = WaitTopWindow(0, "Brindlex - a b.txt");
    ASSERT_TRUE(other);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(other, &pid);
    EXPECT_NE(pid, v.Pid());
    EXPECT_EQ(v.Children().size(), 1u);
}

TEST_F(ViewerE2E, BadNamesNeverCrash)
{
    std::string longName = std::string(dir.Path()) + "\\" + std::string(300, 'n');
    const char* cases[] = {longName.c_str(), "\"  \" \"", "\"\"", "C:\\"};
    for (const char* args : cases) {
        CBrindlex v;
        ASSERT_TRUE(v.Start(args, "Brindlex")) << args;
        EXPECT_EQ(v.AnswerMessageBox(), "Can't open file!") << args;
        EXPECT_TRUE(::IsWindow(v.Frame())) << args;
        ::PostMessageA(v.Frame(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(v.WaitExit()) << args;
    }
    EXPECT_EQ(TempCopies(), before);
}

}  // namespace

namespace {

TEST(ViewerHelp, HelpContentsOpensTheHelpFileButF1DoesNothing)
{
    ClearSettings();
    CTempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File("h.txt"), "help"));
    CBrindlex v;
    ASSERT_TRUE(v.Start(std::string(dir.File("h.txt")), "Brindlex - "));
    ASSERT_TRUE(v.WaitForText());
    v.Keys(VK_F1);  // the viewer's F1 sends a command nothing handles
    ASSERT_TRUE(v.InputTaken());
    EXPECT_FALSE(FindTopWindow(v.Pid(), "Brindlex Help"));
    ::PostMessageA(v.Frame(), WM_COMMAND, ID_HELP_CONTENTS, 0);
    HWND help = WaitTopWindow(v.Pid(), "Brindlex Help", 20000);
    EXPECT_TRUE(help);
    if (help) ::PostMessageA(help, WM_CLOSE, 0, 0);
}

}  // namespace
