#include "RecordingWindow.h"
#include "viewer/AddedBreaks.h"
#include "viewer/ViewerFonts.h"

namespace {

// Renders the given bytes as the viewer would show section `section` of a file holding them.
std::string Render(const std::string& bytes, int hex, int section = 0)
{
    CTempDir dir;
    EXPECT_TRUE(WriteFileBytes(dir.File("f.bin"), bytes));
    EXPECT_TRUE(g_viewedFile.Open(dir.File("f.bin")));
    g_nFileLength = g_viewedFile.GetLength();
    g_bHexMode = hex;
    g_nSectionSize = hex ? HEX_SECTION_SIZE : TEXT_SECTION_SIZE;
    g_viewedFile.Seek((unsigned __int64)section * g_nSectionSize);
    g_nSectionLeft = g_nSectionSize;
    std::string text = StreamWholeSection();
    g_viewedFile.Close();
    return text;
}

std::string Blanks(int n) { return std::string((size_t)n, ' '); }

TEST(Renderer, TextModeShowsControlBytesAsDots)
{
    struct Case {
        std::string in, out;
    } cases[] = {
        {std::string("\x00\x41\x09\x42\x0D\x0A\x1B\x7F\xFF", 9), std::string(".A\tB\r\n.\x7F\xFF")},
        {std::string("\x01\x1F\x20\x80", 4), std::string("..\x20\x80")},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Render(c.in, 0), c.out);
}

// The control would take CR CR LF for a blank within one line: a CR before another CR goes
// to it as LF, so that every CR and LF of the file is the one line break it is there.
TEST(Renderer, EveryCrAndLfOfTheFileReachesTheControlAsItsOwnBreak)
{
    struct Case {
        std::string in, out;
    } cases[] = {
        {"abc\r\r\ndef", "abc\n\r\ndef"},
        {"a\r\r\r\nb\r\rc\r", "a\n\n\r\nb\n\rc\r"},
        {"a\rb\nc\r\nd\n\re", "a\rb\nc\r\nd\n\re"},  // no CR CR: nothing changes
        {std::string("\x01\r\r\n", 4), ".\n\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(Render(c.in, 0), c.out) << c.in;
}

TEST(Renderer, HexLinesFollowTheFixedLayout)
{
    EXPECT_EQ(Render("ab\n", 1), "000000  61 62 0A " + Blanks(3 * 13) + "\tab.\r\n");

    std::string seventeen;
    for (int i = 0; i < 17; i++) seventeen += (char)(0x30 + i);
    std::string two = Render(seventeen, 1);
    std::string first = "000000  30 31 32 33 34 35 36 37  38 39 3A 3B 3C 3D 3E 3F \t0123456789:;<=>?\r\n";
    EXPECT_EQ(first.size(), 76u);  // a full line
    EXPECT_EQ(two, first + "000010  40 " + Blanks(45) + "\t@\r\n");

    // Bytes below 0x20 are dots in the character column; 0x20 and 0x80 show as themselves.
    EXPECT_EQ(Render(std::string("\x1F\x20\x80", 3), 1), "000000  1F 20 80 " + Blanks(39) + "\t. \x80\r\n");
}

TEST(Renderer, HexOffsetsCountFromTheStartOfTheFile)
{
    std::string bytes(HEX_SECTION_SIZE + 20, 'z');
    std::string second = Render(bytes, 1, 1);
    EXPECT_EQ(second.substr(0, 8), "080000  ");
    EXPECT_EQ(second.size(), 76u + 8 + 12 + 36 + 1 + 4 + 2);  // one full line, one of 4 bytes
    EXPECT_EQ(Render(bytes, 1, 2), "");                      // past the end: nothing

    // A whole hex section: 32,768 full lines, streamed in chunks that fit the buffer.
    std::string whole = Render(std::string(HEX_SECTION_SIZE, '\x41'), 1);
    EXPECT_EQ(whole.size(), 32768u * 76);
}

TEST(Renderer, FilesPastFourGiBShowCompletely)
{
    // A sparse file of 4 GiB and 40 bytes: its last hex section starts past 32 bits.
    CTempDir dir;
    CString path = dir.File("huge.bin");
    {
        CFileHandle h(::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(h.IsValid());
        LARGE_INTEGER at;
        at.QuadPart = 0x100000000LL + 24;
        ASSERT_TRUE(::SetFilePointerEx(h, at, nullptr, FILE_BEGIN));
        DWORD done = 0;
        ASSERT_TRUE(::WriteFile(h, "END-OF-HUGE-FILE", 16, &done, nullptr));
    }
    ASSERT_TRUE(g_viewedFile.Open(path));
    g_nFileLength = g_viewedFile.GetLength();
    ASSERT_EQ(g_nFileLength, 0x100000000ull + 40);
    g_bHexMode = 1;
    g_nSectionSize = HEX_SECTION_SIZE;
    g_nSection = 0;
    g_bFileLoaded = 1;
    CRecordingWindow wnd;
    ViewLastSection();
    EXPECT_EQ(g_nSection, 8192);
    EXPECT_EQ(wnd.sectionTitle, "&Section 8193");
    EXPECT_EQ(wnd.shown.substr(0, 11), "100000000  ");
    EXPECT_NE(wnd.shown.find("\t........END-OF-H\r\n100000020  55 47"), std::string::npos);
    g_bHexMode = 0;
    g_nSectionSize = TEXT_SECTION_SIZE;
    g_nSection = 1365;  // the text section holding the last byte
    LoadSection();
    // One long line of dots: the control gets it cut at the bound, with a CR LF of ours each time.
    EXPECT_GT(g_addedBreaks.Count(), 0u);
    EXPECT_EQ(wnd.shown.size(), 0x100000000ull + 40 - 1365ull * TEXT_SECTION_SIZE + 2 * g_addedBreaks.Count());
    g_bFileLoaded = 0;
    g_viewedFile.Close();
}

TEST(ViewerFonts, StoredHeightIsNegatedAndFaceBounded)
{
    LOGFONTA lf = MakeViewerLogFont("MS Sans Serif", 8, 400);
    EXPECT_EQ(lf.lfHeight, -8);
    EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_EQ(lf.lfCharSet, 0);
    EXPECT_EQ(MakeViewerLogFont("Courier New", -13, 700).lfHeight, 13);
    std::string longFace(40, 'F');
    EXPECT_EQ(strlen(MakeViewerLogFont(longFace.c_str(), 10, 400).lfFaceName), 31u);
}

}  // namespace

// Code page 932 (these cases run in it): a long line is cut into runs of at most the bound's
// length, and a double-byte character that would pass the bound starts the next run.
TEST(DoubleByteRenderer, ARunEndsBeforeACharacterThatWouldPassTheBound)
{
    ASSERT_TRUE(::IsDBCSLeadByte(0x82)) << "the test needs code page 932, not " << ::GetACP();
    const std::string kana = "\x82\xA0";  // one character, two bytes
    struct Case {
        size_t before;     // single-byte characters before it
        size_t firstRun;   // bytes of the first run shown
        LONG firstBreak;   // where the control holds the viewer's first break
    } cases[] = {
        {TEXT_LINE_BOUND - 1, TEXT_LINE_BOUND - 1, (LONG)TEXT_LINE_BOUND - 1},  // would end at 1,025
        {TEXT_LINE_BOUND - 2, TEXT_LINE_BOUND, (LONG)TEXT_LINE_BOUND - 1},      // ends at the bound
        {TEXT_LINE_BOUND - 3, TEXT_LINE_BOUND - 1, (LONG)TEXT_LINE_BOUND - 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        std::string line = std::string(c.before, 'a') + kana;
        while (line.size() < 3 * TEXT_LINE_BOUND) line += kana + "b";
        std::string shown = Render(line + "\r\nend\r\n", 0);
        size_t cut = shown.find("\r\n");
        ASSERT_NE(cut, std::string::npos);
        EXPECT_EQ(cut, c.firstRun);
        EXPECT_EQ(shown.substr(cut + 2, 2), kana);  // the next run starts with the character
        ASSERT_GT(g_addedBreaks.Count(), 1u);
        EXPECT_EQ(g_addedBreaks.At(0), c.firstBreak);
        // No run is longer than the bound, and no character is split.
        std::string joined;
        for (size_t p = 0; p < shown.size();) {
            size_t e = shown.find("\r\n", p);
            EXPECT_LE(e - p, (size_t)TEXT_LINE_BOUND);
            std::string run = shown.substr(p, e - p);
            joined += run;
            int wide = ::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, run.data(), (int)run.size(), nullptr, 0);
            EXPECT_TRUE(run.empty() || wide > 0) << "a character split at " << p;
            p = e + 2;
        }
        EXPECT_TRUE(joined == line + "end");
    }
}
