#include "viewer/PrintLayout.h"
#include <string>

CPrintLayout::CPrintLayout(HDC hdc, const RECT& rcTwips, HFONT screenFont, bool wrap) : m_hdc(hdc), m_wrap(wrap)
{
    int dpiX = ::GetDeviceCaps(hdc, LOGPIXELSX), dpiY = ::GetDeviceCaps(hdc, LOGPIXELSY);
    m_rc.left = MulDiv(rcTwips.left, dpiX, 1440);
    m_rc.top = MulDiv(rcTwips.top, dpiY, 1440);
    m_rc.right = MulDiv(rcTwips.right, dpiX, 1440);
    m_rc.bottom = MulDiv(rcTwips.bottom, dpiY, 1440);

    // The header sits at the top of the page: never print over it.
    TEXTMETRICA tm;
    ::GetTextMetricsA(hdc, &tm);
    if (m_rc.top < tm.tmHeight + tm.tmExternalLeading) m_rc.top = tm.tmHeight + tm.tmExternalLeading;

    LOGFONTA lf = {};
    if (screenFont && ::GetObjectA(screenFont, sizeof lf, &lf)) {
        HDC screen = ::GetDC(nullptr);
        int screenDpi = ::GetDeviceCaps(screen, LOGPIXELSY);
        ::ReleaseDC(nullptr, screen);
        lf.lfHeight = MulDiv(lf.lfHeight, dpiY, screenDpi > 0 ? screenDpi : 96);
        lf.lfWidth = MulDiv(lf.lfWidth, dpiY, screenDpi > 0 ? screenDpi : 96);
        m_font.Attach(::CreateFontIndirectA(&lf));
    }
    m_selectFont.Select(hdc, m_font.Get());
    ::GetTextMetricsA(hdc, &tm);
    m_lineHeight = tm.tmHeight + tm.tmExternalLeading;
    if (m_lineHeight <= 0) m_lineHeight = 1;
}

std::wstring CPrintLayout::NextLine(const wchar_t* p, const wchar_t** next)
{
    // The logical line up to CR, LF or CR LF, tabs expanded to columns of eight.
    std::wstring line;
    const wchar_t* q = p;
    while (*q && *q != L'\r' && *q != L'\n') {
        if (*q == L'\t')
            line.append(8 - line.size() % 8, L' ');
        else
            line += *q;
        q++;
    }
    const wchar_t* after = q;
    if (*after == L'\r') after++;
    if (*after == L'\n' && after > q && after[-1] == L'\r') after++;
    else if (*after == L'\n' && after == q) after++;

    int width = m_rc.right - m_rc.left;
    int fit = (int)line.size();
    SIZE sz;
    if (width > 0 && !line.empty() &&
        ::GetTextExtentExPointW(m_hdc, line.c_str(), (int)line.size(), width, &fit, nullptr, &sz) &&
        fit < (int)line.size()) {
        if (fit < 1) fit = 1;
        if (!m_wrap) {
            *next = after;  // hex lines are never wrapped: the rest is clipped, as on screen
            return line.substr(0, (size_t)fit);
        }
        // Break after the last blank that fits, else inside the word. Map back to the source.
        int cut = fit;
        for (int i = fit; i > 0; i--)
            if (line[(size_t)i - 1] == L' ') { cut = i; break; }
        int col = 0;
        const wchar_t* s = p;
        while (s < q && col < cut) {
            col = *s == L'\t' ? col + 8 - col % 8 : col + 1;
            s++;
        }
        *next = s;
        return line.substr(0, (size_t)cut);
    }
    *next = after;
    return line;
}

const wchar_t* CPrintLayout::DrawPage(const wchar_t* text)
{
    int y = m_rc.top;
    while (*text && y + m_lineHeight <= m_rc.bottom) {
        const wchar_t* next = text;
        std::wstring line = NextLine(text, &next);
        ::TextOutW(m_hdc, m_rc.left, y, line.c_str(), (int)line.size());
        y += m_lineHeight;
        if (next == text) break;  // no progress is impossible, but never loop on it
        text = next;
    }
    return text;
}
