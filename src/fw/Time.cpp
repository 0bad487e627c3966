#include "fw/afx.h"
#include <time.h>

static const __int64 kEpochDiff100ns = 116444736000000000LL;
static const __int64 kTicksPerSecond = 10000000LL;

// The zone and its daylight-saving rule, asked once per thread: asking the platform on every
// conversion costs over ten times the conversion itself (a listing converts two stamps per
// entry). The rule is applied to each instant's own date.
static const TIME_ZONE_INFORMATION* Zone()
{
    thread_local TIME_ZONE_INFORMATION zone;
    thread_local int known = -1;
    if (known < 0) known = ::GetTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID;
    return known ? &zone : nullptr;
}

CTime::CTime(const FILETIME& ft)
{
    ULARGE_INTEGER u;
    u.LowPart = ft.dwLowDateTime;
    u.HighPart = ft.dwHighDateTime;
    __int64 ticks = (__int64)u.QuadPart - kEpochDiff100ns;
    m_time = ticks / kTicksPerSecond;
    if (ticks % kTicksPerSecond < 0) m_time--;  // before 1970: down to the whole second too
}

FILETIME CTime::ToFileTime() const
{
    ULARGE_INTEGER u;
    u.QuadPart = (ULONGLONG)(m_time * kTicksPerSecond + kEpochDiff100ns);
    FILETIME ft = {u.LowPart, u.HighPart};
    return ft;
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
    SYSTEMTIME utcParts;
    FILETIME utc;
    m_time = 0;
    if (TzSpecificLocalTimeToSystemTime(Zone(), &st, &utcParts) && SystemTimeToFileTime(&utcParts, &utc))
        *this = CTime(utc);
}

CTime CTime::GetCurrentTime()
{
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    return CTime(ft);
}

bool CTime::GetAsSystemTime(SYSTEMTIME& st) const
{
    FILETIME ft = ToFileTime();
    SYSTEMTIME utc;
    return FileTimeToSystemTime(&ft, &utc) && SystemTimeToTzSpecificLocalTime(Zone(), &utc, &st);
}

int CTime::GetYear() const { SYSTEMTIME st = {}; GetAsSystemTime(st); return st.wYear; }
int CTime::GetMonth() const { SYSTEMTIME st = {}; GetAsSystemTime(st); return st.wMonth; }
int CTime::GetDay() const { SYSTEMTIME st = {}; GetAsSystemTime(st); return st.wDay; }
int CTime::GetHour() const { SYSTEMTIME st = {}; GetAsSystemTime(st); return st.wHour; }
int CTime::GetMinute() const { SYSTEMTIME st = {}; GetAsSystemTime(st); return st.wMinute; }
int CTime::GetSecond() const { SYSTEMTIME st = {}; GetAsSystemTime(st); return st.wSecond; }

CString CTime::Format(const char* fmt) const
{
    SYSTEMTIME st = {};
    if (!GetAsSystemTime(st)) return CString();
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
