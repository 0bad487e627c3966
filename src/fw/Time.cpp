#include "fw/afx.h"
#include <time.h>

static const __int64 kEpochDiff100ns = 116444736000000000LL;

CTime::CTime(const FILETIME& ft)
{
    ULARGE_INTEGER u;
    u.LowPart = ft.dwLowDateTime;
    u.HighPart = ft.dwHighDateTime;
    m_time = ((__int64)u.QuadPart - kEpochDiff100ns) / 10000000LL;
}

CTime::CTime(int year, int month, int day, int hour, int min, int sec)
{
    SYSTEMTIME st = {};
    st.wYear = (WORD)year;
    st.wMonth = (WORD)month;
    st.wDay = (WORD)day;
    st.wHour = (WORD)hour;
    st.wMinute = (WORD)min;
    st.wSecond = (WORD)sec;
    FILETIME local, utc;
    m_time = 0;
    if (SystemTimeToFileTime(&st, &local) && LocalFileTimeToFileTime(&local, &utc))
        *this = CTime(utc);
}

CTime CTime::GetCurrentTime()
{
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    return CTime(ft);
}

bool CTime::Local(SYSTEMTIME& st) const
{
    ULARGE_INTEGER u;
    u.QuadPart = (ULONGLONG)(m_time * 10000000LL + kEpochDiff100ns);
    FILETIME utc = {u.LowPart, u.HighPart}, local;
    return FileTimeToLocalFileTime(&utc, &local) && FileTimeToSystemTime(&local, &st);
}

int CTime::GetYear() const { SYSTEMTIME st = {}; Local(st); return st.wYear; }
int CTime::GetMonth() const { SYSTEMTIME st = {}; Local(st); return st.wMonth; }
int CTime::GetDay() const { SYSTEMTIME st = {}; Local(st); return st.wDay; }
int CTime::GetHour() const { SYSTEMTIME st = {}; Local(st); return st.wHour; }
int CTime::GetMinute() const { SYSTEMTIME st = {}; Local(st); return st.wMinute; }
int CTime::GetSecond() const { SYSTEMTIME st = {}; Local(st); return st.wSecond; }

CString CTime::Format(const char* fmt) const
{
    SYSTEMTIME st = {};
    if (!Local(st)) return CString();
    struct tm t = {};
    t.tm_year = st.wYear - 1900;
    t.tm_mon = st.wMonth - 1;
    t.tm_mday = st.wDay;
    t.tm_hour = st.wHour;
    t.tm_min = st.wMinute;
    t.tm_sec = st.wSecond;
    t.tm_wday = st.wDayOfWeek;
    char buf[256];
    size_t n = strftime(buf, sizeof buf, fmt, &t);
    return CString(buf, (int)n);
}
