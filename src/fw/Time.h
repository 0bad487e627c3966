// CTime: seconds since 1970-01-01 00:00 UTC, signed 64-bit.
#pragma once

#include "fw/String.h"

class CTime {
public:
    CTime() : m_time(0) {}
    explicit CTime(__int64 t) : m_time(t) {}
    // From a file time stamp (100 ns since 1601, UTC).
    explicit CTime(const FILETIME& ft);
    CTime(int year, int month, int day, int hour, int min, int sec);  // local time

    static CTime GetCurrentTime();
    __int64 GetTime() const { return m_time; }

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    // strftime-style format in local time.
    CString Format(const char* fmt) const;

    bool operator==(const CTime& o) const { return m_time == o.m_time; }
    bool operator!=(const CTime& o) const { return m_time != o.m_time; }
    bool operator<(const CTime& o) const { return m_time < o.m_time; }

private:
    bool Local(SYSTEMTIME& st) const;
    __int64 m_time;
};
