#include "fw/afx.h"

int CString::Compare(const char* psz) const { return strcmp(m_s.c_str(), psz ? psz : ""); }

int CString::CompareNoCase(const char* psz) const
{
    return _mbsicmp((const unsigned char*)m_s.c_str(), (const unsigned char*)(psz ? psz : ""));
}

CString CString::Left(int n) const
{
    if (n < 0) n = 0;
    return CString(m_s.substr(0, (size_t)n));
}

CString CString::Right(int n) const
{
    if (n <= 0) return CString();
    if ((size_t)n >= m_s.size()) return *this;
    return CString(m_s.substr(m_s.size() - (size_t)n));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int n) const
{
    if (first < 0) first = 0;
    if ((size_t)first >= m_s.size() || n <= 0) return CString();
    return CString(m_s.substr((size_t)first, (size_t)n));
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || (size_t)start >= m_s.size()) return -1;
    size_t p = m_s.find(ch, (size_t)start);
    return p == std::string::npos ? -1 : (int)p;
}

int CString::Find(const char* psz, int start) const
{
    if (!psz || start < 0 || (size_t)start > m_s.size()) return -1;
    size_t p = m_s.find(psz, (size_t)start);
    return p == std::string::npos ? -1 : (int)p;
}

int CString::ReverseFind(char ch) const
{
    size_t p = m_s.rfind(ch);
    return p == std::string::npos ? -1 : (int)p;
}

void CString::MakeUpper()
{
    if (!m_s.empty()) _mbsupr((unsigned char*)&m_s[0]);
}

void CString::MakeLower()
{
    if (!m_s.empty()) _mbslwr((unsigned char*)&m_s[0]);
}

void CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_s.size() && (m_s[i] == ' ' || m_s[i] == '\t' || m_s[i] == '\r' || m_s[i] == '\n')) i++;
    m_s.erase(0, i);
}

void CString::TrimRight()
{
    size_t n = m_s.size();
    while (n > 0 && (m_s[n - 1] == ' ' || m_s[n - 1] == '\t' || m_s[n - 1] == '\r' || m_s[n - 1] == '\n')) n--;
    m_s.resize(n);
}

int CString::Replace(char from, char to)
{
    int n = 0;
    for (char& c : m_s)
        if (c == from) { c = to; n++; }
    return n;
}

int CString::Replace(const char* from, const char* to)
{
    if (!from || !*from) return 0;
    std::string t = to ? to : "";
    size_t lf = strlen(from);
    int n = 0;
    for (size_t p = m_s.find(from); p != std::string::npos; p = m_s.find(from, p + t.size())) {
        m_s.replace(p, lf, t);
        n++;
    }
    return n;
}

void CString::Insert(int i, const char* psz)
{
    if (i < 0) i = 0;
    if ((size_t)i > m_s.size()) i = (int)m_s.size();
    m_s.insert((size_t)i, psz ? psz : "");
}

void CString::Delete(int i, int n)
{
    if (i < 0 || n <= 0 || (size_t)i >= m_s.size()) return;
    m_s.erase((size_t)i, (size_t)n);
}

void CString::Format(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    FormatV(fmt, args);
    va_end(args);
}

void CString::FormatV(const char* fmt, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    int n = vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    if (n < 0) { m_s.clear(); return; }
    std::string s((size_t)n + 1, '\0');
    vsnprintf(&s[0], s.size(), fmt, args);
    s.resize((size_t)n);
    m_s.swap(s);
}

char* CString::GetBuffer(int nMinLength)
{
    if (nMinLength < 0) nMinLength = 0;
    if (m_s.size() < (size_t)nMinLength) m_s.resize((size_t)nMinLength);
    m_s.push_back('\0');  // room for the terminator a filling API writes
    m_s.pop_back();
    return &m_s[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        m_s.resize(strlen(m_s.c_str()));
    else if ((size_t)nNewLength <= m_s.size())
        m_s.resize((size_t)nNewLength);
}

BOOL CString::LoadString(unsigned nID)
{
    char buf[1024];
    int n = ::LoadStringA(GetModuleHandleA(nullptr), nID, buf, sizeof buf);
    m_s.assign(buf, n > 0 ? (size_t)n : 0);
    return n > 0;
}

CString DecimalText(unsigned __int64 value)
{
    char digits[24];
    char* p = digits + sizeof digits;
    *--p = '\0';
    do {
        *--p = (char)('0' + value % 10);
        value /= 10;
    } while (value);
    return CString(p);
}
