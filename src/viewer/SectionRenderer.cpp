#include "viewer/SectionRenderer.h"
#include "viewer/AddedBreaks.h"
#include "viewer/SectionBudget.h"
#include "viewer/TextDecoder.h"
#include "viewer/ViewerState.h"
#include <vector>

namespace {

const char kHex[] = "0123456789ABCDEF";

// "%06X": at least six upper-case digits; larger offsets simply take more.
wchar_t* PutOffset(wchar_t* p, unsigned __int64 v)
{
    char tmp[16];
    int n = 0;
    do {
        tmp[n++] = kHex[v & 15];
        v >>= 4;
    } while (v);
    while (n < 6) tmp[n++] = '0';
    while (n) *p++ = tmp[--n];
    return p;
}

// Bytes of the current line handed out so far.
unsigned g_nLineBytes = 0;

// The decoder of the section on show, made for the encoding in force when the section starts.
CTextDecoder g_decoder;

// The bytes of one call: the 4096-byte transfer buffer holds at most 2,048 characters.
const unsigned kRawBytes = 2048;
// A character that starts in the section is shown whole: up to 3 of its bytes lie past the end.
const unsigned kCharTail = 3;

// The characters the control makes of n units: a CR LF becomes one.
LONG ControlChars(const wchar_t* p, unsigned n)
{
    LONG chars = (LONG)n;
    for (unsigned i = 0; i + 1 < n; i++)
        if (p[i] == L'\r' && p[i + 1] == L'\n') chars--;
    return chars;
}

// A section begins at its first character boundary (and after a byte-order mark): a
// character begun in the section before was shown whole there.
void SkipToFirstCharacter()
{
    unsigned __int64 pos = g_viewedFile.GetPosition();
    BYTE ahead[4] = {};
    unsigned skip = 0;
    if (pos == 0) {
        unsigned got = g_viewedFile.Read(ahead, 3);
        skip = ByteOrderMarkLength(g_decoder.Encoding(), ahead, got);
    } else {
        // Far enough back for a double-byte code page to find the last byte that cannot lead.
        const unsigned kBack = 64 * 1024;
        std::vector<BYTE> back(pos < kBack ? (size_t)pos : kBack);
        unsigned nBack = (unsigned)back.size();
        g_viewedFile.Seek(pos - nBack);
        unsigned got = g_viewedFile.Read(back.data(), nBack);
        unsigned nAhead = got == nBack ? g_viewedFile.Read(ahead, sizeof ahead) : 0;
        skip = g_decoder.StraddlingBytes(back.data(), got, ahead, nAhead);
    }
    if (skip > g_nSectionLeft) skip = g_nSectionLeft;
    g_viewedFile.Seek(pos + skip);
    g_nSectionLeft -= skip;
}

LONG StreamText(LPBYTE buf, LONG cb)
{
    // Room for a break of our own behind the characters.
    unsigned room = (unsigned)cb / sizeof(wchar_t);
    if (room < 16) return 0;
    room -= 2;
    unsigned want = room < kRawBytes ? room : kRawBytes;
    if (g_nSectionLeft + kCharTail < want) want = g_nSectionLeft + kCharTail;
    BYTE raw[kRawBytes];
    unsigned __int64 start = g_viewedFile.GetPosition();
    unsigned got = g_viewedFile.Read(raw, want);
    bool fileEnds = got < want;
    // Characters start before the section's end; only a full read inside it has more of its line to come.
    unsigned limit = got < g_nSectionLeft ? got : g_nSectionLeft;
    bool lineGoesOn = !fileEnds && got < g_nSectionLeft;

    unsigned i = 0, afterLf = 0, lastStart = 0, lineBytes = g_nLineBytes;
    bool lastIsCr = false, addBreak = false;
    while (i < limit) {
        unsigned len = g_decoder.CharLength(raw + i, got - i);
        if (len == 0) {
            if (!fileEnds) break;  // its last bytes come with the next call
            len = got - i;         // cut by the file's end
        }
        wchar_t end = g_decoder.LineEndAt(raw + i, len);
        if (end) {
            lineBytes = 0;
            if (end == L'\n') afterLf = i + len;
        } else if (lineBytes + len > TEXT_LINE_BOUND && lineBytes > 0) {
            // A line past the bound: the call ends here with a break of our own, before the
            // character that would pass it.
            addBreak = true;
            break;
        } else {
            lineBytes += len;
        }
        lastIsCr = end == L'\r';
        lastStart = i;
        i += len;
    }
    unsigned keep = i;
    // No CR LF pair is split between two calls (the control would take a CR at the end of one
    // and an LF at the start of the next for two line breaks): a call ends at its last LF, or
    // without an LF keeps back only a CR at its end.
    if (!addBreak && lineGoesOn) {
        if (afterLf) {
            keep = afterLf;
            lineBytes = 0;
        } else if (lastIsCr && lastStart > 0) {
            keep = lastStart;
        }
    }
    if (keep < got) g_viewedFile.Seek(start + keep);
    g_nSectionLeft -= keep < g_nSectionLeft ? keep : g_nSectionLeft;
    g_nLineBytes = addBreak ? 0 : lineBytes;

    wchar_t text[kRawBytes + 2];
    unsigned units = g_decoder.Decode(raw, keep, got - keep, text);
    g_nStreamChars += ControlChars(text, units);
    if (addBreak) {
        text[units++] = L'\r';
        text[units++] = L'\n';
        g_addedBreaks.Add(g_nStreamChars);
        g_nStreamChars++;
    }
    memcpy(buf, text, units * sizeof(wchar_t));
    return (LONG)(units * sizeof(wchar_t));
}

LONG StreamHex(LPBYTE buf, LONG cb, unsigned n)
{
    memset(buf, 0, (size_t)cb);
    unsigned __int64 pos = g_viewedFile.GetPosition();
    if (pos >= g_nFileLength) return 0;
    unsigned __int64 m64 = g_nFileLength - pos;
    unsigned m = n;
    if (m64 < m) m = (unsigned)m64;
    if (m > HEX_CHUNK_LIMIT) m = HEX_CHUNK_LIMIT;

    // A line needs at most 16 + 2 + 48 + 1 + 1 + 16 + 2 characters; stop short rather than overflow.
    const unsigned kLineMax = 96;
    wchar_t text[HEX_CHUNK_LIMIT / 16 * kLineMax];
    unsigned capacity = (unsigned)cb / sizeof(wchar_t);
    if (capacity > sizeof text / sizeof text[0]) capacity = sizeof text / sizeof text[0];
    wchar_t* p = text;
    for (unsigned done = 0; done < m;) {
        unsigned c = m - done < 16 ? m - done : 16;
        if ((unsigned)(p - text) + kLineMax > capacity) break;
        p = PutOffset(p, g_viewedFile.GetPosition());
        *p++ = ' ';
        *p++ = ' ';
        char chars[16];
        unsigned k = 0;
        for (; k < c; k++) {
            int b = g_viewedFile.ReadByte();
            if (b < 0) break;  // the copy shrank under us: end the line here
            g_nSectionLeft--;
            *p++ = kHex[b >> 4];
            *p++ = kHex[b & 15];
            *p++ = ' ';
            if (k == 7) *p++ = ' ';
            chars[k] = b >= 0x20 ? (char)b : '.';
        }
        for (unsigned j = k; j < 16; j++) {
            *p++ = ' ';
            *p++ = ' ';
            *p++ = ' ';
        }
        *p++ = '\t';
        // The bytes as characters of the system's legacy code page, whatever the file's encoding.
        int units = k ? ::MultiByteToWideChar(SystemAnsiCodePage(), 0, chars, (int)k, p, 16) : 0;
        p += units > 0 ? units : 0;
        *p++ = '\r';
        *p++ = '\n';
        if (k < c) break;
        done += c;
    }
    memcpy(buf, text, (size_t)(p - text) * sizeof(wchar_t));
    return (LONG)((size_t)(p - text) * sizeof(wchar_t));
}

}  // namespace

LONG g_nStreamPieceLeft = -1;
LONG g_nStreamChars = 0;

DWORD CALLBACK StreamSectionChunk(DWORD_PTR, LPBYTE buf, LONG cb, LONG* pcb)
{
    *pcb = 0;
    // A section's first call starts on a fresh line, with no breaks of our own yet.
    if (g_nSectionLeft == g_nSectionSize) {
        g_nLineBytes = 0;
        g_nStreamChars = 0;
        g_addedBreaks.Clear();
        g_decoder = CTextDecoder(EncodingInForce());
        if (!g_bHexMode) SkipToFirstCharacter();
    }
    if (cb <= 0 || g_nStreamPieceLeft == 0) return 0;
    unsigned n = g_nSectionLeft < (unsigned)cb ? g_nSectionLeft : (unsigned)cb;
    if (n == 0) return 0;
    // A chunk goes to the control only while the process can afford it.
    if (!g_sectionBudget.Admits((unsigned)cb / sizeof(wchar_t))) return 0;
    // The control calls this: nothing may be thrown through its frames. A failure ends the stream.
    try {
        *pcb = g_bHexMode ? StreamHex(buf, cb, n) : StreamText(buf, cb);
    } catch (...) {
        *pcb = 0;
        return 1;
    }
    LONG chars = *pcb / (LONG)sizeof(wchar_t);
    g_sectionBudget.Took((const wchar_t*)buf, (unsigned)chars);
    if (g_nStreamPieceLeft > 0) g_nStreamPieceLeft = chars < g_nStreamPieceLeft ? g_nStreamPieceLeft - chars : 0;
    return 0;
}
