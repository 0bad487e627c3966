// A section dearer than the memory budget: 3 MiB of one-byte lines, which the text control
// cannot hold in a 32-bit process. The viewer shows the first part with a note of its own, goes
// on answering, and Copy, Find and Hex say nothing false.
#include "e2e/ViewerFixture.h"
#include "res/resource.h"
#include <stdlib.h>

namespace {

const size_t kSection = 3u << 20;

class ViewerBudgetE2E : public ViewerFixture {};

TEST_F(ViewerBudgetE2E, OneByteLinesShowInPartWithANoteAndHexShowsTheWholeSection)
{
    std::string bytes;
    bytes.reserve(kSection);
    while (bytes.size() < kSection) bytes += "a\n";
    ASSERT_TRUE(WriteFileBytes(dir.File("ones.txt"), bytes));

    CBrindlex v;
    ASSERT_TRUE(v.Start(std::string(dir.File("ones.txt")), "Brindlex - "));
    ASSERT_TRUE(v.WaitWhole(150000));
    ASSERT_TRUE(::IsWindow(v.Frame())) << "the viewer ended";
    DWORD_PTR r = 0;
    ASSERT_TRUE(::SendMessageTimeoutA(v.Frame(), WM_NULL, 0, 0, SMTO_NORMAL, 20000, &r)) << "the window does not answer";

    // The file's first bytes, then the note on a line of its own.
    std::string text = v.ShownText();
    const std::string lead = "\r\n[Shown: the first ", tail = " of 3145728 bytes of this section; Hex shows all of it.]";
    size_t at = text.rfind(lead);
    ASSERT_NE(at, std::string::npos) << "no note after a section shown in part";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    unsigned long shown = strtoul(text.c_str() + at + lead.size(), nullptr, 10);
    EXPECT_GT(shown, 100000ul);
    EXPECT_LT(shown, (unsigned long)kSection);
    EXPECT_EQ(shown % 2, 0ul) << "the part shown ends at a line end";
    std::string body;
    for (unsigned long i = 0; i < shown / 2; i++) body += "a\r\n";
    // The control's text before the note: the last line's break is the file's own.
    EXPECT_TRUE(text.substr(0, at + 2) == body) << "shown " << at + 2 << " characters, the file's first " << shown
                                                << " bytes make " << body.size();

    // Select All and Copy: the file's text as shown, without the note.
    ClearClipboard();
    v.Keys('A', true);
    v.Keys('C', true);
    ASSERT_TRUE(WaitFor([&] { return !ClipboardText().empty(); }, 30000));
    EXPECT_TRUE(ClipboardText() == body) << "copied " << ClipboardText().size() << " of " << body.size();

    // Find looks in the file's text: the note is not part of it.
    v.Keys(VK_F3);
    HWND find = v.FindDialog("Find");
    ASSERT_TRUE(find);
    ::SendMessageA(::FindWindowExA(find, nullptr, "Edit", nullptr), WM_SETTEXT, 0, (LPARAM) "Shown");
    ::PostMessageA(find, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(find, IDOK));
    EXPECT_EQ(v.AnswerMessageBox(30000), "No match was found!");
    ::PostMessageA(find, WM_CLOSE, 0, 0);

    // Hex: the whole section, 16 bytes a line, and no note.
    v.Command(ID_VIEWER_HEX);
    ASSERT_TRUE(v.WaitWhole(150000));
    ASSERT_TRUE(::IsWindow(v.Frame())) << "the viewer ended in hex";
    std::string hex = v.ShownText();
    EXPECT_EQ(hex.find("[Shown"), std::string::npos);
    EXPECT_EQ(hex.substr(0, 16), "000000  61 0A 61");
    EXPECT_NE(hex.find("07FFF0  61 0A 61 0A 61 0A 61 0A  61 0A 61 0A 61 0A 61 0A \ta.a.a.a.a.a.a.a.\r\n"), std::string::npos)
        << "the section's last line";
    EXPECT_EQ(v.Title(), "Brindlex - ones.txt");
}

}  // namespace
