// Lays text out on printed pages with GDI, for rich edit controls that cannot format
// onto a device themselves.
#pragma once

#include "fw/afx.h"
#include "fw/Handle.h"
#include "fw/SelectObject.h"

class CPrintLayout {
public:
    // rcTwips: the target rectangle in twips; screenFont: the control's font, scaled to the device.
    CPrintLayout(HDC hdc, const RECT& rcTwips, HFONT screenFont, bool wrap);
    CPrintLayout(const CPrintLayout&) = delete;
    CPrintLayout& operator=(const CPrintLayout&) = delete;

    // Draws as many lines from text as fit and returns where the next page starts.
    const char* DrawPage(const char* text);
    int LinesPerPage() const { return m_lineHeight > 0 ? (m_rc.bottom - m_rc.top) / m_lineHeight : 0; }

private:
    // The next printed line starting at p (at most the width); *next = where the following one starts.
    CString NextLine(const char* p, const char** next);

    HDC m_hdc;
    RECT m_rc;          // device units
    CFont m_font;
    CSelectObject m_selectFont;  // after the font: it is deselected before it is deleted
    int m_lineHeight = 0;
    bool m_wrap;
};
