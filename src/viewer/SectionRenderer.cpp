#include "viewer/SectionRenderer.h"
#include "viewer/AddedBreaks.h"
#include "viewer/SectionBudget.h"
#include "viewer/ViewerState.h"
#include <emmintrin.h>

namespace {

const char kHex[] = "0123456789ABCDEF";

// "%06X": at least six upper-case digits; larger offsets simply take more.
char* PutOffset(char* p, unsigned __int64 v)
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

// What each byte shows as in text mode: control bytes but TAB, LF and CR become dots.
struct CTextBytes {
    BYTE show[256];
};
constexpr CTextBytes MakeTextBytes()
{
    CTextBytes t{};
    for (int b = 0; b < 256; b++)
        t.show[b] = (BYTE)(b < 0x20 && b != 0x09 && b != 0x0A && b != 0x0D ? '.' : b);
    return t;
}
constexpr CTextBytes g_textBytes = MakeTextBytes();

void DotControlBytesPlain(BYTE* buf, unsigned n)
{
    for (unsigned i = 0; i < n; i++) buf[i] = g_textBytes.show[buf[i]];
}

// Sixteen bytes a step. The stack is realigned on entry because the text control may call
// the stream callback with a stack aligned to four bytes only.
__attribute__((target("sse2"), force_align_arg_pointer))
void DotControlBytesSse2(BYTE* buf, unsigned n)
{
    const __m128i top = _mm_set1_epi8(0x1F);
    const __m128i tab = _mm_set1_epi8(0x09);
    const __m128i lf = _mm_set1_epi8(0x0A);
    const __m128i cr = _mm_set1_epi8(0x0D);
    const __m128i dot = _mm_set1_epi8('.');
    unsigned i = 0;
    for (; i + 16 <= n; i += 16) {
        __m128i v = _mm_loadu_si128((const __m128i*)(buf + i));
        __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(v, top), v);  // v <= 0x1F
        if (!_mm_movemask_epi8(control)) continue;
        __m128i kept = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, tab), _mm_cmpeq_epi8(v, lf)),
                                    _mm_cmpeq_epi8(v, cr));
        control = _mm_andnot_si128(kept, control);
        v = _mm_or_si128(_mm_andnot_si128(control, v), _mm_and_si128(control, dot));
        _mm_storeu_si128((__m128i*)(buf + i), v);
    }
    DotControlBytesPlain(buf + i, n - i);
}

const bool g_bSse2 = ::IsProcessorFeaturePresent(PF_XMMI64_INSTRUCTIONS_AVAILABLE) != 0;

void DotControlBytes(BYTE* buf, unsigned n)
{
    if (g_bSse2)
        DotControlBytesSse2(buf, n);
    else
        DotControlBytesPlain(buf, n);
}

// The bytes of a chunk that go out now: up to its last LF, so that no CR LF pair is split
// between two calls (the control takes a CR at the end of one and an LF at the start of the
// next for two line breaks). A chunk without an LF keeps back only a CR at its end.
unsigned LineAlignedCount(const BYTE* buf, unsigned got)
{
    for (unsigned i = got; i > 0; i--)
        if (buf[i - 1] == '\n') return i;
    return got > 1 && buf[got - 1] == '\r' ? got - 1 : got;
}

// Bytes of the current line handed out so far, and whether the last one was a lead byte.
unsigned g_nLineBytes = 0;
bool g_bAfterLead = false;

bool IsLineEnd(BYTE b) { return b == '\r' || b == '\n'; }

// Where a break of the viewer's own goes in buf[0..n) (n when none), with the line state
// carried on to the end of what goes out.
unsigned TakeLineRun(const BYTE* buf, unsigned n)
{
    for (unsigned i = 0; i < n; i++) {
        BYTE b = buf[i];
        if (g_bAfterLead) {  // a trail byte: never split from its lead
            g_bAfterLead = false;
            g_nLineBytes++;
            continue;
        }
        if (IsLineEnd(b)) {
            g_nLineBytes = 0;
            continue;
        }
        bool lead = ::IsDBCSLeadByte(b) != 0;
        // A double-byte character that would pass the bound starts the next run instead.
        if (g_nLineBytes + (lead ? 2 : 1) > TEXT_LINE_BOUND && g_nLineBytes > 0) return i;
        g_nLineBytes++;
        g_bAfterLead = lead;
    }
    return n;
}

// The control takes CR CR LF for one soft break (shown as a blank), where the file holds two
// line breaks: a CR followed by another CR goes to the control as LF, the one break it is.
// Then no CR CR LF reaches the control, and each CR and LF stands for the break it is in the
// file. got bytes are in buf; the first n go out.
void SeparateCrCrLf(BYTE* buf, unsigned n, unsigned got)
{
    for (unsigned i = 0; i < n && i + 1 < got; i++)
        if (buf[i] == '\r' && buf[i + 1] == '\r') buf[i] = '\n';
}

// The characters the control makes of n bytes: a CR LF becomes one, as does a double-byte
// character.
LONG ControlChars(const BYTE* p, unsigned n)
{
    LONG chars = 0;
    for (unsigned i = 0; i < n; chars++) {
        if (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n')
            i += 2;
        else if (i + 1 < n && ::IsDBCSLeadByte(p[i]))
            i += 2;
        else
            i++;
    }
    return chars;
}

LONG StreamText(LPBYTE buf, LONG cb, unsigned n)
{
    unsigned __int64 start = g_viewedFile.GetPosition();
    unsigned got = g_viewedFile.Read(buf, n);
    unsigned keep = got;
    // Only a full chunk can have more of its line to come; what is kept back starts the next.
    if (got == n && got < g_nSectionLeft) keep = LineAlignedCount(buf, got);
    // A line past the bound: the chunk ends there with a break of our own, when it has room.
    unsigned run = TakeLineRun(buf, keep);
    bool addBreak = run < keep && run + 2 <= (unsigned)cb;
    keep = run;
    if (keep < got) g_viewedFile.Seek(start + keep);
    g_nSectionLeft -= keep;
    DotControlBytes(buf, keep);
    SeparateCrCrLf(buf, keep, got);
    g_nStreamChars += ControlChars(buf, keep);
    if (!addBreak) return (LONG)keep;
    buf[keep] = '\r';
    buf[keep + 1] = '\n';
    g_addedBreaks.Add(g_nStreamChars);
    g_nStreamChars++;
    g_nLineBytes = 0;
    return (LONG)keep + 2;
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

    char* p = (char*)buf;
    for (unsigned done = 0; done < m;) {
        unsigned c = m - done < 16 ? m - done : 16;
        // A line needs at most 16 + 2 + 48 + 1 + 1 + 16 + 2 characters; stop short rather than overflow.
        if ((char*)buf + cb - p < 96) break;
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
        memcpy(p, chars, k);
        p += k;
        *p++ = '\r';
        *p++ = '\n';
        if (k < c) break;
        done += c;
    }
    return (LONG)(p - (char*)buf);
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
        g_bAfterLead = false;
        g_nStreamChars = 0;
        g_addedBreaks.Clear();
    }
    if (cb <= 0 || g_nStreamPieceLeft == 0) return 0;
    unsigned n = g_nSectionLeft < (unsigned)cb ? g_nSectionLeft : (unsigned)cb;
    if (n == 0) return 0;
    // A chunk goes to the control only while the process can afford it.
    if (!g_sectionBudget.Admits((unsigned)cb)) return 0;
    // The control calls this: nothing may be thrown through its frames. A failure ends the stream.
    try {
        *pcb = g_bHexMode ? StreamHex(buf, cb, n) : StreamText(buf, cb, n);
    } catch (...) {
        *pcb = 0;
        return 1;
    }
    g_sectionBudget.Took(buf, (unsigned)*pcb);
    if (g_nStreamPieceLeft > 0) g_nStreamPieceLeft = *pcb < g_nStreamPieceLeft ? g_nStreamPieceLeft - *pcb : 0;
    return 0;
}
