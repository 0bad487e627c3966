// The rows of the file list: appending entries, and the name index kept beside the control.
#include "explorer/list/BrindlexView.h"
#include "explorer/list/PathText.h"
#include "explorer/list/RowCells.h"
#include "explorer/list/ShellIcons.h"
#include <shellapi.h>
#include <shlobj.h>

void CBrindlexView::AddFileEntry(const WIN32_FIND_DATAA& fd, const CString& strFolder)
{
    if (m_index.Contains(fd.cFileName)) return;
    CString full = JoinPath(strFolder, fd.cFileName);
    int icon = 0;
    DWORD shellAttributes = 0;
    CShellIcons::GetRowInfo(full, fd, &icon, &shellAttributes);

    CListCtrl list = GetListCtrl();
    LVITEMA it = {};
    it.mask = LVIF_TEXT | LVIF_IMAGE;
    it.iItem = list.GetItemCount();
    it.pszText = (LPSTR)fd.cFileName;
    it.iImage = icon;
    if (shellAttributes & SFGAO_GHOSTED) {
        it.mask |= LVIF_STATE;
        it.state = it.stateMask = LVIS_CUT;
    }
    int row = list.InsertItem(it);
    if (row < 0) return;
    list.SetItemText(row, 1, FormatSizeCell(fd));
    list.SetItemText(row, 2, FormatDateCell(fd.ftCreationTime));
    list.SetItemText(row, 3, FormatDateCell(fd.ftLastWriteTime));
}

void CBrindlexView::DeleteAllEntries() { GetListCtrl().DeleteAllItems(); }

LRESULT CBrindlexView::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case LVM_INSERTITEMA:
    case LVM_INSERTITEMW:
    case LVM_DELETEITEM:
    case LVM_DELETEALLITEMS:
    case LVM_SETITEMA:
    case LVM_SETITEMW:
    case LVM_SETITEMTEXTA:
    case LVM_SETITEMTEXTW:
        return TrackRowNames(msg, wp, lp);
    default:
        return CListView::WindowProc(msg, wp, lp);
    }
}

LRESULT CBrindlexView::TrackRowNames(UINT msg, WPARAM wp, LPARAM lp)
{
    CListCtrl list = GetListCtrl();
    if (msg == LVM_INSERTITEMA || msg == LVM_INSERTITEMW) {
        LRESULT r = CListView::WindowProc(msg, wp, lp);
        if ((int)r >= 0) m_index.Add(list.GetItemText((int)r, 0));
        return r;
    }
    if (msg == LVM_DELETEALLITEMS) {
        LRESULT r = CListView::WindowProc(msg, wp, lp);
        if (list.GetItemCount() == 0) m_index.Clear();
        return r;
    }
    int row = -1;
    if (msg == LVM_DELETEITEM) {
        row = (int)wp;
    } else {
        // Only a change of column 0's text renames a row.
        const LVITEMA* it = (const LVITEMA*)lp;
        bool renames = it && it->iSubItem == 0 &&
                       ((msg != LVM_SETITEMA && msg != LVM_SETITEMW) || (it->mask & LVIF_TEXT));
        if (renames) row = (msg == LVM_SETITEMA || msg == LVM_SETITEMW) ? it->iItem : (int)wp;
        if (!renames) return CListView::WindowProc(msg, wp, lp);
    }
    bool valid = row >= 0 && row < list.GetItemCount();
    CString before = valid ? list.GetItemText(row, 0) : CString();
    LRESULT r = CListView::WindowProc(msg, wp, lp);
    if (!valid || !r) return r;
    m_index.Remove(before);
    if (msg != LVM_DELETEITEM) m_index.Add(list.GetItemText(row, 0));
    return r;
}
