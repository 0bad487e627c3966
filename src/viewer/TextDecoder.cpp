#include "viewer/TextDecoder.h"
#include <emmintrin.h>

namespace {

// What each byte shows as: control bytes but TAB, LF and CR become dots.
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

const wchar_t kReplacement = 0xFFFD;

bool IsHighSurrogate(unsigned u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(unsigned u) { return u >= 0xDC00 && u <= 0xDFFF; }

// A CR followed by a CR goes to the control as LF: it takes CR CR LF for one soft break.
void SeparateCrCr(BYTE* p, unsigned n, unsigned after)
{
    for (unsigned i = 0; i < n && i + 1 < n + after; i++)
        if (p[i] == '\r' && p[i + 1] == '\r') p[i] = '\n';
}

unsigned DecodeUtf8(const BYTE* p, unsigned n, wchar_t* out)
{
    wchar_t* o = out;
    for (unsigned i = 0; i < n;) {
        BYTE b = p[i];
        if (b < 0x80) {
            *o++ = b;
            i++;
            continue;
        }
        unsigned len = Utf8SequenceLength(p + i, n - i);
        if (len <= 1) {  // a bad byte, or a sequence cut by the file's end: each byte on its own
            *o++ = kReplacement;
            i++;
            continue;
        }
        unsigned c = len == 2 ? b & 0x1F : len == 3 ? b & 0x0F : b & 0x07;
        for (unsigned k = 1; k < len; k++) c = c << 6 | (p[i + k] & 0x3F);
        if (c >= 0x10000) {
            c -= 0x10000;
            *o++ = (wchar_t)(0xD800 + (c >> 10));
            *o++ = (wchar_t)(0xDC00 + (c & 0x3FF));
        } else {
            *o++ = (wchar_t)c;
        }
        i += len;
    }
    return (unsigned)(o - out);
}

}  // namespace

void DotControlBytes(BYTE* buf, unsigned n)
{
    if (g_bSse2)
        DotControlBytesSse2(buf, n);
    else
        DotControlBytesPlain(buf, n);
}

unsigned Utf8SequenceLength(const BYTE* p, unsigned avail)
{
    BYTE b = p[0];
    if (b < 0x80) return 1;
    unsigned len;
    BYTE lo = 0x80, hi = 0xBF;  // the second byte's range: no overlong forms, surrogates or values past U+10FFFF
    if (b < 0xC2)
        return 1;
    else if (b < 0xE0)
        len = 2;
    else if (b < 0xF0) {
        len = 3;
        if (b == 0xE0) lo = 0xA0;
        if (b == 0xED) hi = 0x9F;
    } else if (b < 0xF5) {
        len = 4;
        if (b == 0xF0) lo = 0x90;
        if (b == 0xF4) hi = 0x8F;
    } else
        return 1;
    for (unsigned k = 1; k < len; k++) {
        if (k >= avail) return 0;
        BYTE c = p[k];
        if (c < (k == 1 ? lo : 0x80) || c > (k == 1 ? hi : 0xBF)) return 1;
    }
    return len;
}

CTextDecoder::CTextDecoder(VIEWER_ENCODING encoding) : m_encoding(encoding)
{
    if (m_encoding == ENCODING_AUTOMATIC) m_encoding = ENCODING_ANSI;
    if (m_encoding != ENCODING_ANSI && m_encoding != ENCODING_OEM) return;
    m_cp = m_encoding == ENCODING_OEM ? SystemOemCodePage() : SystemAnsiCodePage();
    CPINFO info = {};
    if (!::GetCPInfo(m_cp, &info) || info.MaxCharSize != 2) return;
    m_bDoubleByte = true;
    for (int r = 0; r + 1 < MAX_LEADBYTES && info.LeadByte[r]; r += 2)
        for (unsigned b = info.LeadByte[r]; b <= info.LeadByte[r + 1] && b < 256; b++) m_lead[b] = true;
}

unsigned CTextDecoder::CharLength(const BYTE* p, unsigned avail) const
{
    if (avail == 0) return 0;
    switch (m_encoding) {
    case ENCODING_UTF8:
        return p[0] < 0x80 ? 1 : Utf8SequenceLength(p, avail);
    case ENCODING_UTF16LE:
    case ENCODING_UTF16BE:
        if (avail < 2) return 0;
        if (!IsHighSurrogate(Unit(p))) return 2;
        if (avail < 4) return 0;
        return IsLowSurrogate(Unit(p + 2)) ? 4 : 2;
    default:
        // A lead byte takes the byte after it, whatever it is, as the code page's conversion does.
        if (m_bDoubleByte && m_lead[p[0]]) return avail >= 2 ? 2 : 0;
        return 1;
    }
}

wchar_t CTextDecoder::LineEndAt(const BYTE* p, unsigned len) const
{
    if (IsUtf16()) {
        if (len != 2) return 0;
        unsigned u = Unit(p);
        return u == '\r' || u == '\n' ? (wchar_t)u : 0;
    }
    return len == 1 && (p[0] == '\r' || p[0] == '\n') ? (wchar_t)p[0] : 0;
}

unsigned CTextDecoder::Decode(BYTE* p, unsigned n, unsigned after, wchar_t* out) const
{
    if (n == 0) return 0;
    if (IsUtf16()) {
        wchar_t* o = out;
        unsigned i = 0;
        for (; i + 1 < n; i += 2) {
            unsigned u = Unit(p + i);
            if (IsHighSurrogate(u) && i + 3 < n && IsLowSurrogate(Unit(p + i + 2))) {
                *o++ = (wchar_t)u;
                *o++ = (wchar_t)Unit(p + i + 2);
                i += 2;
                continue;
            }
            if (IsHighSurrogate(u) || IsLowSurrogate(u))
                u = kReplacement;
            else if (u < 0x20)
                u = g_textBytes.show[u];
            if (u == '\r' && i + 3 < n + after && Unit(p + i + 2) == '\r') u = '\n';
            *o++ = (wchar_t)u;
        }
        if (i < n) *o++ = kReplacement;  // half a unit at the file's end
        return (unsigned)(o - out);
    }
    DotControlBytes(p, n);
    SeparateCrCr(p, n, after);
    if (m_encoding == ENCODING_UTF8) return DecodeUtf8(p, n, out);
    int units = ::MultiByteToWideChar(m_cp, 0, (const char*)p, (int)n, out, (int)n);
    return units > 0 ? (unsigned)units : 0;
}

unsigned CTextDecoder::StraddlingBytes(const BYTE* back, unsigned nBack, const BYTE* ahead, unsigned nAhead) const
{
    if (nBack == 0 || nAhead == 0) return 0;
    switch (m_encoding) {
    case ENCODING_UTF8:
        // A lead byte is never part of another sequence: the nearest one decides.
        for (unsigned j = 1; j <= 3 && j <= nBack; j++) {
            BYTE b = back[nBack - j];
            if (b < 0x80) return 0;
            if (b < 0xC0) continue;
            BYTE seq[8];
            unsigned len = 0;
            for (unsigned k = nBack - j; k < nBack; k++) seq[len++] = back[k];
            for (unsigned k = 0; k < nAhead && len < sizeof seq; k++) seq[len++] = ahead[k];
            unsigned whole = Utf8SequenceLength(seq, len);
            return whole > j ? whole - j : 0;
        }
        return 0;
    case ENCODING_UTF16LE:
    case ENCODING_UTF16BE:
        return nBack >= 2 && nAhead >= 2 && IsHighSurrogate(Unit(back + nBack - 2)) && IsLowSurrogate(Unit(ahead))
                   ? 2
                   : 0;
    default: {
        if (!m_bDoubleByte) return 0;
        // Bytes that can only lead pair off from the last byte that cannot: an odd run ends in a lead.
        unsigned run = 0;
        while (run < nBack && m_lead[back[nBack - 1 - run]]) run++;
        return run % 2 ? 1 : 0;
    }
    }
}
