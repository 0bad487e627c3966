// The selection belongs to files, not names: a row selected by the user keeps the identity of
// the file it showed then. Another program may give the name to another file (a swap through
// a passing name within milliseconds, a folder made anew); the selection then leaves the row,
// and a command never acts on a file the user did not pick.
#include "explorer/list/BrindlexView.h"
#include "explorer/FileErrors.h"
#include "explorer/NameIndex.h"
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

// Beyond this many rows one read of the folder gives the identities: opening each file costs
// about a millisecond under Wine.
const size_t OPENED_ONE_BY_ONE = 16;

// The identities of the files the rows name now, in the order of rows.
std::vector<CFileIdentity> IdentitiesOf(const CFolderModel& model, const std::vector<int>& rows)
{
    std::vector<CFileIdentity> ids(rows.size());
    if (rows.size() <= OPENED_ONE_BY_ONE) {
        for (size_t k = 0; k < rows.size(); k++) ids[k] = CFileIdentity::Of(model.GetPath(rows[k]));
        return ids;
    }
    std::unordered_map<std::string, size_t> wanted;
    for (size_t k = 0; k < rows.size(); k++) wanted.emplace(CNameIndex::Fold(model.GetAt(rows[k]).strName), k);
    CFileIdentity::OfEntries(model.GetFolder(), [&](const char* name, const CFileIdentity& id) {
        auto it = wanted.find(CNameIndex::Fold(name));
        if (it != wanted.end()) ids[it->second] = id;
    });
    return ids;
}

std::vector<int> RowsOf(const CArray<int>& rows)
{
    std::vector<int> v;
    v.reserve((size_t)rows.GetSize());
    for (int k = 0; k < rows.GetSize(); k++) v.push_back(rows[k]);
    return v;
}

}  // namespace

void CBrindlexView::NoteSelection(int nFirst, int nLast, bool bSelected)
{
    if (m_nSelectionMoves > 0) return;
    // The user chose anew: what was lost before is no longer looked for.
    m_lostSelections.clear();
    CFolderModel& model = GetModel();
    if (nFirst < 0) nFirst = 0;
    if (nLast >= model.GetCount()) nLast = model.GetCount() - 1;
    std::vector<int> asked;
    for (int i = nFirst; i <= nLast; i++) {
        CFolderEntry& e = model.GetAt(i);
        if (!bSelected)
            e.identity = CFileIdentity();
        else if (!e.identity.bKnown)
            asked.push_back(i);
    }
    std::vector<CFileIdentity> ids = IdentitiesOf(model, asked);
    for (size_t k = 0; k < asked.size(); k++) model.GetAt(asked[k]).identity = ids[k];
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
    lost.swap(m_lostSelections);
    CArray<int> selected = GetSelectedRows();
    std::vector<int> rows;
    for (int k = 0; k < selected.GetSize(); k++) {
        const CFolderEntry& e = model.GetAt(selected[k]);
        if (e.identity.bKnown && (bAllSelected || changed.count(CNameIndex::Fold(e.strName)))) rows.push_back(selected[k]);
    }
    std::vector<CFileIdentity> now = IdentitiesOf(model, rows);
    for (size_t k = 0; k < rows.size(); k++) {
        CFolderEntry& e = model.GetAt(rows[k]);
        // A name gone or unreadable is left to the rows' own updates.
        if (!now[k].bKnown || now[k] == e.identity) continue;
        lost.push_back(e.identity);
        e.identity = CFileIdentity();
        list.SetItemState(rows[k], 0, LVIS_SELECTED);
    }
    if (lost.empty()) return;
    // The file may have taken one of the changed names: its row takes the selection.
    std::vector<int> candidates;
    for (const CString& name : changedNames) {
        int row = model.Find(name);
        if (row >= 0 && !(list.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED)) candidates.push_back(row);
    }
    std::vector<CFileIdentity> held = IdentitiesOf(model, candidates);
    for (size_t c = 0; c < candidates.size() && !lost.empty(); c++) {
        for (size_t k = 0; k < lost.size(); k++) {
            if (!held[c].bKnown || held[c] != lost[k]) continue;
            model.GetAt(candidates[c]).identity = held[c];
            list.SetItemState(candidates[c], LVIS_SELECTED, LVIS_SELECTED);
            lost.erase(lost.begin() + (ptrdiff_t)k);
            break;
        }
    }
    // The rest may still turn up under a name of a later batch; a few are enough to keep.
    if (lost.size() > 64) lost.erase(lost.begin(), lost.end() - 64);
    m_lostSelections.swap(lost);
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
    std::vector<CFileIdentity> now = IdentitiesOf(model, RowsOf(rows));
    CString text;
    int changed = 0;
    for (int k = 0; k < rows.GetSize(); k++) {
        const CFolderEntry& e = model.GetAt(rows[k]);
        // A file gone meanwhile is no other file: the command finds it gone, as ever.
        if (!e.identity.bKnown || !now[(size_t)k].bKnown || now[(size_t)k] == e.identity) {
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
    MessageBox(text, FILE_ERROR, MB_OK);
    return kept;
}
