// What a user meets with real files: closing during the copy, the clipboard's line ends,
// wildcards.
#include "e2e/ViewerFixture.h"
#include <algorithm>

namespace {

class ViewerLoadE2E : public ViewerFixture {};

TEST_F(ViewerLoadE2E, ClosingDuringTheCopyCancelsItAndCloses)
{
    // A large sparse file: the copy takes long enough for its progress to show.
    std::string path = dir.File("sparse.bin").c_str();
    {
        CFileHandle h(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(h.IsValid());
        LARGE_INTEGER size;
        size.QuadPart = 3LL << 30;
        ASSERT_TRUE(::SetFilePointerEx(h, size, nullptr, FILE_BEGIN));
        ASSERT_TRUE(::SetEndOfFile(h));
    }
    enum { CLOSE_BOX, ALT_X, ALT_F4 };
    for (int how : {CLOSE_BOX, ALT_X, ALT_F4}) {
        SCOPED_TRACE(how);
        CBrindlex v;
        ASSERT_TRUE(v.Start(path, "Copying "));
        switch (how) {
        case CLOSE_BOX: ::PostMessageA(v.Frame(), WM_SYSCOMMAND, SC_CLOSE, 0); break;
        case ALT_X: v.SendKeys('X', false, true); break;
        case ALT_F4: v.SendKeys(VK_F4, false, true); break;
        }
        ASSERT_TRUE(v.WaitExit(30000));
        EXPECT_EQ(TempCopies(), before);
    }
}

TEST_F(ViewerLoadE2E, CopyPutsCrLfLineEndsOnTheClipboard)
{
    std::string bytes;
    for (int i = 0; i < 500; i++) bytes += "line " + std::to_string(1000 + i) + " of the file......\r\n";
    std::string lf;
    for (int i = 0; i < 50; i++) lf += "lf line " + std::to_string(i) + "\n";
    struct Case {
        const char* name;
        const std::string* bytes;
        std::string want;
    } cases[] = {{"crlf.txt", &bytes, bytes}, {"lf.txt", &lf, ""}};
    cases[1].want = lf;
    for (size_t p = 0; (p = cases[1].want.find('\n', p)) != std::string::npos; p += 2) cases[1].want.insert(p, "\r");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteFileBytes(dir.File(c.name), *c.bytes));
        CBrindlex v;
        ASSERT_TRUE(v.Start(std::string(dir.File(c.name)), "Brindlex - "));
        ASSERT_TRUE(v.WaitForText());
        ClearClipboard();
        ::SendMessageA(v.Control(), EM_SETSEL, 0, -1);
        v.Keys('C', true);
        ASSERT_TRUE(WaitFor([&] { return !ClipboardText().empty(); }, 10000));
        EXPECT_EQ(ClipboardText().size(), c.want.size());
        EXPECT_TRUE(ClipboardText() == c.want);
    }
}

TEST_F(ViewerLoadE2E, WildcardsTypedByTheUserOpenTheFirstMatch)
{
    ASSERT_TRUE(::CreateDirectoryA(dir.File("sub"), nullptr));
    ASSERT_TRUE(WriteFileBytes(dir.File("sub\\only.txt"), "the only match"));
    ASSERT_TRUE(WriteFileBytes(dir.File("sub\\other.bin"), "no"));
    ASSERT_TRUE(WriteFileBytes(dir.File("f.txt"), "f dot txt"));
    struct Case {
        std::string arg;
        const char* text;
        const char* title;
    } cases[] = {
        {std::string(dir.File("sub\\*.txt")), "the only match", "Brindlex - only.txt"},
        {std::string(dir.File("f.tx?")), "f dot txt", "Brindlex - f.txt"},
    };
    for (const Case& c : cases) {
        ClearSettings();
        CBrindlex v;
        ASSERT_TRUE(v.Start(c.arg, "Brindlex - ")) << c.arg;
        ASSERT_TRUE(v.WaitForText()) << c.arg;
        EXPECT_EQ(v.Text(), c.text);
        EXPECT_EQ(v.Title(), c.title);
    }
    // A pattern that matches nothing is refused like a missing file.
    CBrindlex none;
    ASSERT_TRUE(none.Start(std::string(dir.File("sub\\*.none")), "Brindlex"));
    EXPECT_EQ(none.AnswerMessageBox(), "Can't open file!");
}

}  // namespace

// A file without line breaks (a minified data file, say) comes to the control in lines of a
// bounded length, so the platform's control lays it out at once; the text the user copies is
// the file's own, without the breaks the viewer added.
TEST_F(ViewerLoadE2E, AFileOfOneLongLineShowsWrappedAndCopiesAsTheFileHoldsIt)
{
    std::string bytes;
    bytes.reserve(3u << 20);
    for (unsigned i = 0; bytes.size() < (3u << 20) - 64; i++) bytes += "{\"k" + std::to_string(i) + "\":[1,2,3]},";
    ASSERT_TRUE(WriteFileBytes(dir.File("one-line.json"), bytes));
    CBrindlex v;
    ASSERT_TRUE(v.Start(std::string(dir.File("one-line.json")), "Brindlex - "));
    // The whole section is in once the control holds at least the file's characters.
    ASSERT_TRUE(WaitFor([&] { return (size_t)::SendMessageA(v.Control(), WM_GETTEXTLENGTH, 0, 0) >= bytes.size(); }, 60000));
    std::string shown = v.Text();
    std::string joined;
    size_t longest = 0;
    for (size_t p = 0; p <= shown.size();) {
        size_t e = shown.find("\r\n", p);
        if (e == std::string::npos) e = shown.size();
        longest = std::max(longest, e - p);
        joined.append(shown, p, e - p);
        p = e + 2;
    }
    EXPECT_LE(longest, 4096u);
    EXPECT_TRUE(joined == bytes) << "shown " << joined.size() << " of " << bytes.size() << " bytes";

    ClearClipboard();
    ::SendMessageA(v.Control(), EM_SETSEL, 0, -1);
    v.Keys('C', true);
    ASSERT_TRUE(WaitFor([&] { return !ClipboardText().empty(); }, 20000));
    std::string copied = ClipboardText();
    EXPECT_EQ(copied.size(), bytes.size());
    EXPECT_TRUE(copied == bytes);
}
