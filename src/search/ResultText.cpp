#include "search/ResultText.h"
#include <time.h>

CString FormatResultSize(unsigned __int64 size)
{
    unsigned __int64 kb = size / 1024;
    if (kb >= 10) return DecimalText(kb) + " KB";
    return DecimalText(size) + " B";
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
