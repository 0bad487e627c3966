#include "fw/afx.h"
#include "fw/DocFrameWnd.h"
#include "fw/Document.h"
#include "fw/DocTemplate.h"
#include "fw/WinApp.h"

BEGIN_MESSAGE_MAP(CDocFrameWnd, CFrameWnd)
    ON_MESSAGE(WM_CREATE, OnCreate)
    ON_MESSAGE(WM_SIZE, OnSize)
    ON_MESSAGE(WM_SETFOCUS, OnSetFocus)
    ON_COMMAND_RANGE(AFX_IDW_TOOLBAR, AFX_IDW_TOOLBAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(AFX_IDW_TOOLBAR, OnUpdateBarMenu)
END_MESSAGE_MAP()

static bool IsBarId(UINT id) { return id >= AFX_IDW_TOOLBAR && id < AFX_IDW_TOOLBAR + 0x100; }

BOOL CDocFrameWnd::LoadFrame(UINT nIDResource, DWORD style, HWND hParent, CCreateContext* pContext)
{
    m_strFrameTitle.LoadString(nIDResource);
    m_pDocument = pContext ? pContext->m_pCurrentDoc : nullptr;
    m_pCreateContext = pContext;
    m_bCreating = true;
    BOOL ok = CFrameWnd::LoadFrame(nIDResource, style, hParent, m_strFrameTitle);
    m_bCreating = false;
    m_pCreateContext = nullptr;
    return ok && m_hWnd;
}

LRESULT CDocFrameWnd::OnCreate(WPARAM, LPARAM lp)
{
    if (!OnCreateClient((CREATESTRUCTA*)lp, m_pCreateContext)) return -1;
    return 0;
}

BOOL CDocFrameWnd::OnCreateClient(CREATESTRUCTA*, CCreateContext* pContext)
{
    if (!pContext || !pContext->m_pfnNewView) return TRUE;
    RECT rc = {0, 0, 0, 0};
    return AfxCreateView(pContext->m_pfnNewView, WS_CHILD | WS_VISIBLE | WS_BORDER, rc, m_hWnd, AFX_IDW_PANE_FIRST,
                         pContext) != nullptr;
}

void CDocFrameWnd::InitialUpdateFrame(CDocument* pDoc)
{
    if (pDoc) {
        // A copy: an initial update may add or remove views.
        std::vector<CView*> views;
        for (int i = 0; i < pDoc->GetViewCount(); i++) views.push_back(pDoc->GetView(i));
        for (CView* v : views) v->OnInitialUpdate();
    }
    if (!m_pViewActive) {
        HWND first = nullptr;
        for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h && !first; h = ::GetWindow(h, GW_HWNDNEXT)) {
            if ((UINT)::GetDlgCtrlID(h) != AFX_IDW_PANE_FIRST) continue;
            first = dynamic_cast<CView*>(FromHandlePermanent(h)) ? h : ::GetDlgItem(h, AFX_IDW_PANE_FIRST);
        }
        if (CView* v = dynamic_cast<CView*>(FromHandlePermanent(first))) SetActiveView(v);
    }
    OnUpdateFrameTitle();
    RecalcLayout();
}

void CDocFrameWnd::SetActiveView(CView* pView, BOOL bFocus)
{
    m_pViewActive = pView;
    if (pView && bFocus && pView->m_hWnd) ::SetFocus(pView->m_hWnd);
}

LRESULT CDocFrameWnd::OnSetFocus(WPARAM wp, LPARAM lp)
{
    // The frame passes the keyboard on to the pane that had it.
    if (m_pViewActive && m_pViewActive->m_hWnd) {
        ::SetFocus(m_pViewActive->m_hWnd);
        return 0;
    }
    return DefWindowProc(WM_SETFOCUS, wp, lp);
}

void CDocFrameWnd::OnUpdateFrameTitle()
{
    if (!m_hWnd) return;
    CString caption = m_strFrameTitle;
    if (m_pDocument && !m_pDocument->GetTitle().IsEmpty())
        caption = m_pDocument->GetTitle() + " - " + m_strFrameTitle;
    if (GetWindowText() != caption) SetWindowText(caption);
}

void CDocFrameWnd::RecalcLayout()
{
    if (!m_hWnd) return;
    RECT rc;
    GetClientRect(&rc);
    HWND client = nullptr;
    for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        UINT id = (UINT)::GetDlgCtrlID(h);
        if (id == AFX_IDW_PANE_FIRST) client = h;
        if (!IsBarId(id) || !::IsWindowVisible(h)) continue;
        // A bar keeps its own height; a rebar computes it from its bands.
        ::SendMessageA(h, WM_SIZE, 0, 0);
        RECT br;
        ::GetWindowRect(h, &br);
        int height = br.bottom - br.top;
        ::MoveWindow(h, rc.left, rc.top, rc.right - rc.left, height, TRUE);
        rc.top += height;
    }
    if (rc.top > rc.bottom) rc.top = rc.bottom;
    if (client) ::MoveWindow(client, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
}

LRESULT CDocFrameWnd::OnSize(WPARAM wp, LPARAM)
{
    if (wp != SIZE_MINIMIZED) RecalcLayout();
    return 0;
}

BOOL CDocFrameWnd::OnNotify(WPARAM wp, LPARAM lp, LRESULT* pResult)
{
    if (((NMHDR*)lp)->code == RBN_HEIGHTCHANGE) {
        RecalcLayout();
        *pResult = 0;
        return TRUE;
    }
    return CFrameWnd::OnNotify(wp, lp, pResult);
}

// The band of a rebar that holds hBar, or -1.
static int BandOf(HWND hRebar, HWND hBar)
{
    int n = (int)::SendMessageA(hRebar, RB_GETBANDCOUNT, 0, 0);
    for (int i = 0; i < n; i++) {
        REBARBANDINFOA bi = {};
        bi.cbSize = sizeof bi;
        bi.fMask = RBBIM_CHILD;
        if (::SendMessageA(hRebar, RB_GETBANDINFOA, i, (LPARAM)&bi) && bi.hwndChild == hBar) return i;
    }
    return -1;
}

static bool IsRebar(HWND h)
{
    char cls[32] = "";
    ::GetClassNameA(h, cls, sizeof cls);
    return lstrcmpiA(cls, REBARCLASSNAMEA) == 0;
}

static HWND FindBar(HWND hFrame, UINT nID)
{
    if (HWND h = ::GetDlgItem(hFrame, nID)) return h;
    for (HWND h = ::GetWindow(hFrame, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        if (IsRebar(h))
            if (HWND bar = ::GetDlgItem(h, nID)) return bar;
    return nullptr;
}

BOOL CDocFrameWnd::IsControlBarVisible(UINT nID) const
{
    HWND bar = FindBar(m_hWnd, nID);
    if (!bar) return FALSE;
    HWND parent = ::GetParent(bar);
    if (parent != m_hWnd && IsRebar(parent)) {
        int band = BandOf(parent, bar);
        REBARBANDINFOA bi = {};
        bi.cbSize = sizeof bi;
        bi.fMask = RBBIM_STYLE;
        return band >= 0 && ::SendMessageA(parent, RB_GETBANDINFOA, band, (LPARAM)&bi) && !(bi.fStyle & RBBS_HIDDEN) &&
               ::IsWindowVisible(parent);
    }
    return ::IsWindowVisible(bar);
}

void CDocFrameWnd::ShowControlBar(UINT nID, BOOL bShow)
{
    HWND bar = FindBar(m_hWnd, nID);
    if (!bar) return;
    HWND parent = ::GetParent(bar);
    if (parent != m_hWnd && IsRebar(parent)) {
        int band = BandOf(parent, bar);
        if (band >= 0) ::SendMessageA(parent, RB_SHOWBAND, band, bShow);
        // A rebar without a visible band takes no room.
        int n = (int)::SendMessageA(parent, RB_GETBANDCOUNT, 0, 0), shown = 0;
        for (int i = 0; i < n; i++) {
            REBARBANDINFOA bi = {};
            bi.cbSize = sizeof bi;
            bi.fMask = RBBIM_STYLE;
            if (::SendMessageA(parent, RB_GETBANDINFOA, i, (LPARAM)&bi) && !(bi.fStyle & RBBS_HIDDEN)) shown++;
        }
        ::ShowWindow(parent, shown ? SW_SHOWNA : SW_HIDE);
    } else {
        ::ShowWindow(bar, bShow ? SW_SHOWNA : SW_HIDE);
    }
    RecalcLayout();
}

void CDocFrameWnd::OnBarCheck(UINT nID) { ShowControlBar(nID, !IsControlBarVisible(nID)); }

void CDocFrameWnd::OnUpdateBarMenu(CCmdUI* pCmdUI)
{
    BOOL exists = FindBar(m_hWnd, pCmdUI->m_nID) != nullptr;
    pCmdUI->Enable(exists);
    pCmdUI->SetCheck(exists && IsControlBarVisible(pCmdUI->m_nID));
}

void CDocFrameWnd::PostNcDestroy()
{
    CDocument* doc = m_pDocument;
    m_pDocument = nullptr;
    m_pViewActive = nullptr;
    CFrameWnd::PostNcDestroy();
    if (m_bCreating) return;
    if (doc && doc->m_pDocTemplate) doc->m_pDocTemplate->OnFrameClosed(doc);
    delete this;
}
