#include "fw/afx.h"
#include "fw/OleDataSource.h"
#include "fw/Barrier.h"
#include "fw/GlobalMemory.h"
#include <shlobj.h>
#include <vector>

namespace {

bool SameFormat(const FORMATETC& a, const FORMATETC& b)
{
    return a.cfFormat == b.cfFormat && a.dwAspect == b.dwAspect && (a.tymed & b.tymed) != 0 &&
           (a.lindex == -1 || a.lindex == b.lindex);
}

// The drop source the platform asks while the mouse moves: releasing the button drops,
// Esc or the other button cancels.
class CDefaultDropSource : public IDropSource {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IDropSource) {
            *ppv = static_cast<IDropSource*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the stack of DoDragDrop: the counts are kept, nothing is deleted.
    STDMETHODIMP_(ULONG) AddRef() override { return (ULONG)::InterlockedIncrement(&m_cRef); }
    STDMETHODIMP_(ULONG) Release() override { return (ULONG)::InterlockedDecrement(&m_cRef); }
    STDMETHODIMP QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) override
    {
        if (fEscapePressed) return DRAGDROP_S_CANCEL;
        DWORD buttons = grfKeyState & (MK_LBUTTON | MK_RBUTTON);
        if (buttons == (MK_LBUTTON | MK_RBUTTON)) return DRAGDROP_S_CANCEL;
        if (!buttons) return DRAGDROP_S_DROP;
        return S_OK;
    }
    STDMETHODIMP GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    LONG m_cRef = 1;
};

}  // namespace

// The data object behind a COleDataSource: owns its blocks until its last reference goes.
class CDataSourceObject : public IDataObject {
public:
    CDataSourceObject() {}
    bool Add(const FORMATETC& fe, CGlobalMemory& mem)
    {
        for (Entry& e : m_entries)
            if (e.fe.cfFormat == fe.cfFormat && e.fe.dwAspect == fe.dwAspect) {
                e.mem.Attach(mem.Detach());
                e.fe = fe;
                return true;
            }
        m_entries.emplace_back();
        m_entries.back().fe = fe;
        m_entries.back().mem.Attach(mem.Detach());
        return true;
    }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IDataObject) {
            *ppv = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return (ULONG)::InterlockedIncrement(&m_cRef); }
    STDMETHODIMP_(ULONG) Release() override
    {
        LONG n = ::InterlockedDecrement(&m_cRef);
        if (n == 0) delete this;
        return (ULONG)n;
    }

    STDMETHODIMP GetData(FORMATETC* pfe, STGMEDIUM* pmedium) override
    {
        if (!pfe || !pmedium) return E_INVALIDARG;
        const Entry* e = Find(*pfe);
        if (!e) return DV_E_FORMATETC;
        // A private copy: a receiver of GetData owns what it gets.
        HGLOBAL copy = CopyGlobalMemory(e->mem.Get());
        if (!copy) return E_OUTOFMEMORY;
        pmedium->tymed = TYMED_HGLOBAL;
        pmedium->hGlobal = copy;
        pmedium->pUnkForRelease = nullptr;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC* pfe, STGMEDIUM* pmedium) override
    {
        if (!pfe || !pmedium) return E_INVALIDARG;
        const Entry* e = Find(*pfe);
        if (!e || pmedium->tymed != TYMED_HGLOBAL || !pmedium->hGlobal) return DV_E_FORMATETC;
        if (::GlobalSize(pmedium->hGlobal) < ::GlobalSize(e->mem.Get())) return STG_E_MEDIUMFULL;
        return CopyGlobalMemoryInto(e->mem.Get(), pmedium->hGlobal) ? S_OK : E_OUTOFMEMORY;
    }
    STDMETHODIMP QueryGetData(FORMATETC* pfe) override
    {
        if (!pfe) return E_INVALIDARG;
        return Find(*pfe) ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pOut) override
    {
        if (pOut) pOut->ptd = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum) override
    {
        if (!ppEnum) return E_INVALIDARG;
        *ppEnum = nullptr;
        if (dwDirection != DATADIR_GET) return E_NOTIMPL;
        return ComBarrier([&] {
            std::vector<FORMATETC> formats;
            for (const Entry& e : m_entries) formats.push_back(e.fe);
            return ::SHCreateStdEnumFmtEtc((UINT)formats.size(), formats.empty() ? nullptr : formats.data(), ppEnum);
        });
    }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    struct Entry {
        FORMATETC fe = {};
        CGlobalMemory mem;
    };
    virtual ~CDataSourceObject() {}
    const Entry* Find(const FORMATETC& wanted) const
    {
        for (const Entry& e : m_entries)
            if (SameFormat(wanted, e.fe) && (wanted.tymed & TYMED_HGLOBAL)) return &e;
        return nullptr;
    }

    LONG m_cRef = 1;
    std::vector<Entry> m_entries;
};

COleDataSource::~COleDataSource()
{
    if (m_pObject) m_pObject->Release();
}

IDataObject* COleDataSource::GetInterface()
{
    if (!m_pObject) m_pObject = new CDataSourceObject;
    return m_pObject;
}

BOOL COleDataSource::CacheGlobalData(CLIPFORMAT cf, CGlobalMemory& mem, const FORMATETC* pFormat)
{
    if (!mem.IsValid()) return FALSE;
    GetInterface();
    return m_pObject->Add(GlobalFormatEtc(cf, pFormat), mem) ? TRUE : FALSE;
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, const RECT*)
{
    CDefaultDropSource source;
    DWORD effect = DROPEFFECT_NONE;
    HRESULT hr = ::DoDragDrop(GetInterface(), &source, dwEffects, &effect);
    if (hr != DRAGDROP_S_DROP) return DROPEFFECT_NONE;
    return effect & dwEffects;
}
