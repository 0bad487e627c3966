#include "viewer/AddedBreaks.h"
#include "fw/RichEditCtrl.h"
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

std::wstring ControlText(const CRichEditCtrl& ctl)
{
    LONG len = ctl.GetCharCount();
    if (len <= 0) return std::wstring();
    // The control's own characters: its "A" text would pass through the process's code page.
    std::wstring text((size_t)len + 1, L'\0');
    LONG n = ctl.GetTextEx(&text[0], (DWORD)text.size());
    text.resize(n > 0 && n <= len ? (size_t)n : 0);
    return text;
}

std::wstring SectionTextOf(const CRichEditCtrl& ctl, LONG cpMin, LONG cpMax, bool crlf)
{
    std::wstring all = ControlText(ctl);
    if (cpMax < 0 || cpMax > (LONG)all.size()) cpMax = (LONG)all.size();
    if (cpMin < 0) cpMin = 0;
    if (cpMax <= cpMin) return std::wstring();
    return g_addedBreaks.Strip(all.substr((size_t)cpMin, (size_t)(cpMax - cpMin)), cpMin, crlf);
}
