#include "fw/afx.h"
#include "fw/SplitterWnd.h"

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_MESSAGE(WM_SIZE, OnSize)
    ON_MESSAGE(WM_PAINT, OnPaint)
    ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
    ON_MESSAGE(WM_LBUTTONDOWN, OnLButtonDown)
    ON_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
    ON_MESSAGE(WM_LBUTTONUP, OnLButtonUp)
    ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
END_MESSAGE_MAP()

BOOL CSplitterWnd::CreateStatic(CWnd* pParent, int nRows, int nCols, DWORD style, UINT nID)
{
    if (!pParent || nRows != 1 || nCols < 1 || nCols > 16) return FALSE;
    m_nRows = nRows;
    m_cols.assign((size_t)nCols, ColInfo());
    m_panes.assign((size_t)nCols, nullptr);
    const char* cls = RegisterFrameworkClass(0, CS_DBLCLKS);
    RECT rc = {0, 0, 0, 0};
    return CreateEx(0, cls, "", style | WS_CLIPCHILDREN, rc, pParent->m_hWnd, nID);
}

BOOL CSplitterWnd::CreateView(int row, int col, AFX_NEWVIEW pfnNewView, SIZE sizeInit, CCreateContext* pContext)
{
    if (row != 0 || col < 0 || col >= GetColumnCount() || m_panes[(size_t)col] || !pfnNewView) return FALSE;
    RECT rc = {0, 0, sizeInit.cx, sizeInit.cy};
    UINT id = AFX_IDW_PANE_FIRST + 16 * row + col;
    CView* view = AfxCreateView(pfnNewView, WS_CHILD | WS_VISIBLE | WS_BORDER, rc, m_hWnd, id, pContext);
    if (!view) return FALSE;
    m_panes[(size_t)col] = view->m_hWnd;
    m_cols[(size_t)col].cxIdeal = sizeInit.cx;
    return TRUE;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    if (row != 0 || col < 0 || col >= GetColumnCount() || !::IsWindow(m_panes[(size_t)col])) return nullptr;
    return FromHandlePermanent(m_panes[(size_t)col]);
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin)
{
    if (col < 0 || col >= GetColumnCount()) return;
    m_cols[(size_t)col].cxIdeal = cxIdeal < 0 ? 0 : cxIdeal;
    m_cols[(size_t)col].cxMin = cxMin < 0 ? 0 : cxMin;
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const
{
    cxCur = cxMin = 0;
    if (col < 0 || col >= GetColumnCount()) return;
    cxCur = m_cols[(size_t)col].cxCur;
    cxMin = m_cols[(size_t)col].cxMin;
}

void CSplitterWnd::RecalcLayout()
{
    if (!m_hWnd) return;
    RECT rc;
    GetClientRect(&rc);
    int x = 0, n = GetColumnCount();
    for (int i = 0; i < n; i++) {
        ColInfo& c = m_cols[(size_t)i];
        int room = rc.right - x;
        int w = room;
        if (i < n - 1) {
            w = c.cxIdeal < c.cxMin ? c.cxMin : c.cxIdeal;
            int keep = (n - 1 - i) * kBarWidth;  // the bars to the right stay visible
            if (w > room - keep) w = room - keep;
        }
        if (w < 0) w = 0;
        c.left = x;
        c.cxCur = w;
        if (::IsWindow(m_panes[(size_t)i])) ::MoveWindow(m_panes[(size_t)i], x, 0, w, rc.bottom, TRUE);
        x += w + kBarWidth;
    }
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

LRESULT CSplitterWnd::OnSize(WPARAM, LPARAM)
{
    RecalcLayout();
    return 0;
}

LRESULT CSplitterWnd::OnPaint(WPARAM, LPARAM)
{
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    RECT rc;
    GetClientRect(&rc);
    for (int i = 0; i + 1 < GetColumnCount(); i++) {
        const ColInfo& c = m_cols[(size_t)i];
        RECT bar = {c.left + c.cxCur, 0, c.left + c.cxCur + kBarWidth, rc.bottom};
        ::FillRect(dc, &bar, ::GetSysColorBrush(COLOR_3DFACE));
        ::DrawEdge(dc, &bar, EDGE_RAISED, BF_LEFT | BF_RIGHT);
    }
    ::EndPaint(m_hWnd, &ps);
    return 0;
}

int CSplitterWnd::HitBar(int x) const
{
    for (int i = 0; i + 1 < GetColumnCount(); i++) {
        const ColInfo& c = m_cols[(size_t)i];
        if (x >= c.left + c.cxCur && x < c.left + c.cxCur + kBarWidth) return i;
    }
    return -1;
}

LRESULT CSplitterWnd::OnSetCursor(WPARAM wp, LPARAM lp)
{
    if ((HWND)wp == m_hWnd && LOWORD(lp) == HTCLIENT) {
        POINT pt;
        ::GetCursorPos(&pt);
        ::ScreenToClient(m_hWnd, &pt);
        if (m_nTrackBar >= 0 || HitBar(pt.x) >= 0) {
            ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
            return TRUE;
        }
    }
    return DefWindowProc(WM_SETCURSOR, wp, lp);
}

LRESULT CSplitterWnd::OnLButtonDown(WPARAM, LPARAM lp)
{
    int x = (short)LOWORD(lp);
    int bar = HitBar(x);
    if (bar < 0) return 0;
    m_nTrackBar = bar;
    m_nTrackOffset = x - (m_cols[(size_t)bar].left + m_cols[(size_t)bar].cxCur);
    ::SetCapture(m_hWnd);
    return 0;
}

LRESULT CSplitterWnd::OnMouseMove(WPARAM, LPARAM lp)
{
    if (m_nTrackBar < 0) return 0;
    ColInfo& c = m_cols[(size_t)m_nTrackBar];
    int w = (short)LOWORD(lp) - m_nTrackOffset - c.left;
    c.cxIdeal = w < c.cxMin ? c.cxMin : w;
    RecalcLayout();
    return 0;
}

LRESULT CSplitterWnd::OnLButtonUp(WPARAM, LPARAM)
{
    if (m_nTrackBar >= 0) ::ReleaseCapture();
    return 0;
}

LRESULT CSplitterWnd::OnCaptureChanged(WPARAM, LPARAM)
{
    m_nTrackBar = -1;
    return 0;
}
