// CView: a child window that shows a document; CCtrlView: a view that is a common control.
#pragma once

#include "fw/Wnd.h"

class CDocument;
class CDocFrameWnd;
class CView;
class COleDataObject;
class COleDropTarget;

// Makes a new view object (not yet a window).
typedef CView* (*AFX_NEWVIEW)();
template <class T>
CView* AfxNewView() { return new T; }

// What a frame needs to create its views: the document they show and the first view's class.
struct CCreateContext {
    CDocument* m_pCurrentDoc = nullptr;
    AFX_NEWVIEW m_pfnNewView = nullptr;
};

// Makes a view and its window. From then on the view belongs to its window and goes with
// it; when no window comes of it, the view is deleted here and the result is null.
CView* AfxCreateView(AFX_NEWVIEW pfnNewView, DWORD style, const RECT& rc, HWND hParent, UINT nID,
                     CCreateContext* pContext);

// Ids of the frame's parts.
const UINT AFX_IDW_TOOLBAR = 0xE800;
const UINT AFX_IDW_REBAR = 0xE804;
const UINT AFX_IDW_PANE_FIRST = 0xE900;

class CView : public CWnd {
public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    // Creates the window as a child of hParent and attaches it to the context's document.
    // A view made with new belongs to its caller until this succeeds and to its window after:
    // a window that goes during its own creation leaves the object to the caller.
    virtual BOOL Create(const char* className, DWORD style, const RECT& rc, HWND hParent, UINT nID,
                        CCreateContext* pContext);
    // Adjusts the creation parameters before the window is made.
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    // Runs once the frame, its views and the document exist.
    virtual void OnInitialUpdate() {}
    virtual void OnDraw(HDC) {}
    // The document frame this view lives in, or none.
    CDocFrameWnd* GetParentFrame() const;

    // Drag and drop over the view, from its registered COleDropTarget; points in client
    // coordinates; effects are DROPEFFECT values (a DWORD). By default the view takes nothing.
    virtual DWORD OnDragEnter(COleDataObject*, DWORD, POINT) { return 0; }
    virtual DWORD OnDragOver(COleDataObject*, DWORD, POINT) { return 0; }
    virtual void OnDragLeave() {}
    virtual BOOL OnDrop(COleDataObject*, DWORD, POINT) { return FALSE; }

    CDocument* m_pDocument = nullptr;
    COleDropTarget* m_pDropTarget = nullptr;  // registered for this window; revoked when it goes

protected:
    LRESULT OnSetFocus(WPARAM wp, LPARAM lp);
    LRESULT OnDestroy(WPARAM wp, LPARAM lp);
    LRESULT OnPaint(WPARAM wp, LPARAM lp);
    // A view whose window was made goes with it.
    void PostNcDestroy() override
    {
        if (m_bWindowOwnsView) delete this;
    }

    DECLARE_MESSAGE_MAP()

private:
    bool m_bWindowOwnsView = false;
};

// A view whose window is a control of the given class; the control paints itself.
class CCtrlView : public CView {
public:
    CCtrlView(const char* className, DWORD dwStyle) : m_strClass(className), m_dwDefaultStyle(dwStyle) {}
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

protected:
    LRESULT OnPaintCtrl(WPARAM wp, LPARAM lp) { return DefWindowProc(WM_PAINT, wp, lp); }

    CString m_strClass;
    DWORD m_dwDefaultStyle;

    DECLARE_MESSAGE_MAP()
};
