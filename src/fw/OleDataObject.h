// COleDataObject: data offered by the clipboard or by a drag source, read as global memory.
#pragma once

#include "fw/ComPtr.h"
#include <ole2.h>

// A drop effect: DROPEFFECT_NONE, _COPY, _MOVE, _LINK.
typedef DWORD DROPEFFECT;

// The format of a global memory block in format cf: TYMED_HGLOBAL, and DVASPECT_CONTENT with
// index -1 unless pFormat gives its own aspect, device and index.
FORMATETC GlobalFormatEtc(CLIPFORMAT cf, const FORMATETC* pFormat = nullptr);

class COleDataObject {
public:
    COleDataObject() {}
    ~COleDataObject() { Release(); }
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    // Holds a reference of its own to p (the caller keeps its own).
    void Attach(IDataObject* p);
    // The data on the clipboard now, through the platform's clipboard data object.
    BOOL AttachClipboard();
    void Release();
    IDataObject* GetIDataObject() const { return m_p.Get(); }

    BOOL IsDataAvailable(CLIPFORMAT cf, const FORMATETC* pFormat = nullptr) const;
    // A block of the data in format cf. The caller owns the result (null when the data has
    // none), whoever owned the medium it came in.
    HGLOBAL GetGlobalData(CLIPFORMAT cf, const FORMATETC* pFormat = nullptr) const;

private:
    CComPtr<IDataObject> m_p;
    bool m_bClipboard = false;
};
