// CSelectObject: a font, pen, brush or bitmap selected into a DC for the lifetime of the
// guard; the object that was there before goes back in when the guard goes.
#pragma once

#include <windows.h>

class CSelectObject {
public:
    CSelectObject() {}
    CSelectObject(HDC hdc, HGDIOBJ obj) { Select(hdc, obj); }
    ~CSelectObject() { Restore(); }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

    // Selects obj (nothing for a null one); the first object it replaced is the one put back.
    void Select(HDC hdc, HGDIOBJ obj)
    {
        if (!hdc || !obj) return;
        if (m_hdc && m_hdc != hdc) Restore();
        HGDIOBJ old = ::SelectObject(hdc, obj);
        if (!old || old == HGDI_ERROR) return;
        if (!m_old) {
            m_hdc = hdc;
            m_old = old;
        }
    }
    // Puts the first replaced object back now.
    void Restore()
    {
        if (m_hdc && m_old) ::SelectObject(m_hdc, m_old);
        m_hdc = nullptr;
        m_old = nullptr;
    }

private:
    HDC m_hdc = nullptr;
    HGDIOBJ m_old = nullptr;
};
