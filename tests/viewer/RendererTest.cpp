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
