#include "search/FindFilesDlg.h"
#include "res/resource.h"
#include <shellapi.h>
#include <shlobj.h>

void CResultListCtrl::AppendRow(const RESULTROW& row)
{
    int i = m_list.InsertItem(m_list.GetItemCount(), row.cells[RESULT_NAME], 0);
    for (int col = RESULT_FOLDER; col <= RESULT_MODIFIED; col++) m_list.SetItemText(i, col, row.cells[col]);
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
