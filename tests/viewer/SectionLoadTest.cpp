// Section loads into the real text control: what the control ends up holding and showing.
#include "RecordingWindow.h"
#include "viewer/BrindlexDlg.h"
#include "viewer/ViewerFonts.h"
#include "res/resource.h"
#include "viewer/AddedBreaks.h"
#include "viewer/FindAcrossBreaks.h"
#include "support/StreamBytes.h"
#include "support/Wait.h"
#include "viewer/TextDecoder.h"
#include <algorithm>
#include <string>
#include <vector>

namespace {

class SectionLoadTest : public ::testing::Test {
protected:
    void SetUp() override { ClearSettings(); }
    void TearDown() override
    {
        Close();
        PumpMessages();
    }
    // A fresh viewer window started on path, as the program starts on a command line.
    void Open(const char* path)
    {
        Close();
        dlg = new CBrindlexDlg;
        ASSERT_TRUE(dlg->LoadFrame(IDR_VIEWER, WS_OVERLAPPEDWINDOW, nullptr, "Brindlex"));
        TestApp().m_pMainWnd = dlg;
        dlg->StartUp(path);
        ASSERT_NE(g_richEdit, nullptr);
        // Handling messages lets the rest of the section come in (the pieces follow each other
        // as long as messages are handled): Open waits for all of it unless told otherwise.
        if (wholeSection) {
            PumpMessages();
            ASSERT_TRUE(WaitFor([&] { return !dlg->IsSectionLoading(); }, 60000));
        }
    }
    bool wholeSection = true;

public:
    void OpenForTest(const char* path) { Open(path); }

protected:
    void Close()
    {
        if (reference) ::DestroyWindow(reference);
        reference = nullptr;
        if (!dlg) return;
        if (dlg->m_hWnd) dlg->SendMessage(WM_CLOSE);
        TestApp().m_pMainWnd = nullptr;
        delete dlg;
        dlg = nullptr;
    }
    static std::string TextOf(HWND ctl)
    {
        int n = ::GetWindowTextLengthA(ctl);
        std::string s((size_t)n + 1, '\0');
        ::GetWindowTextA(ctl, &s[0], n + 1);
        s.resize(strlen(s.c_str()));
        return s;
    }
    // The section on show streamed again into a second control made as the viewer makes its
    // own (style, rectangle, font), but fed without any preparation of the control.
    HWND StreamPlainReference()
    {
        reference = ::CreateWindowExA(0, "RichEdit20A", "", g_bHexMode ? VIEWER_HEX_STYLE : VIEWER_TEXT_STYLE,
                                      g_rcClient.left, g_rcClient.top, g_rcClient.right - g_rcClient.left,
                                      g_rcClient.bottom - g_rcClient.top, dlg->m_hWnd, (HMENU)(IDC_VIEWER_TEXT + 1),
                                      ::GetModuleHandleA(nullptr), nullptr);
        EXPECT_NE(reference, nullptr);
        ::SendMessageA(reference, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
        ::SendMessageA(reference, WM_SETFONT, (WPARAM)(g_bHexMode ? g_hexFont.Get() : g_textFont.Get()), FALSE);
        g_viewedFile.Seek((unsigned __int64)(unsigned)g_nSection * g_nSectionSize);
        g_nSectionLeft = g_nSectionSize;
        EDITSTREAM es = {};
        es.pfnCallback = StreamSectionChunk;
        ::SendMessageA(reference, EM_STREAMIN, SF_TEXT | SF_UNICODE, (LPARAM)&es);
        return reference;
    }
    struct Shown {
        std::string text;
        LRESULT lines;
        int scrollMax;
        bool bar;
        std::vector<LONG> found, foundLines;
    };
    static Shown Inspect(HWND ctl, const char* what)
    {
        Shown s;
        s.text = TextOf(ctl);
        s.lines = ::SendMessageA(ctl, EM_GETLINECOUNT, 0, 0);
        int lo = 0;
        s.scrollMax = 0;
        ::GetScrollRange(ctl, SB_VERT, &lo, &s.scrollMax);
        s.bar = (::GetWindowLongA(ctl, GWL_STYLE) & WS_VSCROLL) != 0;
        FINDTEXTEXA ft = {};
        ft.lpstrText = what;
        ft.chrg.cpMin = 0;
        ft.chrg.cpMax = -1;
        for (;;) {
            LONG at = (LONG)::SendMessageA(ctl, EM_FINDTEXTEX, FR_DOWN | FR_MATCHCASE, (LPARAM)&ft);
            if (at < 0) break;
            s.found.push_back(at);
            s.foundLines.push_back((LONG)::SendMessageA(ctl, EM_EXLINEFROMCHAR, 0, at));
            ft.chrg.cpMin = ft.chrgText.cpMax;
        }
        return s;
    }
    static void ExpectSame(const Shown& a, const Shown& b)
    {
        EXPECT_EQ(a.text, b.text);
        EXPECT_EQ(a.lines, b.lines);
        EXPECT_EQ(a.bar, b.bar);
        if (a.bar && b.bar) {
            EXPECT_EQ(a.scrollMax, b.scrollMax);  // a hidden bar's range shows nowhere
        }
        EXPECT_EQ(a.found, b.found);
        EXPECT_EQ(a.foundLines, b.foundLines);
    }
    CBrindlexDlg* dlg = nullptr;
    HWND reference = nullptr;
    CTempDir dir;
};

// Lines of many lengths, some much wider than the window, with a marker every 37th line.
std::string MixedLines(int count)
{
    std::string s;
    for (int i = 0; i < count; i++) {
        size_t width = (size_t)(i * 53 % 400);
        s += "line " + std::to_string(i) + (i % 37 == 0 ? " MARK " : " ") + std::string(width, (char)('a' + i % 26));
        for (size_t w = 0; w < width; w += 9) s[s.size() - 1 - w] = ' ';  // words to wrap at
        s += "\r\n";
    }
    return s;
}

TEST_F(SectionLoadTest, ScrollBarShownBeforeTheStreamChangesNothingTheUserSees)
{
    struct Case {
        const char* name;
        int hex;
        std::string bytes;
        const char* find;
    } cases[] = {
        {"long.txt", 0, MixedLines(1200), "MARK"},  // about 250 KB: the first piece and two more
        {"longer.txt", 0, MixedLines(5000), "MARK"},
        {"long.bin", 1, MixedLines(400), "0D 0A"},
        {"short.txt", 0, "one line\r\nand another\r\n", "line"},
        {"short.bin", 1, "sixteen bytes.\r\n", "65"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteFileBytes(dir.File(c.name), c.bytes));
        TestApp().WriteProfileInt("settings", "hex", c.hex);
        ASSERT_NO_FATAL_FAILURE(Open(dir.File(c.name)));
        Shown ours = Inspect(g_richEdit, c.find);
        Shown plain = Inspect(StreamPlainReference(), c.find);
        ExpectSame(ours, plain);
        EXPECT_EQ(ours.bar, c.bytes.size() > 100) << "the bar shows only when the text does not fit";
        // However many pieces it came in, it ends as one stream leaves it: the view at the
        // top, nothing to undo.
        EXPECT_EQ(::SendMessageA(g_richEdit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
        EXPECT_EQ(::GetScrollPos(g_richEdit, SB_VERT), 0);
        EXPECT_FALSE(::SendMessageA(g_richEdit, EM_CANUNDO, 0, 0));
        if (c.hex == 0) {
            EXPECT_TRUE(ours.text == c.bytes) << "the control holds other text than the file";
        }
        EXPECT_FALSE(ours.found.empty());
    }
}

// Each chunk the renderer hands over for the text-mode section 0 of a file holding bytes.
std::vector<std::string> TextChunks(const std::string& bytes, unsigned sectionSize = TEXT_SECTION_SIZE)
{
    std::vector<std::string> chunks;
    CTempDir dir;
    EXPECT_TRUE(WriteFileBytes(dir.File("chunks.txt"), bytes));
    EXPECT_TRUE(g_viewedFile.Open(dir.File("chunks.txt")));
    g_nFileLength = g_viewedFile.GetLength();
    g_bHexMode = 0;
    g_nSectionSize = sectionSize;
    g_viewedFile.Seek(0);
    g_nSectionLeft = sectionSize;
    BYTE buf[4096];
    for (int guard = 0; guard < 100000; guard++) {
        LONG n = -1;
        StreamSectionChunk(0, buf, sizeof buf, &n);
        if (n <= 0) break;
        EXPECT_LE(n, (LONG)sizeof buf);
        EXPECT_EQ(n % 2, 0);
        chunks.push_back(AnsiOf(std::wstring((const wchar_t*)buf, (size_t)n / 2)));
    }
    g_viewedFile.Close();
    g_nSectionSize = TEXT_SECTION_SIZE;
    return chunks;
}

// count blocks of 4 KiB, each ending in CR, the next beginning with its LF.
std::string CrLfAcrossEveryBoundary(int count)
{
    std::string s;
    for (int b = 0; b < count; b++) {
        std::string block = b ? "\n" : "x";
        for (int line = 0; block.size() < 4096 - 60; line++)
            block += "block " + std::to_string(b) + " line " + std::to_string(line) + " \x01\x1B text\r\n";
        block += std::string(4095 - block.size(), 'y') + "\r";
        s += block;
    }
    return s + "\nend\r\n";
}

// What the control is given for the rendered text: a line longer than the bound gets a CR LF
// after each run of the bound's length that more of the line follows.
std::string WithOurBreaks(const std::string& rendered)
{
    std::string out;
    size_t run = 0;
    for (size_t i = 0; i < rendered.size(); i++) {
        char c = rendered[i];
        if (c == '\r' || c == '\n') {
            run = 0;
        } else if (run == TEXT_LINE_BOUND) {
            out += "\r\n";
            run = 1;
        } else {
            run++;
        }
        out += c;
    }
    return out;
}

TEST(SectionChunks, NoChunkEndsBetweenCrAndLf)
{
    std::string crlf = CrLfAcrossEveryBoundary(40);
    std::string longLine = std::string(10000, 'L') + "\r\n" + std::string(8191, 'M') + "\r\nshort\r\n";
    std::string lonelyCr = std::string(4095, 'c') + "\r" + std::string(4095, 'd') + "\r\r\n\r";
    std::string lfOnly = std::string(5000, 'a') + "\n\n" + std::string(3000, 'b') + "\n";
    for (const std::string* bytes : {&crlf, &longLine, &lonelyCr, &lfOnly}) {
        std::vector<std::string> chunks = TextChunks(*bytes);
        std::string joined;
        for (size_t i = 0; i < chunks.size(); i++) {
            joined += chunks[i];
            if (i + 1 < chunks.size()) {
                EXPECT_FALSE(chunks[i].back() == '\r' && chunks[i + 1].front() == '\n') << "chunk " << i;
            }
        }
        // Exactly the bytes the rendering rules give: control bytes as dots, a CR before a CR
        // as LF, long lines cut at the bound, nothing else changed.
        std::string expect = *bytes;
        for (size_t i = 0; i < expect.size(); i++) {
            char& c = expect[i];
            if ((unsigned char)c < 0x20 && c != '\t' && c != '\n' && c != '\r') c = '.';
            if (c == '\r' && i + 1 < expect.size() && expect[i + 1] == '\r') c = '\n';
        }
        EXPECT_EQ(joined, WithOurBreaks(expect));
    }
    // A section that ends between CR and LF still ends there: the next section starts with the LF.
    const size_t L = TEXT_LINE_BOUND - 24;
    std::string lines;
    while (4095 - lines.size() > L + 2) lines += std::string(L, 'z') + "\r\n";
    lines += std::string(4095 - lines.size(), 'z');
    std::vector<std::string> cut = TextChunks(lines + "\r\nrest", 4096);
    std::string section;
    for (const std::string& c : cut) section += c;
    EXPECT_EQ(section, lines + "\r");
}

TEST_F(SectionLoadTest, CrLfAcrossBufferBoundariesShowsNoExtraBlankLines)
{
    std::string bytes = CrLfAcrossEveryBoundary(40);
    ASSERT_TRUE(WriteFileBytes(dir.File("straddle.txt"), bytes));
    ASSERT_NO_FATAL_FAILURE(Open(dir.File("straddle.txt")));
    std::string expect = bytes;
    for (char& c : expect)
        if (c == '\x01' || c == '\x1B') c = '.';
    std::string shown = TextOf(g_richEdit);
    EXPECT_EQ(shown.size(), expect.size());
    EXPECT_TRUE(shown == expect) << "the control holds other text than the file";
    EXPECT_EQ(shown.find("\r\n\r\n"), std::string::npos);
}

// Where the control holds our breaks for a file of plain lines (no CR CR LF), and the
// number of characters it holds in all: a CR LF is one, as is a lone CR or LF.
std::vector<LONG> OurBreakPositions(const std::string& bytes, LONG* total)
{
    std::vector<LONG> at;
    LONG cp = 0;
    size_t run = 0;
    for (size_t i = 0; i < bytes.size(); i++, cp++) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            run = 0;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') i++;
            continue;
        }
        if (run == TEXT_LINE_BOUND) {
            at.push_back(cp++);
            run = 0;
        }
        run++;
    }
    *total = cp;
    return at;
}

TEST(SectionChunks, LongLinesAreCutAtTheBoundWhereverTheChunksEnd)
{
    std::string exact = std::string(TEXT_LINE_BOUND, 'e') + "\r\n" + std::string(TEXT_LINE_BOUND * 2, 'f') + "\n";
    std::string single = std::string(50000, 's');
    std::string noEnd = std::string(TEXT_LINE_BOUND * 3 + 7, 'n');
    std::string lonelyCr = std::string(TEXT_LINE_BOUND, 'c') + "\r" + std::string(TEXT_LINE_BOUND + 1, 'd') + "\r";
    std::string mixed;
    for (int i = 0; i < 40; i++) mixed += std::string((size_t)(i * 997 % 9000), (char)('a' + i % 26)) + "\r\n";
    for (const std::string* bytes : {&exact, &single, &noEnd, &lonelyCr, &mixed}) {
        std::vector<std::string> chunks = TextChunks(*bytes);
        std::string joined;
        for (const std::string& c : chunks) joined += c;
        EXPECT_EQ(joined, WithOurBreaks(*bytes));
        // Each break noted where the control will hold it.
        LONG total = 0;
        std::vector<LONG> want = OurBreakPositions(*bytes, &total);
        std::vector<LONG> got;
        for (size_t k = 0; k < g_addedBreaks.Count(); k++) got.push_back(g_addedBreaks.At(k));
        EXPECT_EQ(got, want);
        EXPECT_EQ(g_nStreamChars, total);
    }
}

TEST_F(SectionLoadTest, LongLinesShowWrappedAtTheBoundAndFindCopyAndPrintSeeTheFile)
{
    // Lines of 5,000 to 20,000 characters, a word cut by the bound in the first.
    std::string bytes = std::string(TEXT_LINE_BOUND - 3, 'a') + "NEEDLE";
    for (int i = 0; bytes.size() < 400000; i++) {
        size_t width = 5000 + (size_t)(i * 7919 % 15000);
        std::string line = std::string((size_t)(i % 7), 'z');
        while (line.size() < width) line += "word ";
        bytes += line + "\r\n";
    }
    ASSERT_TRUE(WriteFileBytes(dir.File("long.txt"), bytes));
    ASSERT_NO_FATAL_FAILURE(Open(dir.File("long.txt")));
    std::string shown = TextOf(g_richEdit);
    EXPECT_TRUE(shown == WithOurBreaks(bytes)) << "the control holds other text than the file with our breaks";
    ASSERT_GT(g_addedBreaks.Count(), 10u);
    EXPECT_TRUE(AnsiOf(SectionTextOf(g_richEdit, 0, -1, true)) == bytes) << "without our breaks the text is the file's";
    LONG total = 0;
    EXPECT_EQ(OurBreakPositions(bytes, &total).size(), g_addedBreaks.Count());
    CHARRANGE found = FindAcrossBreaks(ControlText(g_richEdit), g_addedBreaks, L"needle", 0, -1, 0);
    EXPECT_EQ(found.cpMin, (LONG)TEXT_LINE_BOUND - 3);
    EXPECT_EQ(found.cpMax, (LONG)TEXT_LINE_BOUND + 4);
    EXPECT_TRUE(SectionTextOf(g_richEdit, found.cpMin, found.cpMax, true) == L"NEEDLE");
}

// The file's text with each of its line breaks as CR LF: a CR LF is one break, and so is
// every other CR and every other LF.
std::string WithCrLfBreaks(const std::string& bytes)
{
    std::string out;
    for (size_t i = 0; i < bytes.size(); i++) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') i++;
        } else {
            out += c;
        }
    }
    return out;
}

TEST_F(SectionLoadTest, EveryLineBreakOfTheFileShowsCopiesAndFindsAsOne)
{
    // Lines ending in CR CR LF, CR, LF, CR LF and CR CR CR LF, many of them across the chunks'
    // ends, then a long line with a word cut by the viewer's break.
    const char* ends[] = {"\r\r\n", "\r", "\n", "\r\n", "\r\r\r\n"};
    std::string many;
    for (int i = 0; many.size() < 60000; i++)
        many += "line " + std::to_string(i) + " " + std::string((size_t)(i * 37 % 200), 'w') + ends[i % 5];
    many += std::string(TEXT_LINE_BOUND - 3, 'x') + "NEEDLE tail\r\r\nlast";
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"crcrlf.txt", "abc\r\r\ndef"},
        {"mixed.txt", "a\rb\nc\r\nd\r\r\r\ne\n\rf\r\r"},
        {"many.txt", many},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteFileBytes(dir.File(c.name), c.bytes));
        ASSERT_NO_FATAL_FAILURE(Open(dir.File(c.name)));
        std::string file = WithCrLfBreaks(c.bytes);
        std::string shown = TextOf(g_richEdit);
        EXPECT_TRUE(shown == WithOurBreaks(file)) << "shown " << shown.substr(0, 40);
        if (c.bytes.size() < 100) {  // short lines: one shown line each
            EXPECT_EQ(::SendMessageA(g_richEdit, EM_GETLINECOUNT, 0, 0),
                      (LRESULT)std::count(file.begin(), file.end(), '\n') + 1);
        }
        // Copy's text: the file's, each line break as CR LF.
        EXPECT_TRUE(AnsiOf(SectionTextOf(g_richEdit, 0, -1, true)) == file)
            << AnsiOf(SectionTextOf(g_richEdit, 0, -1, true)).substr(0, 40);
        // The viewer's breaks noted where the control holds them.
        LONG total = 0;
        std::vector<LONG> want = OurBreakPositions(file, &total), got;
        for (size_t k = 0; k < g_addedBreaks.Count(); k++) got.push_back(g_addedBreaks.At(k));
        EXPECT_EQ(got, want);
        // Find sees the file's text: no match runs over a line break, one over our break does.
        EXPECT_EQ(FindInSection(g_richEdit, g_addedBreaks, L"abc def", 0, -1, 0).cpMin, -1);
        EXPECT_EQ(FindInSection(g_richEdit, g_addedBreaks, L"0  line 1", 0, -1, 0).cpMin, -1);
        if (c.bytes == many) {
            CHARRANGE found = FindInSection(g_richEdit, g_addedBreaks, L"needle tail", 0, -1, 0);
            ASSERT_GE(found.cpMin, 0);
            EXPECT_TRUE(SectionTextOf(g_richEdit, found.cpMin, found.cpMax, true) == L"NEEDLE tail");
            CHARRANGE line = FindInSection(g_richEdit, g_addedBreaks, L"line 1 ", 0, -1, FR_MATCHCASE);
            ASSERT_GE(line.cpMin, 0);
            EXPECT_EQ(::SendMessageA(g_richEdit, EM_EXLINEFROMCHAR, 0, line.cpMin), 2);  // after CR CR LF: 2 breaks
        }
    }
}

// A word cut by the viewer's break is one word for whole-word Find; a whole word that only
// ends at the break is still one.
TEST_F(SectionLoadTest, WholeWordsCutByTheViewersBreakAreOneWord)
{
    std::string prefix;
    while (prefix.size() < TEXT_LINE_BOUND - 4) prefix += "ab ";
    ASSERT_EQ(prefix.size(), (size_t)TEXT_LINE_BOUND - 4);
    // Line 0: "needle" cut after "need" (break at 1024); line 2 (from 1028): "side" ending at the
    // break (2052), " tail"; line 4 (from 2059): the real words.
    std::string bytes = prefix + "needle\r\n" + prefix + "side tail\r\nthe need and the le\r\n";
    ASSERT_TRUE(WriteFileBytes(dir.File("words.txt"), bytes));
    ASSERT_NO_FATAL_FAILURE(Open(dir.File("words.txt")));
    ASSERT_EQ(g_addedBreaks.Count(), 2u);
    ASSERT_EQ(g_addedBreaks.At(0), 1024);
    ASSERT_EQ(g_addedBreaks.At(1), 2052);
    struct Case {
        const wchar_t* what;
        WPARAM options;
        LONG from, at, end;
    } cases[] = {
        {L"need", FR_WHOLEWORD, 0, 2063, 2067},
        {L"le", FR_WHOLEWORD, 0, 2076, 2078},
        {L"NEED", FR_WHOLEWORD | FR_MATCHCASE, 0, -1, -1},
        {L"needle", FR_WHOLEWORD, 0, 1020, 1027},  // across the break, the break included
        {L"side", FR_WHOLEWORD, 0, 2048, 2052},
        {L"need", 0, 0, 1020, 1024},               // not whole words: part of "needle" is fine
        {L"le", 0, 0, 1025, 1027},
        {L"ab", FR_WHOLEWORD, 3, 3, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(AnsiOf(c.what));
        CHARRANGE found = FindInSection(g_richEdit, g_addedBreaks, c.what, c.from, -1, c.options);
        EXPECT_EQ(found.cpMin, c.at);
        if (c.at >= 0) {
            EXPECT_EQ(found.cpMax, c.end);
        }
    }
}

// The characters the control holds, without the viewer's breaks, each line break as CR LF.
std::wstring ShownChars() { return SectionTextOf(g_richEdit, 0, -1, true); }

std::wstring ExpectedChars(const char* name, int section)
{
    CString path;
    path.Format("encoded\\%s.%d.expect", name, section);
    std::string bytes = ReadFileBytes(BesideTestProgram(path));
    return std::wstring((const wchar_t*)bytes.data(), bytes.size() / 2);
}

// Each file shows, section by section, the characters Python's codecs make of it; Find takes
// a word in other letters' case, Copy gives the characters.
TEST_F(SectionLoadTest, EveryEncodingShowsTheCharactersOfAReferenceDecoding)
{
    struct Case {
        const char* name;
        UINT choose;  // 0: automatic
        VIEWER_ENCODING detected;
        int sections;
    } cases[] = {
        {"utf8_bom", 0, ENCODING_UTF8, 1},
        {"utf8", 0, ENCODING_UTF8, 1},
        {"utf16le", 0, ENCODING_UTF16LE, 1},
        {"utf16be", 0, ENCODING_UTF16BE, 1},
        {"invalid_utf8", ID_VIEWER_ENCODING_UTF8, ENCODING_ANSI, 1},
        {"unpaired_utf16le", 0, ENCODING_UTF16LE, 1},
        {"big_utf8", 0, ENCODING_UTF8, 2},  // an emoji across the boundary
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CString path = BesideTestProgram(CString("encoded\\") + c.name + ".txt");
        ASSERT_NO_FATAL_FAILURE(Open(path));
        EXPECT_EQ(g_nDetectedEncoding, c.detected);
        if (c.choose) {
            dlg->SendMessage(WM_COMMAND, c.choose);
            PumpMessages();
            ASSERT_TRUE(WaitFor([&] { return !dlg->IsSectionLoading(); }, 60000));
        }
        for (int k = 0; k < c.sections; k++) {
            if (k) {
                dlg->SendMessage(WM_COMMAND, ID_VIEWER_NEXT);
                PumpMessages();
                ASSERT_TRUE(WaitFor([&] { return !dlg->IsSectionLoading(); }, 60000));
            }
            std::wstring shown = ShownChars(), expect = ExpectedChars(c.name, k);
            EXPECT_EQ(shown.size(), expect.size()) << "section " << k;
            EXPECT_TRUE(shown == expect) << "section " << k;
            CHARRANGE word = FindInSection(g_richEdit, g_addedBreaks, L"\u0436\u0418\u0412\u041E\u0419", 0, -1, 0);
            ASSERT_GE(word.cpMin, 0) << "section " << k;
            EXPECT_TRUE(SectionTextOf(g_richEdit, word.cpMin, word.cpMax, true) == L"\u0416\u0438\u0432\u043E\u0439");
        }
        ClearClipboard();
        ::SendMessageA(g_richEdit, EM_SETSEL, 0, -1);
        dlg->SendMessage(WM_COMMAND, ID_VIEWER_COPY);
        EXPECT_TRUE(ClipboardUnicodeText() == ExpectedChars(c.name, c.sections - 1));
    }
}

// The View menu's Encoding submenu: its items, its check mark, the detected encoding named
// beside Automatic; a choice shows the section on show again in it and holds until the next file.
TEST_F(SectionLoadTest, TheEncodingSubmenuSwitchesTheSectionOnShow)
{
    ASSERT_NO_FATAL_FAILURE(Open(BesideTestProgram("encoded\\big_utf8.txt")));
    auto load = [&](UINT id) {
        dlg->SendMessage(WM_COMMAND, id);
        PumpMessages();
        ASSERT_TRUE(WaitFor([&] { return !dlg->IsSectionLoading(); }, 60000));
    };
    ASSERT_NO_FATAL_FAILURE(load(ID_VIEWER_NEXT));
    std::string caption = TextOf(dlg->m_hWnd);
    HMENU view = ::GetSubMenu(::GetMenu(dlg->m_hWnd), 2);
    char text[64] = "";
    ::GetMenuStringA(view, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "He&x       Ctrl+X");
    ::GetMenuStringA(view, 2, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&Encoding");
    HMENU menu = ::GetSubMenu(view, 2);
    ASSERT_NE(menu, nullptr);
    // The texts of the submenu as the user sees it opened, the checked one marked with '*'.
    auto items = [&] {
        dlg->SendMessage(WM_INITMENUPOPUP, (WPARAM)menu, MAKELPARAM(2, FALSE));
        std::vector<std::string> got;
        for (int i = 0; i < ::GetMenuItemCount(menu); i++) {
            char item[64] = "";
            ::GetMenuStringA(menu, (UINT)i, item, sizeof item, MF_BYPOSITION);
            got.push_back(std::string(::GetMenuState(menu, (UINT)i, MF_BYPOSITION) & MF_CHECKED ? "*" : "") + item);
        }
        return got;
    };
    std::vector<std::string> automatic = {"*&Automatic (UTF-8)", "A&NSI", "&OEM (DOS)", "UTF-&8", "UTF-16 &LE", "UTF-16 &BE"};
    EXPECT_EQ(items(), automatic);
    std::wstring utf8 = ExpectedChars("big_utf8", 1);
    EXPECT_TRUE(ShownChars() == utf8);

    ASSERT_NO_FATAL_FAILURE(load(ID_VIEWER_ENCODING_ANSI));
    EXPECT_EQ(g_nSection, 1) << "the section stays";
    std::string bytes = ReadFileBytes(BesideTestProgram("encoded\\big_utf8.txt")).substr(TEXT_SECTION_SIZE);
    std::wstring ansi = WideOf(bytes, SystemAnsiCodePage());
    std::wstring shown = ShownChars();
    EXPECT_TRUE(shown == ansi) << "the section's bytes, one character each";
    EXPECT_EQ(items(), std::vector<std::string>({"&Automatic (UTF-8)", "*A&NSI", "&OEM (DOS)", "UTF-&8", "UTF-16 &LE",
                                                 "UTF-16 &BE"}));
    ASSERT_NO_FATAL_FAILURE(load(ID_VIEWER_ENCODING_AUTOMATIC));
    EXPECT_EQ(g_nSection, 1);
    EXPECT_TRUE(ShownChars() == utf8);
    EXPECT_EQ(items(), automatic);
    ASSERT_NO_FATAL_FAILURE(load(ID_VIEWER_ENCODING_UTF16LE));
    EXPECT_EQ(g_nSection, 1);
    EXPECT_EQ(TextOf(dlg->m_hWnd), caption) << "the caption stays";
    DWORD type = 0;
    std::string data;
    EXPECT_FALSE(ReadRegistryValue("settings", "encoding", &type, &data)) << "nothing stored";

    // The next file is decided afresh.
    ASSERT_NO_FATAL_FAILURE(Open(BesideTestProgram("encoded\\utf16be.txt")));
    menu = ::GetSubMenu(::GetSubMenu(::GetMenu(dlg->m_hWnd), 2), 2);
    EXPECT_EQ(items()[0], "*&Automatic (UTF-16 BE)");
    EXPECT_TRUE(ShownChars() == ExpectedChars("utf16be", 0));
}

// How today's viewer fed the control a file in the legacy code page: the bytes, control bytes
// as dots and a CR before a CR as LF, as text of the process's code page.
std::wstring LegacyReference(HWND parent, const std::string& bytes)
{
    std::string fed = bytes;
    for (size_t i = 0; i < fed.size(); i++) {
        char& b = fed[i];
        if ((unsigned char)b < 0x20 && b != '\t' && b != '\n' && b != '\r') b = '.';
        if (b == '\r' && i + 1 < fed.size() && fed[i + 1] == '\r') b = '\n';
    }
    CRichEditCtrl ctl;
    EXPECT_TRUE(ctl.Create(VIEWER_TEXT_STYLE, RECT{0, 0, 400, 300}, parent, IDC_VIEWER_TEXT + 1));
    StreamBytes(ctl, fed, SF_TEXT);
    return ControlText(ctl);
}

// Lines of every byte value but CR and LF, and of text in the code page.
std::string EveryByteLines(const std::string& text)
{
    std::string bytes = text;
    for (int b = 0; b < 256; b++) {
        if (b != '\r' && b != '\n') bytes += (char)b;
        if (b % 32 == 31) bytes += "\r\n";
    }
    return bytes + "\x01\r\r\nend";
}

// A file in the legacy code page shows exactly the characters today's viewer showed.
void ExpectLegacyAsToday(SectionLoadTest& test, CBrindlexDlg*& dlg, const char* path, const std::string& bytes)
{
    ASSERT_TRUE(WriteFileBytes(path, bytes));
    ASSERT_NO_FATAL_FAILURE(test.OpenForTest(path));
    EXPECT_EQ(g_nDetectedEncoding, ENCODING_ANSI);
    std::wstring ours = ControlText(g_richEdit), today = LegacyReference(dlg->m_hWnd, bytes);
    EXPECT_EQ(ours.size(), today.size());
    EXPECT_TRUE(ours == today);
    // Copy gives the bytes as CF_TEXT, as ever.
    ClearClipboard();
    ::SendMessageA(g_richEdit, EM_SETSEL, 0, -1);
    dlg->SendMessage(WM_COMMAND, ID_VIEWER_COPY);
    EXPECT_EQ(ClipboardText(), AnsiOf(SectionTextOf(g_richEdit, 0, -1, true)));
}

TEST_F(SectionLoadTest, TheLegacyCodePageShowsWhatItAlwaysDid)
{
    ExpectLegacyAsToday(*this, dlg, dir.File("cp1252.txt"), EveryByteLines("caf\xE9 cr\xE8me \x80 \x9C\xFF\r\n"));
}

}  // namespace

TEST_F(SectionLoadTest, PiecesComingInKeepWhatTheUserSeesAndSelected)
{
    std::string bytes = MixedLines(6000);  // about 1.2 MB: many pieces after the first
    ASSERT_TRUE(WriteFileBytes(dir.File("big.txt"), bytes));
    TestApp().WriteProfileInt("settings", "hex", 0);
    wholeSection = false;
    ASSERT_NO_FATAL_FAILURE(Open(dir.File("big.txt")));
    ASSERT_TRUE(dlg->IsSectionLoading()) << "the first screenful is shown before the rest is in";
    EXPECT_TRUE(::GetPropA(dlg->m_hWnd, VIEWER_LOADING_PROP));
    LONG shownFirst = (LONG)::SendMessageA(g_richEdit, EM_GETLINECOUNT, 0, 0);
    EXPECT_LT((size_t)::GetWindowTextLengthA(g_richEdit), bytes.size());

    // The start-up click lands (only mouse messages: anything else would let pieces in), then
    // the user scrolls and selects while the rest comes in.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) ::DispatchMessageA(&msg);
    ASSERT_TRUE(dlg->IsSectionLoading());
    ::SendMessageA(g_richEdit, EM_LINESCROLL, 0, 40);
    LONG first = (LONG)::SendMessageA(g_richEdit, EM_GETFIRSTVISIBLELINE, 0, 0);
    EXPECT_GT(first, 0);
    CHARRANGE picked = {25, 90};
    ::SendMessageA(g_richEdit, EM_EXSETSEL, 0, (LPARAM)&picked);
    ::SendMessageA(g_richEdit, EM_LINESCROLL, 0, first - (LONG)::SendMessageA(g_richEdit, EM_GETFIRSTVISIBLELINE, 0, 0));
    first = (LONG)::SendMessageA(g_richEdit, EM_GETFIRSTVISIBLELINE, 0, 0);

    ASSERT_TRUE(WaitFor([&] { return !dlg->IsSectionLoading(); }, 60000));
    EXPECT_FALSE(::GetPropA(dlg->m_hWnd, VIEWER_LOADING_PROP));
    EXPECT_GT((LONG)::SendMessageA(g_richEdit, EM_GETLINECOUNT, 0, 0), shownFirst);
    EXPECT_TRUE(TextOf(g_richEdit) == bytes) << "pieces lost, doubled or reordered";
    CHARRANGE now = {0, 0};
    ::SendMessageA(g_richEdit, EM_EXGETSEL, 0, (LPARAM)&now);
    EXPECT_EQ(now.cpMin, picked.cpMin);
    EXPECT_EQ(now.cpMax, picked.cpMax);
    EXPECT_EQ(::SendMessageA(g_richEdit, EM_GETFIRSTVISIBLELINE, 0, 0), first);
    EXPECT_FALSE(::SendMessageA(g_richEdit, EM_CANUNDO, 0, 0));
}

TEST_F(SectionLoadTest, ClosingTheFileOrEscDuringALoadLeavesNoHalfSection)
{
    std::string bytes = MixedLines(6000);
    ASSERT_TRUE(WriteFileBytes(dir.File("big.txt"), bytes));
    TestApp().WriteProfileInt("settings", "hex", 0);
    wholeSection = false;
    for (bool esc : {false, true}) {
        SCOPED_TRACE(esc ? "Esc" : "the file closed");
        ASSERT_NO_FATAL_FAILURE(Open(dir.File("big.txt")));
        ASSERT_TRUE(dlg->IsSectionLoading());
        if (esc) {
            MSG msg = {g_richEdit, WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {0, 0}};
            EXPECT_TRUE(TestApp().PreTranslateMessage(&msg));
            EXPECT_EQ(dlg->GetWindowText(), CString("Brindlex"));
        } else {
            CloseViewedFile();
        }
        EXPECT_FALSE(dlg->IsSectionLoading());
        EXPECT_FALSE(::GetPropA(dlg->m_hWnd, VIEWER_LOADING_PROP));
        EXPECT_FALSE(g_bFileLoaded);
        ASSERT_NE(g_richEdit, nullptr);
        EXPECT_EQ(::GetWindowTextLengthA(g_richEdit), 0);
        PumpMessages();  // no piece comes in later
        EXPECT_EQ(::GetWindowTextLengthA(g_richEdit), 0);
    }
}

// Code page 932 (these cases run in it): double-byte pairs, bytes that cannot pair, and every
// byte value show exactly as today.
class DoubleByteLegacyText : public SectionLoadTest {};

TEST_F(DoubleByteLegacyText, ShowsWhatItAlwaysDid)
{
    ASSERT_EQ(SystemAnsiCodePage(), 932u);
    // "Nihongo no bunshou", a half-width kana, a lead byte before a line end and one at the end.
    std::string japanese = "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x95\xB6\x8F\xCD \xB1 \x81\r\n";
    ExpectLegacyAsToday(*this, dlg, dir.File("cp932.txt"), EveryByteLines(japanese) + "\x88");
}
