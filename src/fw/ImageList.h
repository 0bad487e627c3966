// CImageList: an image list with one owner. Attach takes ownership (the list held before
// goes); Detach hands it back. A list someone else owns (the shell's system list) is
// never given to a CImageList.
#pragma once

#include <windows.h>
#include <commctrl.h>

class CImageList {
public:
    CImageList() {}
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    BOOL Attach(HIMAGELIST h)
    {
        if (h != m_hImageList) DeleteImageList();
        m_hImageList = h;
        return h != nullptr;
    }
    HIMAGELIST Detach()
    {
        HIMAGELIST h = m_hImageList;
        m_hImageList = nullptr;
        return h;
    }
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow)
    {
        return Attach(ImageList_Create(cx, cy, flags, initial, grow));
    }
    void DeleteImageList()
    {
        if (m_hImageList) ImageList_Destroy(m_hImageList);
        m_hImageList = nullptr;
    }

private:
    HIMAGELIST m_hImageList = nullptr;
};
