// The folder on show followed name by name: what the platform says changed is looked up on
// the disk, and only those rows and children change. Other rows keep their places.
#include "explorer/tree/LeftView.h"
#include "explorer/BrindlexDoc.h"
#include "explorer/NameIndex.h"
#include "util/PathText.h"
#include "fw/Redraw.h"
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <algorithm>

namespace {

// A burst is applied in slices of this many milliseconds; the window answers in between.
const DWORD SLICE_MS = 30;
// Beyond this many names a slice finds rows through a map instead of walking the rows.
const size_t NAMES_WALKED = 4;
// A burst of at least this many changes is checked against the whole folder once the
// folder has been quiet for a while: the platform may drop names of a burst without a word.
const size_t BURST_CHANGES = 100;
const UINT BURST_QUIET_MS = 300;

// The directory data of one entry, false when it is not there.
bool LookUp(const CString& path, WIN32_FIND_DATAA* fd)
{
    return CFileFind::FindOne(path, fd) != FALSE;
}

}  // namespace

void CLeftView::WatchFolderOnShow(const CString& path)
{
    if (!GetFileList() || !GetFolderModel() || path.IsEmpty()) {
        m_folderChanges.Stop();
        return;
    }
    m_folderChanges.Start(WithBackslash(path), m_hWnd, WM_FOLDER_CHANGES);
}

bool CLeftView::TakeFolderChanges()
{
    std::vector<FOLDERCHANGE> taken;
    bool lost = false;
    m_folderChanges.Take(&taken, &lost);
    m_changesToApply.insert(m_changesToApply.end(), taken.begin(), taken.end());
    return lost;
}

bool CLeftView::IsFolderOnShowFollowed(const CString& path)
{
    if (!m_folderChanges.IsWatching() || path.CompareNoCase(m_folderChanges.GetFolder()) != 0) return false;
    // A folder on its way out, or made anew, is left to the full re-read.
    return m_folderChanges.IsStillTheFolder();
}

LRESULT CLeftView::OnFolderChanges(WPARAM, LPARAM)
{
    size_t before = m_changesToApply.size();
    bool lost = TakeFolderChanges();
    m_nBurstChanges += m_changesToApply.size() - before;
    if (m_nBurstChanges >= BURST_CHANGES) ::SetTimer(m_hWnd, BURST_TIMER, BURST_QUIET_MS, nullptr);
    CFolderModel* model = GetFolderModel();
    IFileList* list = GetFileList();
    const CString& folder = m_folderChanges.GetFolder();
    if (!model || !list || m_bRedirectSelection || folder.IsEmpty() || model->GetFolder().CompareNoCase(folder) != 0) {
        m_changesToApply.clear();
        return 0;
    }
    if (lost || m_bRereadFolderOnShow || !m_folderChanges.IsStillTheFolder()) {
        // Only the whole folder tells what happened: the re-read every change once made.
        m_changesToApply.clear();
        m_bRereadFolderOnShow = false;
        OnFileWatchNotify(0, folder);
        return 0;
    }
    DWORD start = ::GetTickCount();
    size_t done = 0;
    while (done < m_changesToApply.size()) {
        size_t end = done + 64 < m_changesToApply.size() ? done + 64 : m_changesToApply.size();
        // A rename's two halves stay together.
        if (end < m_changesToApply.size() && m_changesToApply[end].dwAction == FILE_ACTION_RENAMED_NEW_NAME) end++;
        ApplyNames(m_changesToApply, done, end);
        done = end;
        if (::GetTickCount() - start >= SLICE_MS) break;
    }
    m_changesToApply.erase(m_changesToApply.begin(), m_changesToApply.begin() + (ptrdiff_t)done);
    // The rest after whatever else waits for the window.
    if (!m_changesToApply.empty()) PostMessage(WM_FOLDER_CHANGES, 0, 0);
    return 0;
}

LRESULT CLeftView::OnTimer(WPARAM wp, LPARAM lp)
{
    if (wp != BURST_TIMER) return DefWindowProc(WM_TIMER, wp, lp);
    ::KillTimer(m_hWnd, BURST_TIMER);
    m_nBurstChanges = 0;
    // Still changing: the check waits for the end of the burst.
    if (!m_changesToApply.empty()) {
        ::SetTimer(m_hWnd, BURST_TIMER, BURST_QUIET_MS, nullptr);
        return 0;
    }
    const CString& folder = m_folderChanges.GetFolder();
    CFolderModel* model = GetFolderModel();
    if (!folder.IsEmpty() && model && model->GetFolder().CompareNoCase(folder) == 0) OnFileWatchNotify(0, folder);
    return 0;
}

void CLeftView::ApplyNames(const std::vector<FOLDERCHANGE>& changes, size_t first, size_t last)
{
    CFolderModel* model = GetFolderModel();
    IFileList* list = GetFileList();
    if (!model || !list) return;
    CRowCountHold hold(list);
    const CString folder = model->GetFolder();
    CTreeCtrl tree = GetTreeCtrl();
    HTREEITEM sel = tree.GetSelectedItem();
    bool expanded = sel && IsExpanded(sel);

    // Where each row is, by folded name: walked for a few names, mapped for many.
    std::unordered_map<std::string, int> rows;
    bool mapped = last - first > NAMES_WALKED;
    if (mapped) {
        rows.reserve((size_t)model->GetCount());
        for (int i = 0; i < model->GetCount(); i++) rows.emplace(CNameIndex::Fold(model->GetAt(i).strName), i);
    }
    auto rowOf = [&](const CString& name) -> int {
        if (!mapped) return model->Find(name);
        auto it = rows.find(CNameIndex::Fold(name));
        return it == rows.end() ? -1 : it->second;
    };
    auto removeChild = [&](const CString& name) {
        if (!sel) return;
        for (HTREEITEM h = tree.GetChildItem(sel); h;) {
            HTREEITEM next = tree.GetNextSiblingItem(h);
            if (CNameIndex::Same(tree.GetItemText(h), name)) tree.DeleteItem(h);
            h = next;
        }
    };
    auto addChild = [&](const WIN32_FIND_DATAA& fd) {
        if (!sel || !(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || IsHiddenSystemFolder(fd.dwFileAttributes)) return;
        if (!expanded) {
            // A folder that had no sub-folders gets its expand button with its first one.
            if (!tree.GetChildItem(sel)) AppendPlaceholder(sel);
            return;
        }
        for (HTREEITEM h = tree.GetChildItem(sel); h; h = tree.GetNextSiblingItem(h))
            if (CNameIndex::Same(tree.GetItemText(h), fd.cFileName)) return;
        InsertFolderItem(sel, fd.cFileName, JoinPath(GetItemPath(sel), fd.cFileName), fd.dwFileAttributes);
    };

    std::vector<int> gone;
    std::unordered_set<std::string> seen;
    std::vector<CString> names;
    for (size_t k = first; k < last; k++) {
        const FOLDERCHANGE& c = changes[k];
        names.push_back(c.strName);
        // A rename within the folder: the row takes the new name in its place.
        if (c.dwAction == FILE_ACTION_RENAMED_OLD_NAME && k + 1 < last &&
            changes[k + 1].dwAction == FILE_ACTION_RENAMED_NEW_NAME) {
            const CString& newName = changes[k + 1].strName;
            WIN32_FIND_DATAA fd;
            int row = rowOf(c.strName);
            if (row >= 0 && rowOf(newName) < 0 && !LookUp(folder + c.strName, &fd) && LookUp(folder + newName, &fd) &&
                CNameIndex::Compare(fd.cFileName, newName) == 0) {
                list->RenameRow(row, fd.cFileName);
                list->UpdateRow(row, fd);
                if (mapped) {
                    rows.erase(CNameIndex::Fold(c.strName));
                    rows[CNameIndex::Fold(fd.cFileName)] = row;
                }
                removeChild(c.strName);
                addChild(fd);
                seen.insert(CNameIndex::Fold(c.strName));
                seen.insert(CNameIndex::Fold(newName));
                k++;
                continue;
            }
        }
        // Any other change: the disk says what the name is now.
        std::string key = CNameIndex::Fold(c.strName);
        if (!seen.insert(key).second) continue;
        WIN32_FIND_DATAA fd;
        bool there = !IsDots(c.strName) && LookUp(folder + c.strName, &fd);
        if (there && IsHiddenSystemFolder(fd.dwFileAttributes)) there = false;
        int row = rowOf(c.strName);
        if (there && row >= 0) {
            list->UpdateRow(row, fd);
        } else if (there) {
            list->AddFileEntry(fd, folder);
            if (mapped) rows[key] = model->GetCount() - 1;
            addChild(fd);
        } else if (row >= 0) {
            gone.push_back(row);
            if (mapped) rows.erase(key);
            removeChild(c.strName);
        } else {
            removeChild(c.strName);
        }
    }
    if (!gone.empty()) {
        std::sort(gone.begin(), gone.end());
        gone.erase(std::unique(gone.begin(), gone.end()), gone.end());
        list->DeleteRows(gone);
    }
    // Names changed faster than they were applied may now belong to other files.
    list->KeepSelectionOnFiles(names, false);
}
