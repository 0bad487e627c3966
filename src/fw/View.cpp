#include "fw/afx.h"
#include "fw/View.h"
#include "fw/Document.h"
#include "fw/DocFrameWnd.h"
#include "fw/OleDropTarget.h"
#include <memory>

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_MESSAGE(WM_SETFOCUS, OnSetFocus)
    ON_MESSAGE(WM_DESTROY, OnDestroy)
    ON_MESSAGE(WM_PAINT, OnPaint)
END_MESSAGE_MAP()

CView::~CView()
{
    if (m_pDropTarget) m_pDropTarget->Revoke();
    if (m_pDocument) m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCTA&) { return TRUE; }

BOOL CView::Create(const char* className, DWORD style, const RECT& rc, HWND hParent, UINT nID,
                   CCreateContext* pContext)
{
    CREATESTRUCTA cs = {};
    cs.lpszClass = className;
    cs.style = style;
    cs.x = rc.left;
    cs.y = rc.top;
    cs.cx = rc.right - rc.left;
    cs.cy = rc.bottom - rc.top;
    cs.hwndParent = hParent;
    cs.hMenu = (HMENU)(UINT_PTR)nID;
    if (!PreCreateWindow(cs)) return FALSE;
    if (pContext && pContext->m_pCurrentDoc) pContext->m_pCurrentDoc->AddView(this);
    RECT r = {cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
    if (!CreateEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, r, cs.hwndParent, nID)) {
        if (m_pDocument) m_pDocument->RemoveView(this);
        return FALSE;
    }
    m_bWindowOwnsView = true;
    return TRUE;
}

CView* AfxCreateView(AFX_NEWVIEW pfnNewView, DWORD style, const RECT& rc, HWND hParent, UINT nID,
                     CCreateContext* pContext)
{
    std::unique_ptr<CView> view(pfnNewView ? pfnNewView() : nullptr);
    if (!view || !view->Create(nullptr, style, rc, hParent, nID, pContext)) return nullptr;
    return view.release();
}

CDocFrameWnd* CView::GetParentFrame() const
{
    for (HWND h = m_hWnd ? ::GetParent(m_hWnd) : nullptr; h; h = ::GetParent(h))
        if (CDocFrameWnd* f = dynamic_cast<CDocFrameWnd*>(FromHandlePermanent(h))) return f;
    return nullptr;
}

LRESULT CView::OnSetFocus(WPARAM wp, LPARAM lp)
{
    if (CDocFrameWnd* f = GetParentFrame()) f->SetActiveView(this, FALSE);
    return DefWindowProc(WM_SETFOCUS, wp, lp);
}

LRESULT CView::OnDestroy(WPARAM wp, LPARAM lp)
{
    if (m_pDropTarget) m_pDropTarget->Revoke();
    if (CDocFrameWnd* f = GetParentFrame())
        if (f->GetActiveView() == this) f->SetActiveView(nullptr, FALSE);
    return DefWindowProc(WM_DESTROY, wp, lp);
}

LRESULT CView::OnPaint(WPARAM, LPARAM)
{
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    OnDraw(dc);
    ::EndPaint(m_hWnd, &ps);
    return 0;
}

BEGIN_MESSAGE_MAP(CCtrlView, CView)
    ON_MESSAGE(WM_PAINT, OnPaintCtrl)
END_MESSAGE_MAP()

BOOL CCtrlView::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.lpszClass = m_strClass;
    cs.style |= m_dwDefaultStyle;
    return CView::PreCreateWindow(cs);
}
