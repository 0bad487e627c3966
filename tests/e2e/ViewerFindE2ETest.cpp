// Find as the user sees it: where the view goes, and what the find box takes.
#include "e2e/ViewerFixture.h"
#include <richedit.h>

namespace {

class ViewerFindE2E : public ViewerFixture {
protected:
    void TearDown() override { EXPECT_EQ(TempCopies(), before); }
    // Opens the viewer on text, with the default 520 x 360 window, and opens the find dialog.
    HWND OpenWithFind(CBrindlex& v, const std::string& text)
    {
        EXPECT_TRUE(WriteFileBytes(dir.File("f.txt"), text));
        if (!v.Start(std::string(dir.File("f.txt")), "Brindlex - ") || !v.WaitForText()) return nullptr;
        if (!v.InputTaken()) return nullptr;  // the start-up click lands first
        v.Keys(VK_F3);
        return v.FindDialog("Find");
    }
    static void PressFindNext(CBrindlex& v, HWND find)
    {
        // Sent messages are handled in order: the round trip ends once the search has run.
        ::SendNotifyMessageA(find, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(find, IDOK));
        v.Sync();
    }
    static LONG FirstVisible(CBrindlex& v) { return (LONG)::SendMessageA(v.Control(), EM_GETFIRSTVISIBLELINE, 0, 0); }
};

TEST_F(ViewerFindE2E, TheMatchLineBecomesTheFirstVisibleLine)
{
    std::string text;
    for (int i = 0; i < 200; i++) text += "line " + std::to_string(i) + (i == 50 || i == 70 ? " needle" : "") + "\r\n";
    CBrindlex v;
    HWND find = OpenWithFind(v, text);
    ASSERT_TRUE(find);
    ::SendMessageA(v.Control(), EM_SETSEL, 0, 0);
    ::SendMessageA(v.Control(), EM_LINESCROLL, 0, 40 - FirstVisible(v));
    ASSERT_EQ(FirstVisible(v), 40);
    ::SendMessageA(::FindWindowExA(find, nullptr, "Edit", nullptr), WM_SETTEXT, 0, (LPARAM) "needle");

    PressFindNext(v, find);  // from line 41
    EXPECT_EQ(FirstVisible(v), 50);
    DWORD s = 0, e = 0;
    ::SendMessageA(v.Control(), EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
    EXPECT_EQ((LONG)::SendMessageA(v.Control(), EM_EXLINEFROMCHAR, 0, (LPARAM)s), 50);
    EXPECT_EQ(e - s, 6u);

    PressFindNext(v, find);  // from behind that match
    EXPECT_EQ(FirstVisible(v), 70);
    ::SendMessageA(v.Control(), EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
    EXPECT_EQ((LONG)::SendMessageA(v.Control(), EM_EXLINEFROMCHAR, 0, (LPARAM)s), 70);

    // No more matches: the view stays where the user was.
    ::PostMessageA(find, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(find, IDOK));
    EXPECT_EQ(v.AnswerMessageBox(), "No match was found!");
    EXPECT_EQ(FirstVisible(v), 70);
}

TEST_F(ViewerFindE2E, NearTheEndTheTextScrollsAsFarAsItCan)
{
    std::string text;
    for (int i = 0; i < 60; i++) text += "line " + std::to_string(i) + (i == 58 ? " needle" : "") + "\r\n";
    CBrindlex v;
    HWND find = OpenWithFind(v, text);
    ASSERT_TRUE(find);
    ::SendMessageA(v.Control(), EM_SETSEL, 0, 0);
    ::SendMessageA(v.Control(), EM_LINESCROLL, 0, 1000);
    LONG last = FirstVisible(v);  // as far down as the control goes
    ASSERT_GT(last, 0);
    ::SendMessageA(v.Control(), EM_LINESCROLL, 0, -last);
    ::SendMessageA(::FindWindowExA(find, nullptr, "Edit", nullptr), WM_SETTEXT, 0, (LPARAM) "needle");
    PressFindNext(v, find);
    EXPECT_EQ(FirstVisible(v), std::min<LONG>(58, last));
    DWORD s = 0, e = 0;
    ::SendMessageA(v.Control(), EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
    EXPECT_EQ((LONG)::SendMessageA(v.Control(), EM_EXLINEFROMCHAR, 0, (LPARAM)s), 58);
}

TEST_F(ViewerFindE2E, TheFindBoxTakes79Characters)
{
    std::string x79(79, 'x');
    CBrindlex v;
    HWND find = OpenWithFind(v, "first line\r\n" + x79 + "y\r\n");
    ASSERT_TRUE(find);
    HWND edit = ::FindWindowExA(find, nullptr, "Edit", nullptr);
    ASSERT_TRUE(edit);
    ::SendMessageA(edit, WM_SETTEXT, 0, (LPARAM) "");
    for (int i = 0; i < 80; i++) ::SendMessageA(edit, WM_CHAR, 'x', 1);  // typed: the 80th is refused
    EXPECT_EQ(WindowText(edit), x79);
    ::SendMessageA(v.Control(), EM_SETSEL, 0, 0);
    PressFindNext(v, find);
    DWORD s = 0, e = 0;
    ::SendMessageA(v.Control(), EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
    EXPECT_EQ(s, 11u);  // "first line" and one character for its line end
    EXPECT_EQ(e - s, 79u);
}

}  // namespace
