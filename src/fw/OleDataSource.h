// COleDataSource: data offered to a drop target (a drag) as global memory blocks.
#pragma once

#include "fw/Handle.h"
#include "fw/OleDataObject.h"

class CDataSourceObject;

class COleDataSource {
public:
    COleDataSource() {}
    // Lets go of the data object; its blocks are freed once no drop target holds it either.
    ~COleDataSource();
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    // Offers the block in format cf (TYMED_HGLOBAL, DVASPECT_CONTENT, index -1 unless pFormat
    // says otherwise). The data source owns the block from then on: mem is left empty. False,
    // with mem still owning the block, when there is no memory for the offer.
    BOOL CacheGlobalData(CLIPFORMAT cf, CGlobalMemory& mem, const FORMATETC* pFormat = nullptr);
    // Runs the platform's drag loop with the default drop source (left or right button drags;
    // Esc cancels, releasing the button drops) and returns the effect the target chose.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE, const RECT* pStartRect = nullptr);
    // The data object itself (no reference added): what DoDragDrop hands to the platform.
    IDataObject* GetInterface();

private:
    CDataSourceObject* m_pObject = nullptr;
};
