// Expanding, collapsing and selecting folders; the watches of the selection.
#include "explorer/tree/LeftView.h"
#include "explorer/BrindlexDoc.h"
#include "watch/FileWatch.h"

bool CLeftView::IsExpanded(HTREEITEM hItem) const
{
    CTreeCtrl tree = GetTreeCtrl();
    return tree.GetNextVisibleItem(hItem) == tree.GetChildItem(hItem);
}

BOOL CLeftView::ExpandItem(HTREEITEM hItem)
{
    if (!hItem) return FALSE;
    // After one expansion the control stops asking before later programmatic ones; the
    // children must be read again every time.
    TVITEMA it = {};
    it.mask = TVIF_STATE;
    it.hItem = hItem;
    it.stateMask = TVIS_EXPANDEDONCE;
    SendMessage(TVM_SETITEMA, 0, (LPARAM)&it);
    return GetTreeCtrl().Expand(hItem, TVE_EXPAND);
}

void CLeftView::OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMTREEVIEWA* nm = (NMTREEVIEWA*)pNMHDR;
    *pResult = 0;
    // Our own collapse of a drive without a medium, below, goes through unchecked.
    if (m_bCollapsingNoMedium) return;
    CTreeCtrl tree = GetTreeCtrl();
    HTREEITEM item = nm->itemNew.hItem;
    CString path = GetItemPath(item);

    UINT type = ::GetDriveTypeA(path);
    if (type == DRIVE_REMOVABLE || type == DRIVE_CDROM) {
        DWORD serial = 0;
        if (!::GetVolumeInformationA(path.Left(3), nullptr, 0, &serial, nullptr, nullptr, nullptr, 0)) {
            HTREEITEM top = item;
            while (HTREEITEM up = tree.GetParentItem(top)) top = up;
            tree.SelectItem(top);
            m_bCollapsingNoMedium = true;
            tree.Expand(top, TVE_COLLAPSE);
            m_bCollapsingNoMedium = false;
            DeleteChildren(top);
            AppendPlaceholder(top);
            *pResult = 1;
            return;
        }
    }
    if (path.GetLength() != 3) {
        WIN32_FIND_DATAA fd;
        bool folder = CFileFind::FindOne(path, &fd) && (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        if (!folder && !path.IsEmpty()) {
            m_hDeletedOnExpand = item;
            tree.DeleteItem(item);
            *pResult = 1;
            return;
        }
    }
    CWaitCursor wait;
    if ((nm->action & TVE_TOGGLE) == TVE_EXPAND) {
        DeleteChildren(item);
        FillFolder(item, path, true);
        return;
    }
    HTREEITEM sel = tree.GetSelectedItem();
    for (HTREEITEM h = tree.GetParentItem(sel); h; h = tree.GetParentItem(h)) {
        if (h == item) {
            tree.SelectItem(item);
            break;
        }
    }
    DeleteChildren(item);
    if (!tree.GetParentItem(item) || HasSubfolders(path)) AppendPlaceholder(item);
    // Collapsed means unread: the next expansion, whoever asks, reads the folder again.
    TVITEMA it = {};
    it.mask = TVIF_STATE;
    it.hItem = item;
    it.stateMask = TVIS_EXPANDEDONCE;
    SendMessage(TVM_SETITEMA, 0, (LPARAM)&it);
}

void CLeftView::OnSelChanging(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMTREEVIEWA* nm = (NMTREEVIEWA*)pNMHDR;
    RemoveWatches();
    m_folderChanges.Stop();
    m_changesToApply.clear();
    m_bRereadFolderOnShow = false;
    m_nBurstChanges = 0;
    if (m_bRedirectSelection) {
        *pResult = 1;
        m_bRedirectSelection = 0;
        GetTreeCtrl().SelectItem(m_hStartItem);
        return;
    }
    *pResult = 0;
    HTREEITEM item = nm->itemNew.hItem;
    // The selection goes away (the items are being deleted): nothing to list.
    if (!item) return;
    CWaitCursor wait;
    CString path = GetItemPath(item);
    // Watched before it is read: what changes while it is read comes after.
    WatchFolderOnShow(path);
    FillFolder(item, path, false);
    m_strCurrentPath = path;
    if (CBrindlexDoc* doc = GetDocument()) doc->SetTitle(path);
    ArmSelectionWatches(item, path, true);
}

void CLeftView::ArmSelectionWatches(HTREEITEM hItem, const CString& path, bool bSkipRemovableRoots)
{
    CTreeCtrl tree = GetTreeCtrl();
    HTREEITEM parent = tree.GetParentItem(hItem);
    CString watched = path;
    if (parent)
        watched += "\\";
    else if (bSkipRemovableRoots && ::GetDriveTypeA(path) == DRIVE_REMOVABLE)
        return;
    m_dwWatchFolder = AddFileWatch(watched, m_hWnd);
    if (!parent) return;
    CString parentPath = GetItemPath(parent);
    if (tree.GetParentItem(parent))
        parentPath += "\\";
    else if (bSkipRemovableRoots && ::GetDriveTypeA(parentPath) == DRIVE_REMOVABLE)
        return;
    m_dwWatchParent = AddFileWatch(parentPath, m_hWnd);
}
