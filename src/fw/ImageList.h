// CImageList: an image list handle, owned unless detached.
#pragma once

#include <windows.h>
#include <commctrl.h>

class CImageList {
public:
    CImageList() {}
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    BOOL Attach(HIMAGELIST h) { m_hImageList = h; return h != nullptr; }
    HIMAGELIST Detach() { HIMAGELIST h = m_hImageList; m_hImageList = nullptr; return h; }
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow)
    {
        DeleteImageList();
        m_hImageList = ImageList_Create(cx, cy, flags, initial, grow);
        return m_hImageList != nullptr;
    }
    void DeleteImageList()
    {
        if (m_hImageList) ImageList_Destroy(m_hImageList);
        m_hImageList = nullptr;
    }
};
