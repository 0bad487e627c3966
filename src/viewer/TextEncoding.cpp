#include "viewer/TextEncoding.h"
#include "viewer/TextDecoder.h"
#include <initializer_list>
#include <stdlib.h>

VIEWER_ENCODING DetectEncoding(const BYTE* p, unsigned n)
{
    for (VIEWER_ENCODING e : {ENCODING_UTF8, ENCODING_UTF16LE, ENCODING_UTF16BE})
        if (ByteOrderMarkLength(e, p, n)) return e;
    bool multibyte = false;
    for (unsigned i = 0; i < n;) {
        if (p[i] < 0x80) {
            i++;
            continue;
        }
        unsigned len = Utf8SequenceLength(p + i, n - i);
        if (len == 0) break;  // cut by the sample's end: it may well go on validly
        if (len == 1) return ENCODING_ANSI;
        multibyte = true;
        i += len;
    }
    return multibyte ? ENCODING_UTF8 : ENCODING_ANSI;
}

unsigned ByteOrderMarkLength(VIEWER_ENCODING encoding, const BYTE* p, unsigned n)
{
    switch (encoding) {
    case ENCODING_UTF8:
        return n >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF ? 3 : 0;
    case ENCODING_UTF16LE:
        return n >= 2 && p[0] == 0xFF && p[1] == 0xFE ? 2 : 0;
    case ENCODING_UTF16BE:
        return n >= 2 && p[0] == 0xFE && p[1] == 0xFF ? 2 : 0;
    default:
        return 0;
    }
}

static UINT SystemCodePage(LCTYPE type, UINT fallback)
{
    char digits[8] = "";
    if (!::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, type, digits, sizeof digits)) return fallback;
    UINT cp = (UINT)strtoul(digits, nullptr, 10);
    // 0: a locale with no code page of its own (Unicode only); CP_ACP would follow the process.
    return cp && ::IsValidCodePage(cp) ? cp : fallback;
}

UINT SystemAnsiCodePage()
{
    static const UINT cp = SystemCodePage(LOCALE_IDEFAULTANSICODEPAGE, 1252);
    return cp;
}

UINT SystemOemCodePage()
{
    static const UINT cp = SystemCodePage(LOCALE_IDEFAULTCODEPAGE, 437);
    return cp;
}

const char* EncodingName(VIEWER_ENCODING encoding)
{
    switch (encoding) {
    case ENCODING_ANSI: return "ANSI";
    case ENCODING_OEM: return "OEM (DOS)";
    case ENCODING_UTF8: return "UTF-8";
    case ENCODING_UTF16LE: return "UTF-16 LE";
    case ENCODING_UTF16BE: return "UTF-16 BE";
    default: return "";
    }
}
