#include "fw/afx.h"
#include "fw/OleDataObject.h"
#include "fw/GlobalMemory.h"

FORMATETC GlobalFormatEtc(CLIPFORMAT cf, const FORMATETC* pFormat)
{
    FORMATETC fe = {cf, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    if (pFormat) {
        fe = *pFormat;
        fe.cfFormat = cf;
        fe.tymed = TYMED_HGLOBAL;
    }
    return fe;
}

namespace {

// A medium received from GetData, released exactly once unless its block is taken over.
class CStgMedium {
public:
    CStgMedium() { memset(&m, 0, sizeof m); }
    ~CStgMedium()
    {
        if (m.tymed != TYMED_NULL) ::ReleaseStgMedium(&m);
    }
    CStgMedium(const CStgMedium&) = delete;
    CStgMedium& operator=(const CStgMedium&) = delete;
    // The block for the caller: taken as it is when nobody else owns it, otherwise copied.
    HGLOBAL TakeGlobal()
    {
        if (m.tymed != TYMED_HGLOBAL || !m.hGlobal) return nullptr;
        if (!m.pUnkForRelease) {
            HGLOBAL h = m.hGlobal;
            m.tymed = TYMED_NULL;
            m.hGlobal = nullptr;
            return h;
        }
        return CopyGlobalMemory(m.hGlobal);
    }
    STGMEDIUM m;
};

}  // namespace

void COleDataObject::Attach(IDataObject* p)
{
    m_p.Share(p);
    m_bClipboard = false;
}

BOOL COleDataObject::AttachClipboard()
{
    Release();
    if (FAILED(::OleGetClipboard(m_p.Receive())) || !m_p) {
        m_p.Release();
        return FALSE;
    }
    m_bClipboard = true;
    return TRUE;
}

void COleDataObject::Release()
{
    m_p.Release();
    m_bClipboard = false;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cf, const FORMATETC* pFormat) const
{
    if (!m_p) return FALSE;
    FORMATETC fe = GlobalFormatEtc(cf, pFormat);
    return m_p->QueryGetData(&fe) == S_OK;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cf, const FORMATETC* pFormat) const
{
    if (!m_p) return nullptr;
    FORMATETC fe = GlobalFormatEtc(cf, pFormat);
    // The clipboard's data object opens the clipboard for each read; another program may
    // hold it for a moment.
    for (int tries = 0; tries < 10; tries++) {
        CStgMedium medium;
        HRESULT hr = m_p->GetData(&fe, &medium.m);
        if (SUCCEEDED(hr)) return medium.TakeGlobal();
        if (!m_bClipboard || hr != CLIPBRD_E_CANT_OPEN) break;
        ::Sleep(20);
    }
    return nullptr;
}
