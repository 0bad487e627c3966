// The rows of the file list: each shows the model's entry of the same index. The control is
// virtual: it holds the count and the selection, the model the entries, m_rowLooks their icons
// and item data.
#include "explorer/list/BrindlexView.h"
#include "util/PathText.h"
#include "explorer/ShellIcons.h"
#include "explorer/RowCells.h"
#include <string>
#include <unordered_map>

void CBrindlexView::HoldRowCount(bool bHold)
{
    if (bHold) {
        m_nCountHolds++;
    } else if (m_nCountHolds > 0 && --m_nCountHolds == 0) {
        SyncRowCount();
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    }
}

void CBrindlexView::SyncRowCount()
{
    if (m_nDropRow >= GetModel().GetCount()) m_nDropRow = -1;
    if (m_nCountHolds > 0) return;
    ::SendMessageA(m_hWnd, LVM_SETITEMCOUNT, (WPARAM)GetModel().GetCount(), LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
}

void CBrindlexView::ShowFolder(const char* folder)
{
    GetListCtrl().DeleteAllItems();
    m_nDropRow = -1;
    GetModel().Reset(folder);
    m_rowLooks.Clear();
    m_strFolder = GetModel().GetFolder();
    m_lostSelections.clear();
}

bool CBrindlexView::ListFolder(const char* folder)
{
    CFolderModel& model = GetModel();
    CListCtrl list = GetListCtrl();
    // The folder on show again (a refresh): its selection, focus and top row are kept by name.
    bool same = folder && *folder && !model.GetFolder().IsEmpty() && WithBackslash(folder).CompareNoCase(model.GetFolder()) == 0;
    std::unordered_map<std::string, CFileIdentity> selected;
    std::string focused, top;
    if (same) {
        CArray<int> rows = GetSelectedRows();
        for (int k = 0; k < rows.GetSize(); k++)
            selected.emplace(CNameIndex::Fold(model.GetAt(rows[k]).strName), model.GetAt(rows[k]).identity);
        int f = list.GetNextItem(-1, LVNI_FOCUSED);
        if (f >= 0 && f < model.GetCount()) focused = CNameIndex::Fold(model.GetAt(f).strName);
        int t = (int)SendMessage(LVM_GETTOPINDEX);
        if (t > 0 && t < model.GetCount()) top = CNameIndex::Fold(model.GetAt(t).strName);
    }
    list.DeleteAllItems();
    m_nDropRow = -1;
    if (!same) m_lostSelections.clear();
    m_rowLooks.Clear();
    bool ok = model.Load(folder);
    m_strFolder = model.GetFolder();
    model.Sort(0, true);
    SyncRowCount();
    if (selected.empty() && focused.empty() && top.empty()) return ok;
    int topRow = -1;
    CSelectionMove moving(m_nSelectionMoves);
    for (int i = 0; i < model.GetCount(); i++) {
        std::string key = CNameIndex::Fold(model.GetAt(i).strName);
        auto it = selected.find(key);
        if (it != selected.end()) {
            model.GetAt(i).identity = it->second;
            list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
        }
        if (!focused.empty() && key == focused) list.SetItemState(i, LVIS_FOCUSED, LVIS_FOCUSED);
        if (!top.empty() && key == top) topRow = i;
    }
    if (topRow > 0) {
        // The last row of the page first, so that the old top row lands at the top.
        int perPage = (int)SendMessage(LVM_GETCOUNTPERPAGE);
        int last = topRow + (perPage > 0 ? perPage - 1 : 0);
        if (last >= model.GetCount()) last = model.GetCount() - 1;
        SendMessage(LVM_ENSUREVISIBLE, (WPARAM)last, FALSE);
        SendMessage(LVM_ENSUREVISIBLE, (WPARAM)topRow, FALSE);
    }
    // A name kept is not yet the same file.
    if (!selected.empty()) KeepSelectionOnFiles(std::vector<CString>(), true);
    return ok;
}

void CBrindlexView::DeleteAllEntries() { ShowFolder(m_strFolder); }

void CBrindlexView::LookUpShellInfo(int nEntry)
{
    const CFolderEntry& e = GetModel().GetAt(nEntry);
    CRowLook& look = m_rowLooks.At(e.nKey);
    if (look.nIcon >= 0) return;
    WIN32_FIND_DATAA fd = {};
    lstrcpynA(fd.cFileName, e.strName, MAX_PATH);
    fd.dwFileAttributes = e.dwAttributes;
    int icon = 0;
    DWORD shellAttributes = 0;
    CString path = e.IsUsable() ? GetModel().GetPath(nEntry) : JoinPath(m_strFolder, e.strName);
    CShellIcons::GetRowInfo(path, fd, &icon, &shellAttributes);
    look.nIcon = icon < 0 ? 0 : icon;
    look.bGhosted = RowStateOf(shellAttributes) == LVIS_CUT;
}

void CBrindlexView::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    LVITEMA& it = ((NMLVDISPINFOA*)pNMHDR)->item;
    if (it.iItem < 0 || it.iItem >= GetModel().GetCount()) return;
    if ((it.mask & LVIF_TEXT) && it.pszText && it.cchTextMax > 0) {
        const CFolderEntry& e = GetModel().GetAt(it.iItem);
        if (it.iSubItem == 0)
            lstrcpynA(it.pszText, e.strName, it.cchTextMax);
        else
            lstrcpynA(it.pszText, e.Cell(it.iSubItem), it.cchTextMax);
    }
    if (it.iSubItem != 0) return;
    if ((it.mask & LVIF_IMAGE) || ((it.mask & LVIF_STATE) && (it.stateMask & LVIS_CUT))) {
        LookUpShellInfo(it.iItem);
        const CFolderEntry& e = GetModel().GetAt(it.iItem);
        const CRowLook& look = m_rowLooks.Of(e.nKey);
        if (it.mask & LVIF_IMAGE) it.iImage = look.nIcon;
        if ((it.mask & LVIF_STATE) && (it.stateMask & LVIS_CUT)) {
            it.state &= ~LVIS_CUT;
            // A name no command may use is dimmed as well.
            if (look.bGhosted || !e.IsUsable()) it.state |= LVIS_CUT;
        }
    }
    if ((it.mask & LVIF_STATE) && (it.stateMask & LVIS_DROPHILITED)) {
        it.state &= ~LVIS_DROPHILITED;
        if (it.iItem == m_nDropRow) it.state |= LVIS_DROPHILITED;
    }
}

// Type-ahead and LVM_FINDITEM: by name ignoring case, whole or its beginning.
void CBrindlexView::OnFindItem(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVFINDITEMA* fi = (NMLVFINDITEMA*)pNMHDR;
    *pResult = -1;
    if (!(fi->lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !fi->lvfi.psz) return;
    *pResult = GetModel().FindFrom(fi->lvfi.psz, fi->iStart, (fi->lvfi.flags & LVFI_PARTIAL) != 0,
                                   (fi->lvfi.flags & LVFI_WRAP) != 0);
}

void CBrindlexView::OnFindItemW(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVFINDITEMW* fi = (NMLVFINDITEMW*)pNMHDR;
    *pResult = -1;
    if (!(fi->lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !fi->lvfi.psz) return;
    char name[MAX_PATH * 2] = "";
    if (!::WideCharToMultiByte(CP_ACP, 0, fi->lvfi.psz, -1, name, sizeof name, nullptr, nullptr)) return;
    *pResult = GetModel().FindFrom(name, fi->iStart, (fi->lvfi.flags & LVFI_PARTIAL) != 0,
                                   (fi->lvfi.flags & LVFI_WRAP) != 0);
}

LRESULT CBrindlexView::OnGetItem(WPARAM wp, LPARAM lp)
{
    LVITEMA* it = (LVITEMA*)lp;
    if (!it || !(it->mask & LVIF_PARAM)) return DefWindowProc(LVM_GETITEMA, wp, lp);
    if (it->iItem < 0 || it->iItem >= GetModel().GetCount()) return FALSE;
    LRESULT r = TRUE;
    if (it->mask & ~LVIF_PARAM) {
        UINT mask = it->mask;
        it->mask &= ~LVIF_PARAM;
        r = DefWindowProc(LVM_GETITEMA, wp, lp);
        it->mask = mask;
    }
    it->lParam = m_rowLooks.Of(GetModel().GetAt(it->iItem).nKey).lParam;
    return r;
}

LRESULT CBrindlexView::OnSetItem(WPARAM wp, LPARAM lp)
{
    LVITEMA* it = (LVITEMA*)lp;
    if (!it || !(it->mask & LVIF_PARAM)) return DefWindowProc(LVM_SETITEMA, wp, lp);
    if (it->iItem < 0 || it->iItem >= GetModel().GetCount()) return FALSE;
    m_rowLooks.At(GetModel().GetAt(it->iItem).nKey).lParam = it->lParam;
    if (!(it->mask & ~LVIF_PARAM)) return TRUE;
    UINT mask = it->mask;
    it->mask &= ~LVIF_PARAM;
    LRESULT r = DefWindowProc(LVM_SETITEMA, wp, lp);
    it->mask = mask;
    return r;
}

void CBrindlexView::AddFileEntry(const WIN32_FIND_DATAA& fd, const CString& strFolder)
{
    CFolderModel& model = GetModel();
    if (model.ContainsEntry(fd)) return;
    // A caller that lists before telling the folder: the model learns it here.
    if (model.GetFolder().IsEmpty() && !strFolder.IsEmpty() && model.GetCount() == 0) {
        model.Reset(strFolder);
        m_rowLooks.Clear();
        m_strFolder = model.GetFolder();
    }
    if (model.Add(fd) >= 0) SyncRowCount();
}

int CBrindlexView::AppendNewEntry(const WIN32_FIND_DATAA& fd, const char* name)
{
    CFolderEntry e = CFolderModel::MakeEntry(fd);
    e.strName = name;
    if (!e.IsFolder()) e.nSize = 0;
    int entry = GetModel().Append(e);
    SyncRowCount();
    return entry;
}

void CBrindlexView::DeleteRow(int nRow)
{
    if (nRow < 0 || nRow >= GetModel().GetCount()) return;
    // The control moves the selection of the rows below up by one; a row it does not count
    // yet (held) is the model's alone.
    if (nRow >= GetListCtrl().GetItemCount() || GetListCtrl().DeleteItem(nRow)) {
        m_rowLooks.Forget(GetModel().GetAt(nRow).nKey);
        GetModel().RemoveAt(nRow);
    }
    SyncRowCount();
}

void CBrindlexView::RenameRow(int nRow, const char* newName)
{
    if (nRow < 0 || nRow >= GetModel().GetCount()) return;
    GetModel().Rename(nRow, newName);
    m_rowLooks.ForgetIcon(GetModel().GetAt(nRow).nKey);  // another extension may have another icon
    SendMessage(LVM_REDRAWITEMS, (WPARAM)nRow, (LPARAM)nRow);
}

void CBrindlexView::UpdateRow(int nRow, const WIN32_FIND_DATAA& fd)
{
    if (nRow < 0 || nRow >= GetModel().GetCount()) return;
    CFolderModel& model = GetModel();
    // The icon stays while the name (but for its letter case) and the attributes do.
    const CFolderEntry& e = model.GetAt(nRow);
    bool sameLook = e.dwAttributes == fd.dwFileAttributes && CNameIndex::Compare(e.strName, fd.cFileName) == 0;
    model.Update(nRow, fd);
    if (!sameLook) m_rowLooks.ForgetIcon(model.GetAt(nRow).nKey);
    SendMessage(LVM_REDRAWITEMS, (WPARAM)nRow, (LPARAM)nRow);
}

CArray<int> CBrindlexView::GetSelectedRows() const
{
    CArray<int> rows;
    CListCtrl list = GetListCtrl();
    int count = GetModel().GetCount();
    for (int i = list.GetNextItem(-1, LVNI_SELECTED); i >= 0 && i < count; i = list.GetNextItem(i, LVNI_SELECTED))
        rows.Add(i);
    return rows;
}

void CBrindlexView::DeleteRows(const std::vector<int>& rows)
{
    if (rows.empty()) return;
    if (rows.size() == 1) {
        DeleteRow(rows[0]);
        return;
    }
    CListCtrl list = GetListCtrl();
    CArray<int> selected = GetSelectedRows();
    int focused = list.GetNextItem(-1, LVNI_FOCUSED);
    int top = (int)SendMessage(LVM_GETTOPINDEX);
    for (int row : rows)
        if (row >= 0 && row < GetModel().GetCount()) m_rowLooks.Forget(GetModel().GetAt(row).nKey);
    std::vector<int> now = GetModel().RemoveRows(rows);
    int count = GetModel().GetCount();
    CSelectionMove moving(m_nSelectionMoves);
    if (selected.GetSize() || focused >= 0) list.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    SyncRowCount();
    for (int k = 0; k < selected.GetSize(); k++) {
        int i = selected[k] < (int)now.size() ? now[(size_t)selected[k]] : -1;
        if (i >= 0) list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
    }
    if (focused >= 0 && focused < (int)now.size() && now[(size_t)focused] >= 0)
        list.SetItemState(now[(size_t)focused], LVIS_FOCUSED, LVIS_FOCUSED);
    // The first row on show stays on top when rows above it went.
    if (top > 0 && top < (int)now.size()) {
        int t = top;
        while (t < (int)now.size() && now[(size_t)t] < 0) t++;
        int newTop = t < (int)now.size() ? now[(size_t)t] : count - 1;
        if (newTop >= 0 && newTop != top) {
            int perPage = (int)SendMessage(LVM_GETCOUNTPERPAGE);
            int last = newTop + (perPage > 0 ? perPage - 1 : 0);
            if (last >= count) last = count - 1;
            SendMessage(LVM_ENSUREVISIBLE, (WPARAM)last, FALSE);
            SendMessage(LVM_ENSUREVISIBLE, (WPARAM)newTop, FALSE);
        }
    }
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}
