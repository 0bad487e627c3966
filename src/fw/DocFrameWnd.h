// CDocFrameWnd: the frame of a document template. It creates its client (the views) from a
// creation context, stacks its control bars at the top, keeps the active view that gets
// commands first, and shows the document's title in its caption.
#pragma once

#include "fw/FrameWnd.h"
#include "fw/View.h"

class CDocument;

// Makes a new frame object (not yet a window).
typedef class CDocFrameWnd* (*AFX_NEWFRAME)();
template <class T>
CDocFrameWnd* AfxNewFrame() { return new T; }

class CDocFrameWnd : public CFrameWnd {
public:
    // Menu, accelerators, icon and frame title from one resource id; the views from the context.
    BOOL LoadFrame(UINT nIDResource, DWORD style, HWND hParent, CCreateContext* pContext);

    CWnd* GetActiveView() const override { return m_pViewActive; }
    // bFocus: also give the view the keyboard focus.
    void SetActiveView(CView* pView, BOOL bFocus = TRUE);
    CDocument* GetActiveDocument() const { return m_pDocument; }

    // Runs every view's initial update and makes the first pane the active view.
    void InitialUpdateFrame(CDocument* pDoc);
    // Caption: "<document title> - <frame title>", or the frame title alone.
    virtual void OnUpdateFrameTitle();
    // Bars (children with ids of the control-bar range) at the top, the client below them.
    virtual void RecalcLayout();
    // Shows or hides the bar with this id, whether it is a child of the frame or a rebar band.
    void ShowControlBar(UINT nID, BOOL bShow);
    BOOL IsControlBarVisible(UINT nID) const;

    const CString& GetFrameTitle() const { return m_strFrameTitle; }

protected:
    // Creates the views; the base makes one view of the context's class as the first pane.
    virtual BOOL OnCreateClient(CREATESTRUCTA* cs, CCreateContext* pContext);

    LRESULT OnCreate(WPARAM wp, LPARAM lp);
    LRESULT OnSize(WPARAM wp, LPARAM lp);
    LRESULT OnSetFocus(WPARAM wp, LPARAM lp);
    void OnBarCheck(UINT nID);
    void OnUpdateBarMenu(CCmdUI* pCmdUI);
    BOOL OnNotify(WPARAM wp, LPARAM lp, LRESULT* pResult) override;
    void PostNcDestroy() override;

    CView* m_pViewActive = nullptr;
    CDocument* m_pDocument = nullptr;
    CCreateContext* m_pCreateContext = nullptr;  // only while the window is being created
    bool m_bCreating = false;  // a window that fails during creation leaves the object to its maker
    CString m_strFrameTitle;

    DECLARE_MESSAGE_MAP()
};
