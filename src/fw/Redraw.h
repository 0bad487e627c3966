// CRedrawOff: a window stops drawing (and updating its scroll bars) for the life of the
// object, then draws itself anew. Filling a control row by row runs many times faster so.
#pragma once

#include <windows.h>

// Drawing of a window off, or on again with the whole window drawn anew.
inline void SetRedraw(HWND hWnd, bool bOn)
{
    if (!hWnd) return;
    ::SendMessageA(hWnd, WM_SETREDRAW, bOn, 0);
    if (bOn) ::InvalidateRect(hWnd, nullptr, TRUE);
}

class CRedrawOff {
public:
    // Only a window with the visible style takes part: turning drawing back on shows a window.
    explicit CRedrawOff(HWND hWnd) : m_hWnd(hWnd && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_VISIBLE) ? hWnd : nullptr)
    {
        SetRedraw(m_hWnd, false);
    }
    ~CRedrawOff()
    {
        if (m_hWnd && ::IsWindow(m_hWnd)) SetRedraw(m_hWnd, true);
    }
    CRedrawOff(const CRedrawOff&) = delete;
    CRedrawOff& operator=(const CRedrawOff&) = delete;

private:
    HWND m_hWnd;
};
