#include "search/FindFilesDlg.h"
#include "res/resource.h"
#include <shellapi.h>
#include <shlobj.h>
#include <mbstring.h>

void CResultListCtrl::AppendRow(const RESULTROW& row)
{
    m_data.push_back(row);
    if (!m_bDeferCount) SyncCount();
}

void CResultListCtrl::DeleteRow(int row)
{
    if (row < 0 || row >= GetRowCount()) return;
    m_data.erase(m_data.begin() + row);
    // The control moves the selection below the row up with the rows.
    if (m_list.m_hWnd && row < m_list.GetItemCount()) m_list.DeleteItem(row);
    SyncCount();
}

void CResultListCtrl::DeleteAllRows()
{
    std::vector<RESULTROW>().swap(m_data);
    if (m_list.m_hWnd) m_list.DeleteAllItems();
}

CString CResultListCtrl::GetCellText(int row, int col) const
{
    if (row < 0 || row >= GetRowCount() || col < RESULT_NAME || col > RESULT_MODIFIED) return CString();
    return m_data[(size_t)row].cells[col];
}

void CResultListCtrl::DeferCount(bool bDefer)
{
    m_bDeferCount = bDefer;
    if (!bDefer) SyncCount();
}

void CResultListCtrl::SyncCount()
{
    if (!m_list.m_hWnd || m_list.GetItemCount() == GetRowCount()) return;
    ::SendMessageA(m_list.m_hWnd, LVM_SETITEMCOUNT, (WPARAM)GetRowCount(), LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
}

void CResultListCtrl::GetDispInfo(LVITEMA& item) const
{
    if (item.iItem < 0 || item.iItem >= GetRowCount()) return;
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0 && item.iSubItem >= RESULT_NAME &&
        item.iSubItem <= RESULT_MODIFIED)
        lstrcpynA(item.pszText, m_data[(size_t)item.iItem].cells[item.iSubItem], item.cchTextMax);
    if (item.mask & LVIF_IMAGE) item.iImage = 0;
}

int CResultListCtrl::FindName(const char* prefix, int start, bool bPartial, bool bWrap) const
{
    int n = GetRowCount();
    if (!prefix || n == 0) return -1;
    if (start < 0 || start >= n) start = 0;
    size_t len = strlen(prefix);
    for (int k = 0; k < n; k++) {
        int i = start + k;
        if (i >= n) {
            if (!bWrap) break;
            i -= n;
        }
        const CString& name = m_data[(size_t)i].cells[RESULT_NAME];
        bool match = bPartial ? _mbsnbicmp((const unsigned char*)name.c_str(), (const unsigned char*)prefix, len) == 0
                              : name.CompareNoCase(prefix) == 0;
        if (match) return i;
    }
    return -1;
}

void CFindFilesDlg::OnGetDispInfoResults(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    m_rows.GetDispInfo(((NMLVDISPINFOA*)pNMHDR)->item);
}

void CFindFilesDlg::OnFindItemResults(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = -1;
    char name[MAX_PATH * 2] = "";
    const char* text = nullptr;
    UINT flags = 0;
    int start = 0;
    if (pNMHDR->code == LVN_ODFINDITEMW) {
        NMLVFINDITEMW* fi = (NMLVFINDITEMW*)pNMHDR;
        flags = fi->lvfi.flags;
        start = fi->iStart;
        if (fi->lvfi.psz && ::WideCharToMultiByte(CP_ACP, 0, fi->lvfi.psz, -1, name, sizeof name, nullptr, nullptr))
            text = name;
    } else {
        NMLVFINDITEMA* fi = (NMLVFINDITEMA*)pNMHDR;
        flags = fi->lvfi.flags;
        start = fi->iStart;
        text = fi->lvfi.psz;
    }
    if (!text || !(flags & (LVFI_STRING | LVFI_PARTIAL))) return;
    *pResult = m_rows.FindName(text, start, (flags & LVFI_PARTIAL) != 0, (flags & LVFI_WRAP) != 0);
}

void CFindFilesDlg::OnDblClkResults(NMHDR*, LRESULT* pResult)
{
    *pResult = 1;
    int row = (int)::SendMessageA(m_rows.m_list.m_hWnd, LVM_GETSELECTIONMARK, 0, 0);
    if (row < 0 || row >= m_rows.GetRowCount()) return;
    CWaitCursor wait;
    CString path = m_rows.GetCellText(row, RESULT_FOLDER) + m_rows.GetCellText(row, RESULT_NAME);
    ::ShellExecuteA(m_hWnd, nullptr, path, nullptr, nullptr, SW_SHOW);
}

void CFindFilesDlg::OnRClickResults(NMHDR*, LRESULT* pResult)
{
    *pResult = 1;
    if (m_rows.m_list.GetSelectedCount() < 1) return;
    int row = m_rows.m_list.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) return;
    CArray<CString> names;
    names.Add(m_rows.GetCellText(row, RESULT_NAME));
    CString folder = m_rows.GetCellText(row, RESULT_FOLDER);
    POINT pt;
    ::GetCursorPos(&pt);
    if (m_pHost) m_pHost->ShowShellContextMenu(folder, names, pt.x, pt.y);
}

void CFindFilesDlg::OnBrowse()
{
    CString chosen;
    IMalloc* malloc = nullptr;
    if (SUCCEEDED(::SHGetMalloc(&malloc)) && malloc) {
        char display[MAX_PATH] = "";
        BROWSEINFOA bi = {};
        bi.hwndOwner = m_hWnd;
        bi.pszDisplayName = display;
        bi.lpszTitle = "Select a directory...";
        bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
        LPITEMIDLIST item = ::SHBrowseForFolderA(&bi);
        if (item) {
            char path[MAX_PATH] = "";
            if (::SHGetPathFromIDListA(item, path)) chosen = path;
            malloc->Free(item);
        }
        malloc->Release();
    }
    SetDlgItemText(IDC_FIND_LOOK_IN, chosen);
}
