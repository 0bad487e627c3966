#include "viewer/Placement.h"
#include "res/resource.h"
#include <vector>

BOOL PlacementRect(UINT nID, int cx, int cy, RECT* rc)
{
    int x, y, w, h;
    switch (nID) {
    case ID_VIEWER_UPPER_HALF: x = 0; y = 0; w = cx; h = cy / 2; break;        // upper half
    case ID_VIEWER_LOWER_HALF: x = 0; y = cy / 2; w = cx; h = cy / 2; break;   // lower half
    case ID_VIEWER_LEFT_HALF: x = 0; y = 0; w = cx / 2; h = cy; break;        // left half
    case ID_VIEWER_RIGHT_HALF: x = cx / 2; y = 0; w = cx / 2; h = cy; break;   // right half
    case ID_VIEWER_DEFAULT_WINDOW: x = 60; y = 60; w = 520; h = 360; break;        // default window
    default: return FALSE;
    }
    SetRect(rc, x, y, x + w, y + h);
    return TRUE;
}

bool CaptionOnWorkArea(const RECT& rc, const RECT& work, int frame, int caption)
{
    // 64-bit sums: stored numbers may be anything.
    long long left = (long long)rc.left + frame, right = (long long)rc.right - frame;
    long long top = (long long)rc.top + frame, bottom = top + caption;
    if (right <= left || top < work.top || bottom > work.bottom) return false;
    long long shown = (right < work.right ? right : work.right) - (left > work.left ? left : work.left);
    long long need = right - left < PLACE_CAPTION_GRAB ? right - left : PLACE_CAPTION_GRAB;
    return shown >= need;
}

RECT MoveIntoWorkArea(const RECT& rc, const RECT& work)
{
    long long w = (long long)rc.right - rc.left, h = (long long)rc.bottom - rc.top;
    long long maxW = (long long)work.right - work.left, maxH = (long long)work.bottom - work.top;
    if (w > maxW) w = maxW;
    if (h > maxH) h = maxH;
    if (w < 0) w = 0;
    if (h < 0) h = 0;
    long long x = rc.left, y = rc.top;
    if (x + w > work.right) x = work.right - w;
    if (x < work.left) x = work.left;
    if (y + h > work.bottom) y = work.bottom - h;
    if (y < work.top) y = work.top;
    RECT out = {(LONG)x, (LONG)y, (LONG)(x + w), (LONG)(y + h)};
    return out;
}

namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM lp)
{
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    if (::GetMonitorInfoA(monitor, &mi)) ((std::vector<RECT>*)lp)->push_back(mi.rcWork);
    return TRUE;
}

}  // namespace

RECT PlaceOnAScreen(const RECT& stored)
{
    // The system makes a window no smaller than its tracking minimum: judge what will show.
    RECT rc = stored;
    int minW = ::GetSystemMetrics(SM_CXMINTRACK), minH = ::GetSystemMetrics(SM_CYMINTRACK);
    if ((long long)rc.right - rc.left < minW) rc.right = (LONG)((long long)rc.left + minW);
    if ((long long)rc.bottom - rc.top < minH) rc.bottom = (LONG)((long long)rc.top + minH);

    RECT edges = {0, 0, 0, 0};
    ::AdjustWindowRectEx(&edges, WS_OVERLAPPEDWINDOW, FALSE, 0);
    int frame = (int)edges.bottom, caption = (int)(-edges.top - edges.bottom);

    std::vector<RECT> works;
    ::EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, (LPARAM)&works);
    for (const RECT& work : works)
        if (CaptionOnWorkArea(rc, work, frame, caption)) return rc;

    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    if (!::GetMonitorInfoA(::MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &mi)) return rc;
    return MoveIntoWorkArea(rc, mi.rcWork);
}

RECT ShownWindowRect(HWND hwnd)
{
    RECT rc = {0, 0, 0, 0};
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    if (!::IsIconic(hwnd) || !::GetWindowPlacement(hwnd, &wp)) {
        ::GetWindowRect(hwnd, &rc);
        return rc;
    }
    // The restored place is in work-area coordinates: turn it into screen coordinates.
    rc = wp.rcNormalPosition;
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    if (::GetMonitorInfoA(::MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &mi))
        ::OffsetRect(&rc, mi.rcWork.left - mi.rcMonitor.left, mi.rcWork.top - mi.rcMonitor.top);
    return rc;
}
