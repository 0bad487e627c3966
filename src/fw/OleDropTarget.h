// COleDropTarget: makes a view a target of the platform's drag and drop. Registered for the
// view's window, it hands each callback to the view (OnDragEnter ... OnDrop) with the point
// in the view's client coordinates, and is revoked when the window goes.
#pragma once

#include "fw/OleDataObject.h"

class CView;

class COleDropTarget {
public:
    COleDropTarget();
    virtual ~COleDropTarget();
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    // False when the platform refuses (no OLE on this thread, window registered already).
    BOOL Register(CView* pView);
    void Revoke();
    bool IsRegistered() const { return m_pView != nullptr; }
    // The interface the platform calls; tests call it the same way.
    IDropTarget* GetInterface();

    virtual DROPEFFECT OnDragEnter(CView* pView, COleDataObject* pData, DWORD dwKeyState, POINT point);
    virtual DROPEFFECT OnDragOver(CView* pView, COleDataObject* pData, DWORD dwKeyState, POINT point);
    virtual void OnDragLeave(CView* pView);
    virtual BOOL OnDrop(CView* pView, COleDataObject* pData, DROPEFFECT dropEffect, POINT point);

private:
    class CTarget : public IDropTarget {
    public:
        explicit CTarget(COleDropTarget* pOwner) : m_pOwner(pOwner) {}
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        // A member of its owner: counted, never deleted.
        STDMETHODIMP_(ULONG) AddRef() override { return (ULONG)::InterlockedIncrement(&m_cRef); }
        STDMETHODIMP_(ULONG) Release() override { return (ULONG)::InterlockedDecrement(&m_cRef); }
        STDMETHODIMP DragEnter(IDataObject* pData, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
        STDMETHODIMP DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
        STDMETHODIMP DragLeave() override;
        STDMETHODIMP Drop(IDataObject* pData, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;

    private:
        // The callbacks' work, behind an exception barrier.
        template <class F>
        static HRESULT Guarded(DWORD* pdwEffect, F&& f);
        HRESULT Enter(IDataObject* pData, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect);
        HRESULT Over(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect);
        HRESULT Dropped(IDataObject* pData, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect);

        COleDropTarget* m_pOwner;
        LONG m_cRef = 1;
    };

    POINT ToClient(POINTL pt) const;

    CTarget m_target;
    CView* m_pView = nullptr;
    COleDataObject m_data;  // the data of the drag over the window, between enter and leave or drop
};

// The effect the target chose, limited to what the source allows: a move the source does
// not allow becomes a copy when it allows that, anything else nothing.
DROPEFFECT FilterDropEffect(DROPEFFECT chosen, DWORD allowed);
// What a target of files offers for the data under the mouse: a move while Shift is held,
// else a copy; nothing for data without a file-drop block (CF_HDROP).
DROPEFFECT FileDropEffect(COleDataObject* pData, DWORD dwKeyState);
