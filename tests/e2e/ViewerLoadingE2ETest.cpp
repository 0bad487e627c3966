// While a section is still coming in: the window answers, and every command has one outcome
// (commands that need the whole section get all of it, those that load another abandon this
// one, Esc and close end it), with the text on show checked against the file each time.
#include "e2e/ViewerFixture.h"
#include "res/resource.h"
#include <richedit.h>
#include <algorithm>

namespace {

const size_t kSection = 3u << 20;  // a text section

// Numbered lines filling the first section, one "needle" near its end, and a short second section.
std::string TwoSections()
{
    std::string s;
    s.reserve(kSection + 4096);
    for (int i = 0; s.size() < kSection - 200; i++) s += "first section line " + std::to_string(i) + "\r\n";
    s += "the needle is here\r\n";
    s += std::string(kSection - s.size(), '.');
    for (int i = 0; i < 50; i++) s += "second section line " + std::to_string(i) + "\r\n";
    return s;
}

class ViewerLoadingE2E : public ViewerFixture {
protected:
    void SetUp() override
    {
        ViewerFixture::SetUp();
        bytes = TwoSections();
        ASSERT_TRUE(WriteFileBytes(dir.File("two.txt"), bytes));
    }
    // Starts a viewer on the file and returns once its first screenful shows with the rest still to come.
    void StartLoading(CBrindlex& v)
    {
        ASSERT_TRUE(v.Start(std::string(dir.File("two.txt")), "Brindlex - "));
        ASSERT_TRUE(WaitFor([&] { return v.Loading(); }, 30000)) << "the section came in all at once";
    }
    std::string First() const { return bytes.substr(0, kSection); }
    std::string Second() const { return bytes.substr(kSection); }
    std::string bytes;
};

TEST_F(ViewerLoadingE2E, TheWindowAnswersAndScrollsWhileTheRestComesIn)
{
    CBrindlex v;
    ASSERT_NO_FATAL_FAILURE(StartLoading(v));
    // The frame answers a message sent to it, and the control scrolls for the keyboard,
    // both before the section is whole.
    DWORD_PTR r = 0;
    ASSERT_TRUE(::SendMessageTimeoutA(v.Frame(), WM_NULL, 0, 0, SMTO_NORMAL, 20000, &r));
    // Each Page Down is seen to move the view before the next is pressed.
    LONG first = 0;
    for (int page = 0; page < 2; ++page) {
        LONG last = first;
        v.Keys(VK_NEXT);
        ASSERT_TRUE(WaitFor([&] { return (first = (LONG)::SendMessageA(v.Control(), EM_GETFIRSTVISIBLELINE, 0, 0)) > last; }, 20000));
    }
    EXPECT_TRUE(v.Loading()) << "the load ended before the keys were taken";

    ASSERT_TRUE(v.WaitWhole());
    EXPECT_TRUE(v.Text() == First()) << "pieces lost, doubled or reordered";
    EXPECT_EQ((LONG)::SendMessageA(v.Control(), EM_GETFIRSTVISIBLELINE, 0, 0), first) << "the view moved";
    EXPECT_EQ(v.Title(), "Brindlex - two.txt");
}

TEST_F(ViewerLoadingE2E, CommandsThatNeedTheWholeSectionGetAllOfIt)
{
    {
        SCOPED_TRACE("Select All and Copy");
        CBrindlex v;
        ASSERT_NO_FATAL_FAILURE(StartLoading(v));
        ClearClipboard();
        v.Keys('A', true);
        v.Keys('C', true);
        ASSERT_TRUE(WaitFor([&] { return !ClipboardText().empty(); }, 30000));
        EXPECT_TRUE(ClipboardText() == First()) << "copied " << ClipboardText().size() << " of " << kSection;
        EXPECT_FALSE(v.Loading());
    }
    {
        SCOPED_TRACE("Find Next");
        CBrindlex v;
        ASSERT_NO_FATAL_FAILURE(StartLoading(v));
        v.Keys(VK_F3);
        HWND find = v.FindDialog("Find");
        ASSERT_TRUE(find);
        ::SendMessageA(::FindWindowExA(find, nullptr, "Edit", nullptr), WM_SETTEXT, 0, (LPARAM) "needle");
        ::PostMessageA(find, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(find, IDOK));
        // The control counts a line end as one character.
        std::string upTo = First().substr(0, First().find("needle"));
        LONG at = (LONG)(upTo.size() - (size_t)std::count(upTo.begin(), upTo.end(), '\n'));
        DWORD s = 0, e = 0;
        ASSERT_TRUE(WaitFor([&] {
            ::SendMessageA(v.Control(), EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
            return e > s;
        }, 30000)) << "no match in the part that had come in";
        EXPECT_EQ((LONG)s, at);
        EXPECT_EQ(e - s, 6u);
        EXPECT_TRUE(v.Text() == First());
        ::PostMessageA(find, WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(TempCopies().size(), before.size());
}

TEST_F(ViewerLoadingE2E, CommandsThatLoadAnotherSectionAbandonThisOne)
{
    struct Case {
        const char* name;
        std::vector<UINT> commands;
        bool hex;
        bool first;
    } cases[] = {
        {"Next", {ID_VIEWER_NEXT}, false, false},
        {"Next, then Previous before the second is in", {ID_VIEWER_NEXT, ID_VIEWER_PREVIOUS}, false, true},
        {"Last", {ID_VIEWER_LAST}, false, false},
        {"Hex", {ID_VIEWER_HEX}, true, true},
    };
    std::string hexFirst;
    {
        // The first hex section as a viewer started in hex mode shows it.
        TestApp().WriteProfileInt("settings", "hex", 1);
        CBrindlex h;
        ASSERT_TRUE(h.Start(std::string(dir.File("two.txt")), "Brindlex - "));
        ASSERT_TRUE(h.WaitForText());
        hexFirst = h.Text();
        ASSERT_FALSE(hexFirst.empty());
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearSettings();
        CBrindlex v;
        ASSERT_NO_FATAL_FAILURE(StartLoading(v));
        for (UINT id : c.commands) v.Command(id);
        ASSERT_TRUE(v.WaitWhole());
        std::string shown = v.Text();
        if (c.hex) {
            EXPECT_TRUE(shown == hexFirst) << "shown " << shown.size() << " of " << hexFirst.size();
        } else {
            EXPECT_TRUE(shown == (c.first ? First() : Second())) << "shown " << shown.size();
        }
        EXPECT_EQ(v.Title(), "Brindlex - two.txt");
    }
}

TEST_F(ViewerLoadingE2E, EscAndCloseEndTheLoadAtOnce)
{
    {
        SCOPED_TRACE("Esc");
        CBrindlex v;
        ASSERT_NO_FATAL_FAILURE(StartLoading(v));
        v.Keys(VK_ESCAPE);
        ASSERT_TRUE(WaitFor([&] { return v.Title() == "Brindlex"; }, 20000)) << v.Title();
        EXPECT_FALSE(v.Loading());
        EXPECT_EQ(v.ShownText(), "") << "a half section stayed on show";
        // Nothing is loaded: Next has nothing to show.
        v.Command(ID_VIEWER_NEXT);
        EXPECT_EQ(v.ShownText(), "");
    }
    for (UINT how : {(UINT)WM_CLOSE, (UINT)ID_APP_EXIT}) {
        SCOPED_TRACE(how);
        CBrindlex v;
        ASSERT_NO_FATAL_FAILURE(StartLoading(v));
        if (how == WM_CLOSE)
            ::PostMessageA(v.Frame(), WM_CLOSE, 0, 0);
        else
            ::PostMessageA(v.Frame(), WM_COMMAND, ID_APP_EXIT, 0);
        ASSERT_TRUE(v.WaitExit(30000));
        EXPECT_EQ(TempCopies(), before) << "the temporary copy stayed behind";
    }
}

}  // namespace
