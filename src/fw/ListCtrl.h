// CListCtrl: the operations of a list-view control ("SysListView32"), over a handle it does
// not own. Each call is one LVM_ message.
#pragma once

#include "fw/afx.h"

class CListCtrl {
public:
    explicit CListCtrl(HWND hWnd = nullptr) : m_hWnd(hWnd) {}
    HWND m_hWnd;

    int GetItemCount() const { return (int)Send(LVM_GETITEMCOUNT); }
    int GetSelectedCount() const { return (int)Send(LVM_GETSELECTEDCOUNT); }
    int GetNextItem(int nItem, int nFlags) const { return (int)Send(LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0)); }
    int InsertItem(const LVITEMA& item) { return (int)Send(LVM_INSERTITEMA, 0, (LPARAM)&item); }
    int InsertItem(int nItem, const char* text, int nImage)
    {
        LVITEMA it = {};
        it.mask = LVIF_TEXT | LVIF_IMAGE;
        it.iItem = nItem;
        it.pszText = (LPSTR)text;
        it.iImage = nImage;
        return InsertItem(it);
    }
    BOOL SetItemText(int nItem, int nSubItem, const char* text)
    {
        LVITEMA it = {};
        it.iSubItem = nSubItem;
        it.pszText = (LPSTR)text;
        return (BOOL)Send(LVM_SETITEMTEXTA, nItem, (LPARAM)&it);
    }
    // Cell text of up to 259 characters.
    CString GetItemText(int nItem, int nSubItem) const
    {
        char buf[260] = "";
        LVITEMA it = {};
        it.iSubItem = nSubItem;
        it.pszText = buf;
        it.cchTextMax = sizeof buf;
        Send(LVM_GETITEMTEXTA, nItem, (LPARAM)&it);
        buf[sizeof buf - 1] = 0;
        return CString(buf);
    }
    DWORD_PTR GetItemData(int nItem) const
    {
        LVITEMA it = {};
        it.mask = LVIF_PARAM;
        it.iItem = nItem;
        return Send(LVM_GETITEMA, 0, (LPARAM)&it) ? (DWORD_PTR)it.lParam : 0;
    }
    BOOL SetItemData(int nItem, DWORD_PTR data)
    {
        LVITEMA it = {};
        it.mask = LVIF_PARAM;
        it.iItem = nItem;
        it.lParam = (LPARAM)data;
        return (BOOL)Send(LVM_SETITEMA, 0, (LPARAM)&it);
    }
    UINT GetItemState(int nItem, UINT mask) const { return (UINT)Send(LVM_GETITEMSTATE, nItem, mask); }
    BOOL SetItemState(int nItem, UINT state, UINT mask)
    {
        LVITEMA it = {};
        it.stateMask = mask;
        it.state = state;
        return (BOOL)Send(LVM_SETITEMSTATE, nItem, (LPARAM)&it);
    }
    // Whole text, ignoring case; -1 when no row has it.
    int FindItem(const char* text, int nStart = -1) const
    {
        LVFINDINFOA fi = {};
        fi.flags = LVFI_STRING;
        fi.psz = text;
        return (int)Send(LVM_FINDITEMA, nStart, (LPARAM)&fi);
    }
    BOOL DeleteItem(int nItem) { return (BOOL)Send(LVM_DELETEITEM, nItem); }
    BOOL DeleteAllItems() { return (BOOL)Send(LVM_DELETEALLITEMS); }
    BOOL SortItems(PFNLVCOMPARE pfn, LPARAM data) { return (BOOL)Send(LVM_SORTITEMS, data, (LPARAM)pfn); }
    int InsertColumn(int nCol, const char* heading, int nFormat, int nWidth)
    {
        LVCOLUMNA c = {};
        c.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
        c.fmt = nFormat;
        c.cx = nWidth;
        c.pszText = (LPSTR)heading;
        c.iSubItem = nCol;
        return (int)Send(LVM_INSERTCOLUMNA, nCol, (LPARAM)&c);
    }
    // The width goes as a 16-bit value, as the message carries it.
    BOOL SetColumnWidth(int nCol, int cx) { return (BOOL)Send(LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0)); }
    int GetColumnWidth(int nCol) const { return (int)Send(LVM_GETCOLUMNWIDTH, nCol); }
    HIMAGELIST SetImageList(HIMAGELIST h, int nType) { return (HIMAGELIST)Send(LVM_SETIMAGELIST, nType, (LPARAM)h); }
    DWORD SetExtendedStyle(DWORD dwNew, DWORD dwMask = 0)
    {
        return (DWORD)Send(LVM_SETEXTENDEDLISTVIEWSTYLE, dwMask, dwNew);
    }
    DWORD GetExtendedStyle() const { return (DWORD)Send(LVM_GETEXTENDEDLISTVIEWSTYLE); }
    int HitTest(POINT pt, UINT* pFlags = nullptr) const
    {
        LVHITTESTINFO hi = {};
        hi.pt = pt;
        int i = (int)Send(LVM_HITTEST, 0, (LPARAM)&hi);
        if (pFlags) *pFlags = hi.flags;
        return i;
    }
    BOOL GetItemRect(int nItem, RECT* rc, int code) const
    {
        rc->left = code;
        return (BOOL)Send(LVM_GETITEMRECT, nItem, (LPARAM)rc);
    }
    DWORD GetStyle() const { return (DWORD)::GetWindowLongA(m_hWnd, GWL_STYLE); }
    // Replaces the bits of mask by the bits of style; the control lays itself out anew.
    void SetStyleBits(DWORD mask, DWORD style)
    {
        ::SetWindowLongA(m_hWnd, GWL_STYLE, (LONG)((GetStyle() & ~mask) | (style & mask)));
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

private:
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::SendMessageA(m_hWnd, msg, wp, lp); }
};
