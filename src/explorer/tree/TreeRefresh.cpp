// Keeping tree and list in step with the disk: change notifications and the rebuild.
#include "explorer/tree/LeftView.h"
#include "explorer/BrindlexDoc.h"
#include "explorer/NameIndex.h"
#include "util/PathText.h"
#include "fw/PathParts.h"
#include "watch/FileWatch.h"
#include "fw/Redraw.h"
#include "fw/FileFind.h"
#include <string>
#include <unordered_map>
#include <unordered_set>

// The item that follows hItem's subtree in next-visible order (hItem being visible).
static HTREEITEM NextAfterSubtree(const CTreeCtrl& tree, HTREEITEM hItem)
{
    for (HTREEITEM h = hItem; h; h = tree.GetParentItem(h))
        if (HTREEITEM next = tree.GetNextSiblingItem(h)) return next;
    return nullptr;
}

// The key of a row on a re-read: the name that reaches its file (a short name tells apart rows
// that show alike), or the name it shows when none does.
static std::string RowKey(const CString& usable, const CString& shown)
{
    return CNameIndex::Fold(usable.IsEmpty() ? shown : usable);
}

LRESULT CLeftView::OnFileWatchNotify(WPARAM, const CString& notifiedPath)
{
    if (m_bRedirectSelection) return 0;
    RemoveWatches();
    // The watch by name holds the folder open too, which would keep a folder deleted
    // meanwhile from going: it stops with the others, its waiting changes kept, and starts
    // again once the folder is known to be there.
    CString namesWatched = m_folderChanges.GetFolder();
    FILETIME writtenBefore = {};
    bool dated = !namesWatched.IsEmpty() && m_folderChanges.GetFolderWriteTime(&writtenBefore);
    if (!namesWatched.IsEmpty() && !m_folderChanges.IsStillTheFolder()) m_bRereadFolderOnShow = true;
    if (TakeFolderChanges()) m_bRereadFolderOnShow = true;
    m_folderChanges.Stop();
    CTreeCtrl tree = GetTreeCtrl();
    HTREEITEM sel = tree.GetSelectedItem();
    if (!sel) return 0;
    CString selPath = GetItemPath(sel);
    CString curPath = selPath;
    HTREEITEM parent = tree.GetParentItem(sel);
    if (parent) {
        if (!PathExists(selPath)) {
            // The folder on show went away: the nearest ancestor still there takes over (the
            // parent may have gone with it).
            HTREEITEM heir = parent;
            while (tree.GetParentItem(heir) && !PathExists(GetItemPath(heir))) heir = tree.GetParentItem(heir);
            tree.SelectItem(heir);
            DeleteChildren(heir);
            FillFolder(heir, GetItemPath(heir), true);
            return 0;
        }
        curPath += "\\";
    }
    ArmSelectionWatches(sel, selPath, false);
    if (!namesWatched.IsEmpty()) {
        m_folderChanges.Start(namesWatched, m_hWnd, WM_FOLDER_CHANGES);
        // A change between the two watches shows in the folder's own time stamp.
        FILETIME writtenAfter = {};
        if (!dated || !m_folderChanges.GetFolderWriteTime(&writtenAfter) || CompareFileTime(&writtenBefore, &writtenAfter))
            m_bRereadFolderOnShow = true;
        if (!m_changesToApply.empty() || m_bRereadFolderOnShow) PostMessage(WM_FOLDER_CHANGES, 0, 0);
    }
    if (m_bSkipNextNotify) {
        m_bSkipNextNotify = 0;
        return 0;
    }

    HTREEITEM target = sel;
    CString folder = curPath;
    bool parentMode = notifiedPath.CompareNoCase(curPath) != 0 && notifiedPath.CompareNoCase(selPath) != 0;
    if (!parentMode) m_bRereadFolderOnShow = false;  // this is the re-read
    if (parentMode) {
        // A late notice of a watch that is gone (the selection moved on) has nothing to add:
        // the folder on show was listed after it.
        if (!parent) return 0;
        target = parent;
        folder = GetItemPath(parent);
        if (tree.GetParentItem(parent)) folder += "\\";
        if (notifiedPath.CompareNoCase(folder) != 0 && notifiedPath.CompareNoCase(GetItemPath(parent)) != 0) return 0;
    }

    // Appearing entries. The names of target's children are looked up in a set, not by
    // walking the children once per entry; the names on disk are kept for the vanishing ones.
    std::unordered_set<std::string> known, present;
    for (HTREEITEM h = tree.GetChildItem(target); h; h = tree.GetNextSiblingItem(h))
        known.insert(CNameIndex::Fold(tree.GetItemText(h)));
    CString targetPath = GetItemPath(target);
    IFileList* list = parentMode ? nullptr : GetFileList();
    CFolderModel* model = GetFolderModel();
    if (!model) list = nullptr;
    // Many rows may come at once: one redraw and one new count for all of them.
    CRedrawOff quiet(list ? list->GetListWindow() : nullptr);
    CRowCountHold hold(list);
    bool expanded = IsExpanded(target);
    // The rows by folded name. The enumeration's own data fills them: a look-up per entry
    // would cost a scan of the folder each.
    std::unordered_map<std::string, int> rows;
    std::vector<CString> changedNames;
    if (list) {
        rows.reserve((size_t)model->GetCount());
        for (int i = 0; i < model->GetCount(); i++)
            rows.emplace(RowKey(model->GetAt(i).CommandName(), model->GetAt(i).strName), i);
    }
    CFileFind find;
    bool enumerated = find.FindFile(folder + "*.*") != FALSE;
    if (enumerated) {
        for (BOOL more = TRUE; more;) {
            more = find.FindNextFile();
            const WIN32_FIND_DATAA& fd = find.GetFindData();
            if (IsDots(fd.cFileName)) continue;
            std::string key = CNameIndex::Fold(fd.cFileName);
            present.insert(key);
            // Items are named as their paths are made: a short name stands for a name the
            // code page lacks.
            const char* treeName = TreeNameOf(fd);
            if (treeName && treeName != fd.cFileName) {
                key = CNameIndex::Fold(treeName);
                present.insert(key);
            }
            if (list && !IsHiddenSystemFolder(fd.dwFileAttributes)) {
                // A row of a name that stays takes what the disk says now: the folder may have
                // been made anew, or the entry changed unseen.
                auto row = rows.find(RowKey(CFileFind::UsableNameOf(fd), fd.cFileName));
                if (row == rows.end()) {
                    list->AddFileEntry(fd, targetPath);
                    changedNames.push_back(fd.cFileName);
                } else if (!model->GetAt(row->second).Shows(fd)) {
                    list->UpdateRow(row->second, fd);
                    changedNames.push_back(fd.cFileName);
                }
            }
            if (known.count(key)) continue;
            bool isDir = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            if (isDir && treeName && (parentMode || expanded)) {
                if (InsertFolderItem(target, treeName, JoinPath(targetPath, treeName), fd.dwFileAttributes)) known.insert(key);
            } else if (isDir && !IsHiddenSystemFolder(fd.dwFileAttributes) && !tree.GetChildItem(target)) {
                // A folder that had no sub-folders gets its expand button with its first one.
                AppendPlaceholder(target);
            }
        }
        find.Close();
    }
    // Whether an entry of the changed folder still exists: the enumeration just made answers
    // for the whole folder at once (a look-up per entry would cost as much as the enumeration).
    auto stillThere = [&](const CString& parentPath, const CString& name) {
        if (enumerated && WithBackslash(parentPath).CompareNoCase(folder) == 0)
            return present.count(CNameIndex::Fold(name)) != 0;
        return PathExists(JoinPath(parentPath, name));
    };

    // Vanished rows, all at once.
    if (list) {
        std::vector<int> gone;
        for (int i = 0; i < model->GetCount(); i++)
            if (!stillThere(model->GetFolder(), model->GetAt(i).IsUsable() ? model->GetAt(i).CommandName() : model->GetAt(i).strName))
                gone.push_back(i);
        list->DeleteRows(gone);
        // Any name may have been given to another file meanwhile.
        list->KeepSelectionOnFiles(changedNames, true);
    }

    // Vanished folders among the items from the top of the window down.
    for (HTREEITEM h = tree.GetFirstVisibleItem(); h;) {
        HTREEITEM up = tree.GetParentItem(h);
        if (up && !stillThere(GetItemPath(up), tree.GetItemText(h))) {
            HTREEITEM next = NextAfterSubtree(tree, h);
            tree.DeleteItem(h);
            h = next;
        } else {
            h = tree.GetNextVisibleItem(h);
        }
    }
    return 0;
}

void CLeftView::RebuildTree()
{
    CTreeCtrl tree = GetTreeCtrl();
    HTREEITEM sel = tree.GetSelectedItem();
    bool wasExpanded = sel && tree.GetChildItem(sel) && IsExpanded(sel);
    HTREEITEM top = tree.GetFirstVisibleItem();
    CString topPath = GetItemPath(top);
    bool topFound = false;
    CString selPath = GetItemPath(sel);
    HTREEITEM root = sel;
    while (root && tree.GetParentItem(root)) root = tree.GetParentItem(root);
    CString rootText = root ? tree.GetItemText(root) : CString();

    tree.DeleteAllItems();
    m_bRedirectSelection = 1;
    InitTree();

    auto noteTop = [&](HTREEITEM h) {
        if (!topFound && !topPath.IsEmpty() && GetItemPath(h).CompareNoCase(topPath) == 0) {
            topFound = true;
            top = h;
        }
    };
    HTREEITEM h = nullptr;
    for (HTREEITEM it = tree.GetFirstVisibleItem(); it && !rootText.IsEmpty(); it = tree.GetNextVisibleItem(it)) {
        noteTop(it);
        if (tree.GetItemText(it) == rootText) {
            h = it;
            break;
        }
    }
    if (h) {
        m_hStartItem = h;
        if (ExpandItem(h)) {
            HTREEITEM previous = h;
            CString prefix = rootText;
            for (;;) {
                if (prefix == selPath) {
                    m_hStartItem = h;
                    break;
                }
                // The next component of the selected path.
                int i = prefix.GetLength();
                if (i >= selPath.GetLength()) break;
                int end = NextSeparator(selPath, i + (selPath[i] == '\\' ? 1 : 0));
                prefix = selPath.Left(end < 0 ? selPath.GetLength() : end);
                HTREEITEM match = nullptr;
                for (HTREEITEM it = tree.GetNextVisibleItem(h); it; it = tree.GetNextVisibleItem(it)) {
                    noteTop(it);
                    if (GetItemPath(it) == prefix) {
                        match = it;
                        break;
                    }
                }
                if (!match) break;
                if (prefix != selPath) {
                    m_hDeletedOnExpand = nullptr;
                    if (!ExpandItem(match)) {
                        m_hStartItem = m_hDeletedOnExpand == match ? previous : match;
                        break;
                    }
                }
                previous = match;
                h = match;
            }
        }
    }
    tree.SelectItem(m_hStartItem);
    if (m_hStartItem && tree.GetChildItem(m_hStartItem) && wasExpanded && topFound) tree.SelectSetFirstVisible(top);
}
