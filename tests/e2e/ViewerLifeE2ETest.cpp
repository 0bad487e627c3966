// The viewer's life as a user meets it: stored modes, maximised starts, closing while a
// message is up, the end of the session.
#include "e2e/ViewerFixture.h"

namespace {

class ViewerLifeE2E : public ViewerFixture {};

TEST_F(ViewerLifeE2E, AStoredHexOtherThanZeroOrOneIsHex)
{
    TestApp().WriteProfileInt("settings", "hex", 5);
    ASSERT_TRUE(WritePatternFile(dir.File("h.bin"), 512 * 1024 + 1));  // two hex sections
    {
        CBrindlex v;
        ASSERT_TRUE(v.Start(std::string(dir.File("h.bin")), "Brindlex - "));
        ASSERT_TRUE(v.WaitForText(60000));
        EXPECT_EQ(v.Text().substr(0, 8), "000000  ");
        v.Keys(VK_END, true);  // Ctrl+End: the last section, one byte
        EXPECT_TRUE(WaitFor([&] { return v.Text().substr(0, 11) == "080000  69 "; }, 60000));
        v.Keys('X', true);  // Ctrl+X: already hex, nothing happens
        ASSERT_TRUE(v.InputTaken());
        EXPECT_EQ(v.Text().substr(0, 11), "080000  69 ");
        v.Keys('T', true);  // Ctrl+T: text, the section that holds it
        EXPECT_TRUE(WaitFor([&] { return v.Text().substr(0, 12) == "abcdefghij\r\n"; }, 60000));
        EXPECT_TRUE(WaitFor([&] { return TestApp().GetProfileInt("settings", "hex", 9) == 0u; }));
        v.Keys('X', true);
        EXPECT_TRUE(WaitFor([&] { return TestApp().GetProfileInt("settings", "hex", 9) == 1u; }));
    }
    EXPECT_EQ(TempCopies(), before);
}

TEST_F(ViewerLifeE2E, ViewersStartedByAViewerMaximiseOnlyWhenMaxIsOne)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("a.txt"), "a"));
    ASSERT_TRUE(WriteFileBytes(dir.File("c.txt"), "c"));
    std::string args = "\"" + std::string(dir.File("a.txt")) + "\" \"" + std::string(dir.File("c.txt")) + "\"";
    struct Case {
        int max;
        bool self, started;
    } cases[] = {{0, false, false}, {1, true, true}, {2, true, false}};
    for (const Case& c : cases) {
        ClearSettings();
        TestApp().WriteProfileInt("settings", "max", c.max);
        CBrindlex v;
        ASSERT_TRUE(v.Start(args, "Brindlex - ")) << c.max;
        ASSERT_TRUE(v.WaitForText()) << c.max;
        EXPECT_EQ(::IsZoomed(v.Frame()) != 0, c.self) << c.max;
        std::vector<DWORD> kids = v.Children();
        ASSERT_EQ(kids.size(), 1u) << c.max;
        HWND other = WaitTopWindow(kids[0], "Brindlex - a.txt");
        ASSERT_TRUE(other) << c.max;
        // Its start-up is over once it first waits for input.
        CHandle started(::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, kids[0]));
        ASSERT_TRUE(started.IsValid()) << c.max;
        EXPECT_EQ(::WaitForInputIdle(started, 20000), 0u) << c.max;
        EXPECT_EQ(::IsZoomed(other) != 0, c.started) << c.max;
        if (!c.started) {
            RECT rc;
            ::GetWindowRect(other, &rc);
            EXPECT_EQ(rc.left, 60) << c.max;
            EXPECT_EQ(rc.right - rc.left, 520) << c.max;
        }
    }
}

// Posts a close to the frame while a message box of the viewer is up, as the window
// manager does for a user who closes the window; the viewer must go at once.
TEST_F(ViewerLifeE2E, CloseWhileAMessageIsUpEndsTheViewer)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("f.txt"), "no needle here\r\nnor here\r\n"));
    enum { STARTUP, NO_MATCH };
    for (int which : {STARTUP, NO_MATCH}) {
        CBrindlex v;
        if (which == STARTUP) {
            ASSERT_TRUE(v.Start(std::string(dir.File("missing.txt")), "Brindlex"));
        } else {
            ASSERT_TRUE(v.Start(std::string(dir.File("f.txt")), "Brindlex - "));
            ASSERT_TRUE(v.WaitForText());
            v.Keys(VK_F3);
            HWND find = v.FindDialog("Find");
            ASSERT_TRUE(find);
            HWND edit = ::FindWindowExA(find, nullptr, "Edit", nullptr);
            ::SendMessageA(edit, WM_SETTEXT, 0, (LPARAM) "zebra");
            ::PostMessageA(find, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(find, IDOK));
        }
        HWND box = v.FindDialog("Brindlex");
        ASSERT_TRUE(box) << which;
        EXPECT_EQ(WindowText(::GetDlgItem(box, 0xFFFF)), which == STARTUP ? "Can't open file!" : "No match was found!");
        ::PostMessageA(v.Frame(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(v.WaitExit()) << which;
        EXPECT_EQ(TempCopies(), before) << which;
    }
}

TEST_F(ViewerLifeE2E, SessionEndDeletesTheTemporaryCopyAndEndsTheViewer)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("s.txt"), "session"));
    CBrindlex v;
    ASSERT_TRUE(v.Start(std::string(dir.File("s.txt")), "Brindlex - "));
    ASSERT_TRUE(v.WaitForText());
    ASSERT_EQ(TempCopies().size(), before.size() + 1);
    DWORD_PTR r = 0;
    // A log-off that another program cancels ends nothing.
    ASSERT_TRUE(::SendMessageTimeoutA(v.Frame(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &r));
    EXPECT_TRUE(r);
    ASSERT_TRUE(::SendMessageTimeoutA(v.Frame(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &r));
    EXPECT_EQ(TempCopies().size(), before.size() + 1);
    EXPECT_EQ(v.Text(), "session");
    // The log-off goes ahead: the system may end the process as soon as the message returns.
    ASSERT_TRUE(::SendMessageTimeoutA(v.Frame(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &r));
    ASSERT_TRUE(::SendMessageTimeoutA(v.Frame(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &r));
    EXPECT_EQ(TempCopies(), before);
    EXPECT_TRUE(v.WaitExit());
    EXPECT_EQ(TempCopies(), before);
}

}  // namespace
