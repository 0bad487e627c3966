// The encoding of a file and the characters the renderer makes of its bytes.
#include "RecordingWindow.h"
#include "viewer/TextDecoder.h"
#include <string>

namespace {

std::string Bytes(std::initializer_list<int> b)
{
    std::string s;
    for (int v : b) s += (char)v;
    return s;
}

TEST(Encoding, DecidedByTheMarkElseByValidUtf8ElseAnsi)
{
    std::string utf8 = "caf\xC3\xA9";  // café
    std::string big(ENCODING_SAMPLE_SIZE - 1, 'a');
    struct Case {
        const char* name;
        std::string bytes;
        VIEWER_ENCODING expect;
    } cases[] = {
        {"UTF-8 mark", "\xEF\xBB\xBFplain", ENCODING_UTF8},
        {"UTF-16 LE mark", Bytes({0xFF, 0xFE, 'a', 0}), ENCODING_UTF16LE},
        {"UTF-16 BE mark", Bytes({0xFE, 0xFF, 0, 'a'}), ENCODING_UTF16BE},
        {"valid UTF-8", utf8 + " \xE4\xB8\xAD \xF0\x9F\x98\x80", ENCODING_UTF8},
        {"ASCII only", "plain text\r\n", ENCODING_ANSI},
        {"empty", "", ENCODING_ANSI},
        {"cp1252", "caf\xE9 na\xEFve", ENCODING_ANSI},
        {"UTF-8 then a bad byte", utf8 + "\xE9 x", ENCODING_ANSI},
        {"overlong", "\xC0\xAF" + utf8, ENCODING_ANSI},
        {"surrogate", "\xED\xA0\x80" + utf8, ENCODING_ANSI},
        {"past U+10FFFF", "\xF4\x90\x80\x80" + utf8, ENCODING_ANSI},
        {"cut by the sample's end", big + "\xE4\xB8", ENCODING_ANSI},  // nothing whole: no multibyte
        {"whole, then cut", std::string(ENCODING_SAMPLE_SIZE - 6, 'a') + "\xC3\xA9" + "\xF0\x9F\x98", ENCODING_UTF8},
        {"one mark byte short", "\xEF\xBB", ENCODING_ANSI},
    };
    for (const Case& c : cases) {
        unsigned n = (unsigned)c.bytes.size();
        if (n > ENCODING_SAMPLE_SIZE) n = ENCODING_SAMPLE_SIZE;
        EXPECT_EQ(DetectEncoding((const BYTE*)c.bytes.data(), n), c.expect) << c.name;
    }
    EXPECT_STREQ(EncodingName(ENCODING_OEM), "OEM (DOS)");
    EXPECT_STREQ(EncodingName(ENCODING_UTF16BE), "UTF-16 BE");
}

TEST(Encoding, TheLegacyCodePageIsTheSystemLocales)
{
    char digits[8] = "";
    ASSERT_TRUE(::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, digits, sizeof digits));
    EXPECT_EQ(SystemAnsiCodePage(), (UINT)atoi(digits));
    EXPECT_EQ(CTextDecoder(ENCODING_ANSI).CodePage(), SystemAnsiCodePage());
    EXPECT_EQ(CTextDecoder(ENCODING_AUTOMATIC).Encoding(), ENCODING_ANSI);
}

// The characters section `section` of a file of bytes shows in encoding, sections of size bytes
// (hex lines with hex).
std::wstring Shown(const std::string& bytes, VIEWER_ENCODING encoding, int section = 0,
                   unsigned size = TEXT_SECTION_SIZE, int hex = 0)
{
    CTempDir dir;
    EXPECT_TRUE(WriteFileBytes(dir.File("f.txt"), bytes));
    EXPECT_TRUE(g_viewedFile.Open(dir.File("f.txt")));
    g_nFileLength = g_viewedFile.GetLength();
    g_bHexMode = hex;
    g_nDetectedEncoding = encoding;
    g_nChosenEncoding = ENCODING_AUTOMATIC;
    g_nSectionSize = size;
    g_viewedFile.Seek((unsigned __int64)section * size);
    g_nSectionLeft = size;
    std::wstring text = StreamWholeSectionChars();
    g_viewedFile.Close();
    g_bHexMode = 0;
    g_nSectionSize = TEXT_SECTION_SIZE;
    g_nDetectedEncoding = ENCODING_ANSI;
    return text;
}

TEST(Encoding, EachEncodingShowsItsCharacters)
{
    const std::wstring mixed = L"\u00E9t\u00E9 \u03A9\u03B1 \u0416\u0438 \u4E2D\u6587 \U0001F600";
    struct Case {
        const char* name;
        VIEWER_ENCODING encoding;
        std::string bytes;
        std::wstring expect;
    } cases[] = {
        {"UTF-8", ENCODING_UTF8,
         "\xC3\xA9t\xC3\xA9 \xCE\xA9\xCE\xB1 \xD0\x96\xD0\xB8 \xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80", mixed},
        {"UTF-8 mark not shown", ENCODING_UTF8, "\xEF\xBB\xBF" "a\x01\tb\r\n", L"a.\tb\r\n"},
        {"UTF-8 bad bytes one each", ENCODING_UTF8, "a\xE4\xB8" "b\xFF\xC3\x28\xED\xA0\x80z",
         L"a\uFFFD\uFFFDb\uFFFD\uFFFD(\uFFFD\uFFFD\uFFFDz"},
        {"UTF-8 cut by the file's end", ENCODING_UTF8, "ok\xF0\x9F\x98", L"ok\uFFFD\uFFFD\uFFFD"},
        {"UTF-16 LE", ENCODING_UTF16LE, Bytes({0xFF, 0xFE, 'h', 0, 0x16, 0x04, 0x3D, 0xD8, 0x00, 0xDE, 1, 0, '\r', 0, '\n', 0}),
         L"h\u0416\U0001F600.\r\n"},
        {"UTF-16 BE", ENCODING_UTF16BE, Bytes({0xFE, 0xFF, 0, 'h', 0x4E, 0x2D, 0xD8, 0x3D, 0xDE, 0x00}), L"h\u4E2D\U0001F600"},
        {"UTF-16 unpaired surrogates", ENCODING_UTF16LE, Bytes({0x3D, 0xD8, 'a', 0, 0x00, 0xDE, 'b', 0, 0x3D, 0xD8}),
         L"\uFFFDa\uFFFDb\uFFFD"},
        {"UTF-16 half a unit at the end", ENCODING_UTF16LE, Bytes({'a', 0, 'b'}), L"a\uFFFD"},
        {"UTF-16 CR CR LF", ENCODING_UTF16LE, Bytes({'a', 0, '\r', 0, '\r', 0, '\n', 0}), L"a\n\r\n"},
    };
    for (const Case& c : cases) EXPECT_TRUE(Shown(c.bytes, c.encoding) == c.expect) << c.name;
    // OEM (DOS): the system's OEM code page, whatever the process's.
    char digits[8] = "";
    ASSERT_TRUE(::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTCODEPAGE, digits, sizeof digits));
    EXPECT_EQ(SystemOemCodePage(), (UINT)atoi(digits));
    EXPECT_TRUE(Shown("\x82\xC9\xDB", ENCODING_OEM) == WideOf("\x82\xC9\xDB", SystemOemCodePage()));
}

// The characters a reference decoding gives for the whole file, and each section's share:
// a character belongs to the section where its first byte is.
TEST(Encoding, ACharacterAcrossASectionBoundaryShowsWholeInTheFirst)
{
    const unsigned size = 4096;
    struct Case {
        const char* name;
        VIEWER_ENCODING encoding;
        std::string character;  // placed to straddle the boundary
        size_t before;          // bytes of it before the boundary
        std::wstring shown;
    } cases[] = {
        {"emoji 1|3", ENCODING_UTF8, "\xF0\x9F\x98\x80", 1, L"\U0001F600"},
        {"emoji 3|1", ENCODING_UTF8, "\xF0\x9F\x98\x80", 3, L"\U0001F600"},
        {"CJK 2|1", ENCODING_UTF8, "\xE4\xB8\xAD", 2, L"\u4E2D"},
        {"surrogate pair", ENCODING_UTF16LE, Bytes({0x3D, 0xD8, 0x00, 0xDE}), 2, L"\U0001F600"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool wide = c.encoding == ENCODING_UTF16LE;
        // Short lines: no break of the viewer's own.
        std::string x = wide ? std::string("x\0", 2) : std::string("x"), lf = wide ? std::string("\n\0", 2) : "\n";
        std::string bytes;
        for (int i = 1; bytes.size() < size - c.before; i++) bytes += i % 64 ? x : lf;
        bytes += c.character;
        for (int i = 1; bytes.size() < size + 100; i++) bytes += i % 64 ? x : lf;
        std::wstring all = Shown(bytes, c.encoding, 0, 1 << 20);
        std::wstring first = Shown(bytes, c.encoding, 0, size), second = Shown(bytes, c.encoding, 1, size);
        EXPECT_TRUE(first + second == all);
        size_t at = all.find(c.shown);
        ASSERT_NE(at, std::wstring::npos);
        EXPECT_EQ(first.size(), at + c.shown.size()) << "it ends the first section";
        EXPECT_EQ(all.find(L'\uFFFD'), std::wstring::npos);
    }
}

// Hex lines are the same whatever the encoding: the character column in the ANSI code page.
TEST(Encoding, HexColumnsShowTheBytesInTheAnsiCodePage)
{
    std::string bytes = "\xC3\xA9\xD0\x96\x41\x01\xE9\x80";
    std::wstring column = WideOf("\xC3\xA9\xD0\x96\x41.\xE9\x80", SystemAnsiCodePage());
    std::wstring line = WideOf("000000  C3 A9 D0 96 41 01 E9 80  " + std::string(24, ' ') + "\t") + column + L"\r\n";
    for (VIEWER_ENCODING e : {ENCODING_ANSI, ENCODING_UTF8, ENCODING_UTF16LE})
        EXPECT_TRUE(Shown(bytes, e, 0, HEX_SECTION_SIZE, 1) == line) << EncodingName(e);
}

}  // namespace

// Code page 932 (these cases run in it): a double-byte character across a section boundary
// shows whole in the first section; the legacy characters are the code page's own.
TEST(DoubleByteEncoding, APairAcrossASectionBoundaryShowsWholeInTheFirst)
{
    ASSERT_EQ(SystemAnsiCodePage(), 932u) << "the test needs code page 932";
    const unsigned size = 4096;
    const std::string kanji = "\x88\x9F";  // both bytes can lead
    for (size_t before : {size - 1, size - 2}) {
        SCOPED_TRACE(before);
        // Lines of kanji: whether a byte leads shows only from the start of its line.
        std::string bytes = before % 2 ? "a" : "";
        for (int i = 1; bytes.size() + 2 <= before; i++) bytes += i % 32 ? kanji : "\n\n";
        bytes += kanji + "tail";
        std::wstring first = Shown(bytes, ENCODING_ANSI, 0, size), second = Shown(bytes, ENCODING_ANSI, 1, size);
        EXPECT_TRUE(first + second == WideOf(bytes, 932));
        EXPECT_TRUE(second == L"tail");
    }
}
