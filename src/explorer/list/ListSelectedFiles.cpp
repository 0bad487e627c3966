// The selection belongs to files, not names: a row selected by the user keeps the identity of
// the file it showed then. Another program may give the name to another file (a swap through
// a passing name within milliseconds, a folder made anew); the selection then leaves the row,
// and a command never acts on a file the user did not pick.
#include "explorer/list/BrindlexView.h"
#include "explorer/NameIndex.h"
#include <string>
#include <unordered_set>
#include <vector>

void CBrindlexView::NoteSelection(int nFirst, int nLast, bool bSelected)
{
    if (m_nSelectionMoves > 0) return;
    CFolderModel& model = GetModel();
    if (nFirst < 0) nFirst = 0;
    if (nLast >= model.GetCount()) nLast = model.GetCount() - 1;
    for (int i = nFirst; i <= nLast; i++) {
        CFolderEntry& e = model.GetAt(i);
        if (!bSelected)
            e.identity = CFileIdentity();
        else if (!e.identity.bKnown)
            e.identity = CFileIdentity::Of(model.GetPath(i));
    }
}

void CBrindlexView::OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMLISTVIEW* nm = (const NMLISTVIEW*)pNMHDR;
    if (!(nm->uChanged & LVIF_STATE) || !((nm->uNewState ^ nm->uOldState) & LVIS_SELECTED)) return;
    bool selected = (nm->uNewState & LVIS_SELECTED) != 0;
    // Row -1: every row at once.
    if (nm->iItem < 0)
        NoteSelection(0, GetModel().GetCount() - 1, selected);
    else
        NoteSelection(nm->iItem, nm->iItem, selected);
}

void CBrindlexView::OnODStateChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMLVODSTATECHANGE* nm = (const NMLVODSTATECHANGE*)pNMHDR;
    if (!((nm->uNewState ^ nm->uOldState) & LVIS_SELECTED)) return;
    NoteSelection(nm->iFrom, nm->iTo, (nm->uNewState & LVIS_SELECTED) != 0);
}

void CBrindlexView::KeepSelectionOnFiles(const std::vector<CString>& changedNames, bool bAllSelected)
{
    CFolderModel& model = GetModel();
    std::unordered_set<std::string> changed;
    for (const CString& name : changedNames) changed.insert(CNameIndex::Fold(name));
    CListCtrl list = GetListCtrl();
    CSelectionMove moving(m_nSelectionMoves);
    std::vector<CFileIdentity> lost;
    CArray<int> rows = GetSelectedRows();
    for (int k = 0; k < rows.GetSize(); k++) {
        CFolderEntry& e = model.GetAt(rows[k]);
        if (!e.identity.bKnown || (!bAllSelected && !changed.count(CNameIndex::Fold(e.strName)))) continue;
        if (CFileIdentity::Of(model.GetPath(rows[k])) == e.identity) continue;
        lost.push_back(e.identity);
        e.identity = CFileIdentity();
        list.SetItemState(rows[k], 0, LVIS_SELECTED);
    }
    if (lost.empty()) return;
    // The file may have taken one of the changed names: its row takes the selection.
    for (const CString& name : changedNames) {
        int row = model.Find(name);
        if (row < 0 || (list.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED)) continue;
        CFileIdentity now = CFileIdentity::Of(model.GetPath(row));
        for (size_t k = 0; k < lost.size(); k++) {
            if (now != lost[k]) continue;
            model.GetAt(row).identity = now;
            list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
            lost.erase(lost.begin() + (ptrdiff_t)k);
            break;
        }
        if (lost.empty()) break;
    }
}

int CBrindlexView::GetFirstUnchangedSelectedRow()
{
    CArray<int> rows = GetUnchangedSelectedRows(true);
    return rows.IsEmpty() ? -1 : rows[0];
}

CArray<int> CBrindlexView::GetUnchangedSelectedRows(bool bFirstOnly)
{
    CFolderModel& model = GetModel();
    CArray<int> rows = GetSelectedRows(), kept;
    if (bFirstOnly && rows.GetSize() > 1) rows.SetSize(1);
    CString text;
    int changed = 0;
    for (int k = 0; k < rows.GetSize(); k++) {
        const CFolderEntry& e = model.GetAt(rows[k]);
        if (!e.identity.bKnown || CFileIdentity::Of(model.GetPath(rows[k])) == e.identity) {
            kept.Add(rows[k]);
            continue;
        }
        // Ten names tell the story; the count tells the rest.
        if (++changed <= 10) text += (text.IsEmpty() ? "" : "\n") + e.strName + " has changed since it was listed.";
    }
    if (changed == 0) return kept;
    if (changed > 10) {
        char more[64];
        wsprintfA(more, "\n%d more have changed since they were listed.", changed - 10);
        text += more;
    }
    {
        CSelectionMove moving(m_nSelectionMoves);
        CListCtrl list = GetListCtrl();
        for (int k = 0, j = 0; k < rows.GetSize(); k++) {
            if (j < kept.GetSize() && kept[j] == rows[k]) {
                j++;
                continue;
            }
            model.GetAt(rows[k]).identity = CFileIdentity();
            list.SetItemState(rows[k], 0, LVIS_SELECTED);
        }
    }
    MessageBox(text, "File Error!", MB_OK);
    return kept;
}
