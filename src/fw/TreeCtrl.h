// CTreeCtrl: the operations of a tree-view control ("SysTreeView32"), over a handle it does
// not own. Each call is one TVM_ message.
#pragma once

#include "fw/afx.h"

class CTreeCtrl {
public:
    explicit CTreeCtrl(HWND hWnd = nullptr) : m_hWnd(hWnd) {}
    HWND m_hWnd;

    HTREEITEM InsertItem(const char* text, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST)
    {
        TVINSERTSTRUCTA is = {};
        is.hParent = hParent;
        is.hInsertAfter = hInsertAfter;
        is.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        is.item.pszText = (LPSTR)text;
        is.item.iImage = nImage;
        is.item.iSelectedImage = nSelectedImage;
        return (HTREEITEM)Send(TVM_INSERTITEMA, 0, (LPARAM)&is);
    }
    BOOL DeleteItem(HTREEITEM h) { return (BOOL)Send(TVM_DELETEITEM, 0, (LPARAM)h); }
    BOOL DeleteAllItems() { return (BOOL)Send(TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT); }
    HTREEITEM GetNextItem(HTREEITEM h, UINT code) const { return (HTREEITEM)Send(TVM_GETNEXTITEM, code, (LPARAM)h); }
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetParentItem(HTREEITEM h) const { return GetNextItem(h, TVGN_PARENT); }
    HTREEITEM GetChildItem(HTREEITEM h) const { return GetNextItem(h, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM h) const { return GetNextItem(h, TVGN_NEXT); }
    HTREEITEM GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
    HTREEITEM GetNextVisibleItem(HTREEITEM h) const { return GetNextItem(h, TVGN_NEXTVISIBLE); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    BOOL Select(HTREEITEM h, UINT code) { return (BOOL)Send(TVM_SELECTITEM, code, (LPARAM)h); }
    BOOL SelectItem(HTREEITEM h) { return Select(h, TVGN_CARET); }
    BOOL SelectDropTarget(HTREEITEM h) { return Select(h, TVGN_DROPHILITE); }
    BOOL SelectSetFirstVisible(HTREEITEM h) { return Select(h, TVGN_FIRSTVISIBLE); }
    // 0 when nothing happened.
    BOOL Expand(HTREEITEM h, UINT code) { return (BOOL)Send(TVM_EXPAND, code, (LPARAM)h); }
    BOOL SortChildren(HTREEITEM h) { return (BOOL)Send(TVM_SORTCHILDREN, FALSE, (LPARAM)h); }
    // Item text of up to 259 characters.
    CString GetItemText(HTREEITEM h) const
    {
        char buf[260] = "";
        TVITEMA it = {};
        it.mask = TVIF_TEXT;
        it.hItem = h;
        it.pszText = buf;
        it.cchTextMax = sizeof buf;
        if (!Send(TVM_GETITEMA, 0, (LPARAM)&it)) return CString();
        buf[sizeof buf - 1] = 0;
        return CString(buf);
    }
    BOOL SetItemText(HTREEITEM h, const char* text)
    {
        TVITEMA it = {};
        it.mask = TVIF_TEXT;
        it.hItem = h;
        it.pszText = (LPSTR)text;
        return (BOOL)Send(TVM_SETITEMA, 0, (LPARAM)&it);
    }
    BOOL GetItemImage(HTREEITEM h, int& nImage, int& nSelectedImage) const
    {
        TVITEMA it = {};
        it.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        it.hItem = h;
        BOOL ok = (BOOL)Send(TVM_GETITEMA, 0, (LPARAM)&it);
        nImage = it.iImage;
        nSelectedImage = it.iSelectedImage;
        return ok;
    }
    UINT GetItemState(HTREEITEM h, UINT mask) const { return (UINT)Send(TVM_GETITEMSTATE, (WPARAM)h, mask) & mask; }
    BOOL ItemHasChildren(HTREEITEM h) const { return GetChildItem(h) != nullptr; }
    UINT GetCount() const { return (UINT)Send(TVM_GETCOUNT); }
    HTREEITEM HitTest(POINT pt, UINT* pFlags = nullptr) const
    {
        TVHITTESTINFO hi = {};
        hi.pt = pt;
        HTREEITEM h = (HTREEITEM)Send(TVM_HITTEST, 0, (LPARAM)&hi);
        if (pFlags) *pFlags = hi.flags;
        return h;
    }
    BOOL GetItemRect(HTREEITEM h, RECT* rc, BOOL bTextOnly) const
    {
        *(HTREEITEM*)rc = h;
        return (BOOL)Send(TVM_GETITEMRECT, bTextOnly, (LPARAM)rc);
    }
    HIMAGELIST SetImageList(HIMAGELIST h, int nType) { return (HIMAGELIST)Send(TVM_SETIMAGELIST, nType, (LPARAM)h); }

private:
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::SendMessageA(m_hWnd, msg, wp, lp); }
};
