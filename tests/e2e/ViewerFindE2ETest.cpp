// Find as the user sees it: where the view goes, and what the find box takes.
#include "e2e/ViewerFixture.h"
#include "res/resource.h"
#include <richedit.h>
#include <dlgs.h>

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
    // Finds what from the top of the text (the search starts at line 1), then copies the
    // match: the selection's range, and the text the clipboard got ("" when none was found).
    static std::string FindFromTopAndCopy(CBrindlex& v, HWND find, const char* what, DWORD* s, DWORD* e)
    {
        ::SendMessageA(v.Control(), EM_SETSEL, 0, 0);
        ::SendMessageA(v.Control(), EM_LINESCROLL, 0, -FirstVisible(v));
        ::SendMessageA(::FindWindowExA(find, nullptr, "Edit", nullptr), WM_SETTEXT, 0, (LPARAM)what);
        PressFindNext(v, find);  // a message box, when it comes, is up by now
        if (FindTopWindow(v.Pid(), "Brindlex", "#32770")) {
            EXPECT_EQ(v.AnswerMessageBox(), "No match was found!");
            *s = *e = 0;
            return "";
        }
        ::SendMessageA(v.Control(), EM_GETSEL, (WPARAM)s, (LPARAM)e);
        ClearClipboard();
        v.Command(ID_VIEWER_COPY);
        return ClipboardText();
    }
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

// The viewer breaks long lines at 1,024 bytes; a word it cuts stays one word for whole-word
// Find, and what Find selects copies as the file holds it.
TEST_F(ViewerFindE2E, AWordCutByTheViewersBreakIsOneWord)
{
    std::string prefix;
    while (prefix.size() < 1020) prefix += "ab ";
    // "needle" from 11 + 1020 = 1031, the viewer's break after "need" (1035); the real words
    // from 1039 on: "need" at 1043, "le" at 1056.
    CBrindlex v;
    HWND find = OpenWithFind(v, "first line\r\n" + prefix + "needle\r\nthe need and the le\r\n");
    ASSERT_TRUE(find);
    ::SendMessageA(::GetDlgItem(find, chx1), BM_SETCHECK, BST_CHECKED, 0);  // Match whole word only
    struct Case {
        const char* what;
        DWORD s, e;
        const char* copied;
    } cases[] = {
        {"need", 1043, 1047, "need"},
        {"le", 1056, 1058, "le"},
        {"needle", 1031, 1038, "needle"},  // a whole word across the break
    };
    for (const Case& c : cases) {
        DWORD s = 0, e = 0;
        EXPECT_EQ(FindFromTopAndCopy(v, find, c.what, &s, &e), c.copied) << c.what;
        EXPECT_EQ(s, c.s) << c.what;
        EXPECT_EQ(e, c.e) << c.what;
    }
}

// CR CR LF (a line end converted twice) and lone CRs: each CR and LF of the file is one line
// break on show, in what Copy gives (as CR LF) and for Find.
TEST_F(ViewerFindE2E, EveryCrAndLfOfTheFileIsALineBreak)
{
    CBrindlex v;
    HWND find = OpenWithFind(v, "abc\r\r\ndef\rghi\nend\r\n");
    ASSERT_TRUE(find);
    const std::string lines = "abc\r\n\r\ndef\r\nghi\r\nend\r\n";
    EXPECT_EQ(v.Text(), lines);
    ClearClipboard();
    ::SendMessageA(v.Control(), EM_SETSEL, 0, -1);
    v.Command(ID_VIEWER_COPY);
    EXPECT_EQ(ClipboardText(), lines);
    // "abc", two breaks, "def", a break: "ghi" is character 9 of the text.
    DWORD s = 0, e = 0;
    EXPECT_EQ(FindFromTopAndCopy(v, find, "ghi", &s, &e), "ghi");
    EXPECT_EQ(s, 9u);
    EXPECT_EQ(e, 12u);
    EXPECT_EQ((LONG)::SendMessageA(v.Control(), EM_EXLINEFROMCHAR, 0, (LPARAM)s), 3);
    EXPECT_EQ(FindFromTopAndCopy(v, find, "c def", &s, &e), "");  // no match over a line break
}

}  // namespace

// A word typed in another script and case is found in a file of every encoding, and Copy
// gives its characters.
TEST_F(ViewerFindE2E, AWordOfAnotherScriptIsFoundInEveryEncoding)
{
    for (const char* name : {"utf8_bom", "utf8", "utf16le", "utf16be"}) {
        SCOPED_TRACE(name);
        CBrindlex v;
        HWND find = OpenWithFind(v, ReadFileBytes(BesideTestProgram(CString("encoded\\") + name + ".txt")));
        ASSERT_TRUE(find);
        ::SendMessageA(v.Control(), EM_SETSEL, 0, 0);
        ::SendMessageW(::FindWindowExA(find, nullptr, "Edit", nullptr), WM_SETTEXT, 0,
                       (LPARAM)L"\u0436\u0418\u0412\u041E\u0419");  // the file holds it as "Живой"
        PressFindNext(v, find);
        if (FindTopWindow(v.Pid(), "Brindlex", "#32770")) FAIL() << v.AnswerMessageBox();  // no match
        DWORD s = 0, e = 0;
        ::SendMessageA(v.Control(), EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
        EXPECT_EQ(e - s, 5u);
        ClearClipboard();
        v.Command(ID_VIEWER_COPY);
        EXPECT_TRUE(ClipboardUnicodeText() == L"\u0416\u0438\u0432\u043E\u0439");
        ::SendMessageA(find, WM_CLOSE, 0, 0);
    }
}
