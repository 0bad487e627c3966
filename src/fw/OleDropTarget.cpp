#include "fw/afx.h"
#include "fw/OleDropTarget.h"
#include "fw/Barrier.h"
#include "fw/View.h"

DROPEFFECT FilterDropEffect(DROPEFFECT chosen, DWORD allowed)
{
    chosen &= DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    if ((chosen & allowed) == chosen) return chosen;
    if ((chosen & DROPEFFECT_MOVE) && (allowed & DROPEFFECT_COPY)) return DROPEFFECT_COPY;
    return DROPEFFECT_NONE;
}

DROPEFFECT FileDropEffect(COleDataObject* pData, DWORD dwKeyState)
{
    if (!pData || !pData->IsDataAvailable(CF_HDROP)) return DROPEFFECT_NONE;
    return (dwKeyState & MK_SHIFT) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

COleDropTarget::COleDropTarget() : m_target(this) {}

COleDropTarget::~COleDropTarget() { Revoke(); }

BOOL COleDropTarget::Register(CView* pView)
{
    Revoke();
    if (!pView || !pView->m_hWnd) return FALSE;
    if (FAILED(::RegisterDragDrop(pView->m_hWnd, &m_target))) return FALSE;
    m_pView = pView;
    pView->m_pDropTarget = this;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (!m_pView) return;
    if (m_pView->m_hWnd) ::RevokeDragDrop(m_pView->m_hWnd);
    if (m_pView->m_pDropTarget == this) m_pView->m_pDropTarget = nullptr;
    m_pView = nullptr;
    m_data.Release();
}

IDropTarget* COleDropTarget::GetInterface() { return &m_target; }

DROPEFFECT COleDropTarget::OnDragEnter(CView* pView, COleDataObject* pData, DWORD dwKeyState, POINT point)
{
    return pView->OnDragEnter(pData, dwKeyState, point);
}

DROPEFFECT COleDropTarget::OnDragOver(CView* pView, COleDataObject* pData, DWORD dwKeyState, POINT point)
{
    return pView->OnDragOver(pData, dwKeyState, point);
}

void COleDropTarget::OnDragLeave(CView* pView) { pView->OnDragLeave(); }

BOOL COleDropTarget::OnDrop(CView* pView, COleDataObject* pData, DROPEFFECT dropEffect, POINT point)
{
    return pView->OnDrop(pData, dropEffect, point);
}

POINT COleDropTarget::ToClient(POINTL pt) const
{
    POINT p = {pt.x, pt.y};
    if (m_pView && m_pView->m_hWnd) ::ScreenToClient(m_pView->m_hWnd, &p);
    return p;
}

// A callback that failed offers nothing to drop.
template <class F>
HRESULT COleDropTarget::CTarget::Guarded(DWORD* pdwEffect, F&& f)
{
    HRESULT hr = ComBarrier(f);
    if (FAILED(hr)) *pdwEffect = DROPEFFECT_NONE;
    return hr;
}

STDMETHODIMP COleDropTarget::CTarget::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDropTarget) {
        *ppv = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP COleDropTarget::CTarget::DragEnter(IDataObject* pData, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    if (!pdwEffect) return E_INVALIDARG;
    return Guarded(pdwEffect, [&] { return Enter(pData, grfKeyState, pt, pdwEffect); });
}

HRESULT COleDropTarget::CTarget::Enter(IDataObject* pData, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    COleDropTarget& o = *m_pOwner;
    o.m_data.Attach(pData);
    if (!o.m_pView || !pData) {
        *pdwEffect = DROPEFFECT_NONE;
        return S_OK;
    }
    *pdwEffect = FilterDropEffect(o.OnDragEnter(o.m_pView, &o.m_data, grfKeyState, o.ToClient(pt)), *pdwEffect);
    return S_OK;
}

STDMETHODIMP COleDropTarget::CTarget::DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    if (!pdwEffect) return E_INVALIDARG;
    return Guarded(pdwEffect, [&] { return Over(grfKeyState, pt, pdwEffect); });
}

HRESULT COleDropTarget::CTarget::Over(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    COleDropTarget& o = *m_pOwner;
    if (!o.m_pView || !o.m_data.GetIDataObject()) {
        *pdwEffect = DROPEFFECT_NONE;
        return S_OK;
    }
    *pdwEffect = FilterDropEffect(o.OnDragOver(o.m_pView, &o.m_data, grfKeyState, o.ToClient(pt)), *pdwEffect);
    return S_OK;
}

STDMETHODIMP COleDropTarget::CTarget::DragLeave()
{
    COleDropTarget& o = *m_pOwner;
    HRESULT hr = ComBarrier([&] {
        if (o.m_pView) o.OnDragLeave(o.m_pView);
        return S_OK;
    });
    o.m_data.Release();
    return hr;
}

STDMETHODIMP COleDropTarget::CTarget::Drop(IDataObject* pData, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    if (!pdwEffect) return E_INVALIDARG;
    HRESULT hr = Guarded(pdwEffect, [&] { return Dropped(pData, grfKeyState, pt, pdwEffect); });
    // The drag is over however the drop ended.
    m_pOwner->m_data.Release();
    return hr;
}

HRESULT COleDropTarget::CTarget::Dropped(IDataObject* pData, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    COleDropTarget& o = *m_pOwner;
    DWORD allowed = *pdwEffect;
    *pdwEffect = DROPEFFECT_NONE;
    if (!o.m_pView || !pData) return S_OK;
    COleDataObject data;
    data.Attach(pData);
    POINT point = o.ToClient(pt);
    // The effect is decided again with the keys as they are at the drop.
    DROPEFFECT effect = FilterDropEffect(o.OnDragOver(o.m_pView, &data, grfKeyState, point), allowed);
    if (effect != DROPEFFECT_NONE) {
        if (!o.OnDrop(o.m_pView, &data, effect, point)) effect = DROPEFFECT_NONE;
    } else {
        o.OnDragLeave(o.m_pView);
    }
    *pdwEffect = effect;
    return S_OK;
}
