// CTime: seconds since 1970-01-01 00:00 UTC, signed 64-bit. The one conversion from a file
// time stamp to an instant, and from an instant to the local calendar: the zone's rule of
// the instant's own date decides on daylight saving, never the rule in force today.
#pragma once

#include "fw/String.h"

class CTime {
public:
    CTime() : m_time(0) {}
    explicit CTime(__int64 t) : m_time(t) {}
    // From a file time stamp (100 ns since 1601, UTC), to the whole second before it.
    explicit CTime(const FILETIME& ft);
    CTime(int year, int month, int day, int hour, int min, int sec);  // local time; 0 if invalid

    static CTime GetCurrentTime();
    __int64 GetTime() const { return m_time; }

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    // strftime-style format in local time; empty when the platform cannot convert it.
    CString Format(const char* fmt) const;
    FILETIME ToFileTime() const;
    // The instant on the local calendar; false when the platform cannot convert it.
    bool GetAsSystemTime(SYSTEMTIME& st) const;

    bool operator==(const CTime& o) const { return m_time == o.m_time; }
    bool operator!=(const CTime& o) const { return m_time != o.m_time; }
    bool operator<(const CTime& o) const { return m_time < o.m_time; }

private:
    __int64 m_time;
};
