// Lays text out on printed pages with GDI, for rich edit controls that cannot format
// onto a device themselves.
#pragma once

#include "fw/afx.h"
#include "fw/Handle.h"
#include "fw/SelectObject.h"
#include <string>

class CPrintLayout {
public:
    // rcTwips: the target rectangle in twips; screenFont: the control's font, scaled to the device.
    CPrintLayout(HDC hdc, const RECT& rcTwips, HFONT screenFont, bool wrap);
    CPrintLayout(const CPrintLayout&) = delete;
    CPrintLayout& operator=(const CPrintLayout&) = delete;

    // Draws as many lines from text as fit and returns where the next page starts.
    const wchar_t* DrawPage(const wchar_t* text);
    int LinesPerPage() const { return m_lineHeight > 0 ? (m_rc.bottom - m_rc.top) / m_lineHeight : 0; }

private:
    // The next printed line starting at p (at most the width); *next = where the following one starts.
    std::wstring NextLine(const wchar_t* p, const wchar_t** next);

    HDC m_hdc;
    RECT m_rc;          // device units
    CFont m_font;
    CSelectObject m_selectFont;  // after the font: it is deselected before it is deleted
    int m_lineHeight = 0;
    bool m_wrap;
};
