#include "search/ResultText.h"
#include <time.h>

static CString Decimal(unsigned __int64 v)
{
    char digits[24];
    int n = 0;
    do {
        digits[n++] = (char)('0' + v % 10);
        v /= 10;
    } while (v);
    CString s;
    while (n) s += digits[--n];
    return s;
}

CString FormatResultSize(unsigned __int64 size)
{
    unsigned __int64 kb = size / 1024;
    if (kb >= 10) return Decimal(kb) + " KB";
    return Decimal(size) + " B";
}

CString FormatResultTime(const CTime& time)
{
    __time64_t t = (__time64_t)time.GetTime();
    struct tm parts;
    if (_gmtime64_s(&parts, &t) != 0) return CString();
    char text[128];
    if (!strftime(text, sizeof text, "%d-%m-%Y %I:%M %p", &parts)) return CString();
    return CString(text);
}

CString FormatFindStatus(int count, const char* folder)
{
    CString s;
    if (folder)
        s.Format("(%d) - %s", count, folder);
    else
        s.Format("%d items found", count);
    return s;
}
