// CString: the program's 8-bit string (ANSI code page).
#pragma once

#include <string>
#include <stdarg.h>
#include <stdio.h>

class CString {
public:
    CString() {}
    CString(const char* psz) : m_s(psz ? psz : "") {}
    CString(const char* p, int n) : m_s(p ? p : "", p ? (size_t)n : 0) {}
    CString(char ch, int nRepeat = 1) : m_s((size_t)(nRepeat > 0 ? nRepeat : 0), ch) {}
    CString(const std::string& s) : m_s(s) {}

    int GetLength() const { return (int)m_s.size(); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    operator const char*() const { return m_s.c_str(); }
    const char* c_str() const { return m_s.c_str(); }
    const std::string& str() const { return m_s; }

    char GetAt(int i) const { return m_s[(size_t)i]; }
    char operator[](int i) const { return m_s[(size_t)i]; }
    void SetAt(int i, char ch) { m_s[(size_t)i] = ch; }

    CString& operator=(const char* psz) { m_s = psz ? psz : ""; return *this; }
    CString& operator+=(const CString& s) { m_s += s.m_s; return *this; }
    CString& operator+=(const char* psz) { if (psz) m_s += psz; return *this; }
    CString& operator+=(char ch) { m_s += ch; return *this; }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_s + b.m_s); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.m_s + (b ? b : "")); }
    friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.m_s); }
    friend CString operator+(const CString& a, char ch) { return CString(a.m_s + ch); }
    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CString& a, const char* b) { return a.m_s == (b ? b : ""); }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_s != b.m_s; }
    friend bool operator!=(const CString& a, const char* b) { return a.m_s != (b ? b : ""); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_s < b.m_s; }

    int Compare(const char* psz) const;
    // Case-insensitive and multibyte aware (_mbsicmp), as names on disk compare.
    int CompareNoCase(const char* psz) const;

    CString Left(int n) const;
    CString Right(int n) const;
    CString Mid(int first) const;
    CString Mid(int first, int n) const;

    int Find(char ch, int start = 0) const;
    int Find(const char* psz, int start = 0) const;
    int ReverseFind(char ch) const;

    void MakeUpper();
    void MakeLower();
    void TrimLeft();
    void TrimRight();
    void Trim() { TrimRight(); TrimLeft(); }
    int Replace(char from, char to);
    int Replace(const char* from, const char* to);
    void Insert(int i, const char* psz);
    void Delete(int i, int n = 1);

    // Checked by the compiler like printf (the formatter is the C library's vsnprintf).
    void Format(const char* fmt, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 2, 3)));
    void FormatV(const char* fmt, va_list args);

    // Direct access for APIs that fill a buffer; ReleaseBuffer trims at the first zero.
    char* GetBuffer(int nMinLength);
    void ReleaseBuffer(int nNewLength = -1);
    BOOL LoadString(unsigned nID);

private:
    std::string m_s;
};

// The decimal digits of a size or a count, 64-bit throughout ("0", "18446744073709551615").
CString DecimalText(unsigned __int64 value);
