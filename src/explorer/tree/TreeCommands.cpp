// The tree's file commands. They act on the selected folder, never on the item under the
// mouse; drive roots are never renamed, copied, deleted or recycled. Most leave the updating
// of both panes to the change notifications.
#include "explorer/tree/LeftView.h"
#include "explorer/FileErrors.h"
#include "explorer/BrindlexDoc.h"
#include "explorer/CopyRename.h"
#include "explorer/DeleteFolderTree.h"
#include "explorer/NameDialog.h"
#include "explorer/ShellFileOp.h"
#include "fw/PathParts.h"
#include "fw/WinApp.h"
#include "watch/FileWatch.h"

HTREEITEM CLeftView::GetSelectedFolderItem() const
{
    CTreeCtrl tree = GetTreeCtrl();
    HTREEITEM sel = tree.GetSelectedItem();
    if (!sel || !tree.GetParentItem(sel)) return nullptr;
    return sel;
}

void CLeftView::OnNewFolder()
{
    CString name = RunNameDialog(NEWF_FOLDER, "NewFolder");
    if (IFileList* list = GetFileList()) list->CreateNewItem(name, true);
}

void CLeftView::OnNewFile()
{
    CString name = RunNameDialog(NEWF_FILE, "NewFile.txt");
    if (IFileList* list = GetFileList()) list->CreateNewItem(name, false);
}

void CLeftView::OnView()
{
    if (IFileList* list = GetFileList()) list->ViewSelected();
}

void CLeftView::OnRename()
{
    HTREEITEM sel = GetSelectedFolderItem();
    if (!sel) return;
    CTreeCtrl tree = GetTreeCtrl();
    CString newName = RunNameDialog(NEWF_RENAME, tree.GetItemText(sel));
    if (newName.IsEmpty()) return;
    newName = TrimEnteredName(newName);
    // The selection may have moved while the dialog was open.
    if (tree.GetSelectedItem() != sel) return;
    CString source = GetItemPath(sel);
    if (!RenameEntry(*this, ParentOfPath(source), tree.GetItemText(sel), newName)) return;
    m_bSkipNextNotify = 1;
    tree.SetItemText(sel, newName);
    m_strCurrentPath = GetItemPath(sel);
    // The folder on show is this one or lies below it: every later command must find it
    // under its new name, and the caption must say it.
    if (CFolderModel* model = GetFolderModel()) {
        if (model->FollowRename(source, m_strCurrentPath)) {
            if (IFileList* list = GetFileList()) list->FolderMoved();
            // Changes by name are read from the folder under its new name.
            WatchFolderOnShow(model->GetFolder());
            if (CBrindlexDoc* doc = GetDocument()) doc->SetTitle(m_strCurrentPath);
        }
    }
}

void CLeftView::OnCopyRename()
{
    HTREEITEM sel = GetSelectedFolderItem();
    if (!sel) return;
    CTreeCtrl tree = GetTreeCtrl();
    CString newName = RunNameDialog(NEWF_COPY_RENAME, tree.GetItemText(sel));
    if (newName.IsEmpty()) return;
    CWaitCursor wait;
    newName = TrimEnteredName(newName);
    if (tree.GetSelectedItem() != sel) return;
    CString source = GetItemPath(sel);
    CString destination = ParentOfPath(source) + newName;
    if (!CopyUnderNewName(*this, source, destination, newName)) return;
    InsertFolderItem(tree.GetParentItem(sel), newName, destination);
}

void CLeftView::OnDelete()
{
    HTREEITEM sel = GetSelectedFolderItem();
    if (!sel) return;
    CWaitCursor wait;
    CString name = GetTreeCtrl().GetItemText(sel);
    if (MessageBox("Delete this folder and all its files?", name, MB_YESNOCANCEL) != IDYES) return;
    // Our own watch holds the folder open, and an open folder is not removed until it closes.
    // The watch on the parent stays: its notice selects the parent once the folder is gone.
    RemoveFileWatch(m_dwWatchFolder);
    m_dwWatchFolder = 0;
    m_folderChanges.Stop();
    m_changesToApply.clear();
    CString path = GetItemPath(sel);
    if (!DeleteFolderTree(path)) {
        if (GetTreeCtrl().GetSelectedItem() == sel) {
            RemoveWatches();
            ArmSelectionWatches(sel, path, true);
            // What went before the failure went unwatched: the list reads the folder again.
            WatchFolderOnShow(path);
            m_bRereadFolderOnShow = true;
            PostMessage(WM_FOLDER_CHANGES, 0, 0);
        }
        MessageBox(CouldNotRemoveText(name), FILE_ERROR, MB_OK);
    }
}

void CLeftView::OnRecycle()
{
    HTREEITEM sel = GetSelectedFolderItem();
    if (!sel) return;
    CShellFileOp op;
    op.SetParent(m_hWnd);
    op.SetFlags(FOF_ALLOWUNDO);
    op.SetProgressTitle("Sending to Recycle Bin");
    CString path = GetItemPath(sel);
    // The shell recycles what a link points to: the link stays where it is.
    if (IsLinkPath(path)) {
        MessageBox(CouldNotRemoveText(GetTreeCtrl().GetItemText(sel)), FILE_ERROR, MB_OK);
        return;
    }
    op.AddFile(0, path);
    CWaitCursor wait;
    op.Delete();
}
