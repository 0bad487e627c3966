#include "search/FindFilesDlg.h"
#include "res/resource.h"

// The first size the window was asked for its limits while shown: the smallest it may
// become, for every Find Files window of the process.
static POINT g_findMinTrackSize = {0, 0};

void CFindFilesDlg::MakeResizable()
{
    RECT client;
    GetClientRect(&client);
    DWORD style = (DWORD)::GetWindowLongA(m_hWnd, GWL_STYLE);
    style = (style & ~(DWORD)DS_MODALFRAME) | WS_POPUP | WS_THICKFRAME;
    ::SetWindowLongA(m_hWnd, GWL_STYLE, (LONG)style);
    DWORD exStyle = (DWORD)::GetWindowLongA(m_hWnd, GWL_EXSTYLE);
    RECT outer = client;
    ::AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LRESULT CFindFilesDlg::OnSize(WPARAM wp, LPARAM lp)
{
    HWND list = GetDlgItem(IDC_FIND_RESULTS);
    if (wp == SIZE_MINIMIZED || !list) return 0;
    RECT rc;
    ::GetWindowRect(list, &rc);
    ::MapWindowPoints(nullptr, m_hWnd, (POINT*)&rc, 2);
    int cx = LOWORD(lp), cy = HIWORD(lp);
    int width = cx - 2 * rc.left, height = cy - rc.left - rc.top;
    ::SetWindowPos(list, nullptr, rc.left, rc.top, width > 0 ? width : 0, height > 0 ? height : 0,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT CFindFilesDlg::OnGetMinMaxInfo(WPARAM, LPARAM lp)
{
    MINMAXINFO* mmi = (MINMAXINFO*)lp;
    if (g_findMinTrackSize.x == 0 && m_hWnd && ::IsWindowVisible(m_hWnd)) {
        RECT rc;
        GetWindowRect(&rc);
        g_findMinTrackSize.x = rc.right - rc.left;
        g_findMinTrackSize.y = rc.bottom - rc.top;
    }
    if (g_findMinTrackSize.x) mmi->ptMinTrackSize = g_findMinTrackSize;
    return 0;
}

BOOL CFindFilesDlg::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult)
{
    // Only the minimised window paints itself; otherwise the dialog paints as usual.
    if (msg == WM_PAINT && !::IsIconic(m_hWnd)) return FALSE;
    return CDialog::OnWndMsg(msg, wp, lp, pResult);
}

LRESULT CFindFilesDlg::OnPaint(WPARAM, LPARAM)
{
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    SendMessage(WM_ICONERASEBKGND, (WPARAM)dc, 0);
    RECT rc;
    GetClientRect(&rc);
    int cx = ::GetSystemMetrics(SM_CXICON), cy = ::GetSystemMetrics(SM_CYICON);
    ::DrawIcon(dc, (rc.right - cx + 1) / 2, (rc.bottom - cy + 1) / 2, m_hIcon);
    ::EndPaint(m_hWnd, &ps);
    return 0;
}

LRESULT CFindFilesDlg::OnQueryDragIcon(WPARAM, LPARAM) { return (LRESULT)m_hIcon; }
