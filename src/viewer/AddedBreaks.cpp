#include "viewer/AddedBreaks.h"
#include <richedit.h>
#include <algorithm>

CAddedBreaks g_addedBreaks;

size_t CAddedBreaks::FirstFrom(LONG cp) const
{
    return (size_t)(std::lower_bound(m_at.begin(), m_at.end(), cp) - m_at.begin());
}

bool CAddedBreaks::IsAdded(LONG cp) const
{
    size_t i = FirstFrom(cp);
    return i < m_at.size() && m_at[i] == cp;
}

std::wstring CAddedBreaks::Strip(const std::wstring& text, LONG first, bool crlf) const
{
    std::wstring out;
    out.reserve(text.size() + (crlf ? text.size() / 16 : 0));
    size_t next = FirstFrom(first);
    for (size_t i = 0; i < text.size(); i++) {
        LONG cp = first + (LONG)i;
        if (next < m_at.size() && m_at[next] == cp) {
            next++;
            continue;
        }
        wchar_t c = text[i];
        if (c == L'\r' && crlf) {
            out += L"\r\n";
            if (i + 1 < text.size() && text[i + 1] == L'\n') i++;  // a control that gave CR LF already
            continue;
        }
        out += c;
    }
    return out;
}

std::string SectionTextOf(HWND ctl, LONG cpMin, LONG cpMax, bool crlf)
{
    if (cpMax < 0) {
        GETTEXTLENGTHEX gtl = {GTL_NUMCHARS | GTL_PRECISE, 1200};
        cpMax = (LONG)::SendMessageA(ctl, EM_GETTEXTLENGTHEX, (WPARAM)&gtl, 0);
    }
    if (cpMax <= cpMin) return std::string();
    // Two bytes a character at most, as a double-byte code page needs.
    std::vector<char> ansi((size_t)(cpMax - cpMin) * 2 + 2);
    TEXTRANGEA tr = {{cpMin, cpMax}, ansi.data()};
    LONG n = (LONG)::SendMessageA(ctl, EM_GETTEXTRANGE, 0, (LPARAM)&tr);
    if (n <= 0) return std::string();
    // One wide character a position (the control's own positions), so the breaks are found by place.
    int wn = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), n, nullptr, 0);
    std::wstring wide((size_t)(wn > 0 ? wn : 0), L'\0');
    if (wn > 0) ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), n, &wide[0], wn);
    std::wstring file = g_addedBreaks.Strip(wide, cpMin, crlf);
    if (file.empty()) return std::string();
    int an = ::WideCharToMultiByte(CP_ACP, 0, file.data(), (int)file.size(), nullptr, 0, nullptr, nullptr);
    std::string out((size_t)(an > 0 ? an : 0), '\0');
    if (an > 0) ::WideCharToMultiByte(CP_ACP, 0, file.data(), (int)file.size(), &out[0], an, nullptr, nullptr);
    return out;
}
