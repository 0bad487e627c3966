// The list's commands that create, rename, copy, delete and recycle entries of the folder on
// show. Each acts on the model's entries and updates the rows through the model.
#include "explorer/list/BrindlexView.h"
#include "explorer/FileErrors.h"
#include "explorer/CopyRename.h"
#include "explorer/DeleteFolderTree.h"
#include "explorer/NameDialog.h"
#include "explorer/NameRefusal.h"
#include "explorer/ShellFileOp.h"
#include "fw/WinApp.h"
#include "fw/Handle.h"
#include "fw/PathParts.h"

void CBrindlexView::OnNewFolder() { CreateNewItem(RunNameDialog(NEWF_FOLDER, "NewFolder"), true); }

void CBrindlexView::OnNewFile() { CreateNewItem(RunNameDialog(NEWF_FILE, "NewFile.txt"), false); }

int CBrindlexView::CreateNewItem(const char* name, bool bFolder)
{
    if (!name || !*name) return -1;
    CWaitCursor wait;
    CString strName = TrimEnteredName(name);
    CString path = m_strFolder + strName;
    // A name the file system would take for something else (a stream, a device, a path)
    // is refused as one it cannot make.
    if (!IsValidEntryName(strName)) {
        MessageBox(CannotCreateText(bFolder), FILE_ERROR, MB_OK);
        return -1;
    }
    if (!bFolder) {
        CFileHandle file(::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsValid()) {
            MessageBox("Could not create file!", FILE_ERROR, MB_OK);
            return -1;
        }
    } else if (!::CreateDirectoryA(path, nullptr)) {
        MessageBox("Could not create folder!", FILE_ERROR, MB_OK);
        return -1;
    }
    WIN32_FIND_DATAA fd = {};
    {
        if (!CFileFind::FindOne(path, &fd)) {
            // Gone again before we could look: the name and kind are all we know.
            fd = WIN32_FIND_DATAA();
            fd.dwFileAttributes = bFolder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
        }
    }
    lstrcpynA(fd.cFileName, strName, sizeof fd.cFileName);
    int row = AppendNewEntry(fd, strName);
    if (bFolder) {
        if (IFolderTree* tree = GetFolderTree()) tree->AddChildFolder(strName);
    }
    return row;
}

// The first selected row, or -1.
int CBrindlexView::GetFirstSelectedRow() const
{
    CArray<int> rows = GetSelectedRows();
    return rows.IsEmpty() ? -1 : rows[0];
}

void CBrindlexView::OnRename()
{
    CNameRefusal refusal(m_hWnd);
    int row = GetFirstUnchangedSelectedRow();
    if (row < 0 || !refusal.Allows(GetModel(), row)) return;
    CString oldName = GetModel().GetAt(row).strName;
    CString oldPath = GetEntryPath(row);
    bool folder = IsFolderRow(row);
    CString newName = RunNameDialog(NEWF_RENAME, oldName);
    if (newName.IsEmpty()) return;
    newName = TrimEnteredName(newName);
    // The entry by the name that reaches it (its short name for one the code page lacks).
    if (!RenameEntry(*this, m_strFolder, NameOfPath(oldPath), newName)) return;
    // The dialog ran modally: the rows may have changed meanwhile, so find the entry again.
    row = FindRow(oldName);
    if (row >= 0) RenameRow(row, newName);
    if (folder) {
        if (IFolderTree* tree = GetFolderTree()) tree->RenameChildFolder(NameOfPath(oldPath), newName);
    }
}

void CBrindlexView::OnCopyRename()
{
    CNameRefusal refusal(m_hWnd);
    int row = GetFirstUnchangedSelectedRow();
    if (row < 0 || !refusal.Allows(GetModel(), row)) return;
    CString oldName = GetModel().GetAt(row).strName;
    CString oldPath = GetEntryPath(row);
    CString newName = RunNameDialog(NEWF_COPY_RENAME, oldName);
    if (newName.IsEmpty()) return;
    CWaitCursor wait;
    newName = TrimEnteredName(newName);
    CopyUnderNewName(*this, oldPath, m_strFolder + newName, newName);
}

void CBrindlexView::OnDelete()
{
    CNameRefusal refusal(m_hWnd);
    CArray<int> refused;
    CArray<int> rows = refusal.Filter(GetModel(), GetUnchangedSelectedRows(), &refused);
    int n = rows.GetSize();
    if (n == 0) return;
    CWaitCursor wait;
    if (n == 1) {
        DeleteOneRow(rows[0]);
        return;
    }
    // Several rows go for good, past the recycle bin: always ask first.
    char question[64];
    wsprintfA(question, "Delete these %d folders and files?", n);
    if (MessageBox(question, "Delete", MB_YESNOCANCEL) != IDYES) return;

    CListCtrl list = GetListCtrl();
    // The rows below are taken one by one from the selection: the refused leave it first.
    for (int k = 0; k < refused.GetSize(); k++) list.SetItemState(refused[k], 0, LVIS_SELECTED);
    bool failed = false;
    for (int pass = 0; pass < n; pass++) {
        int row = GetFirstSelectedRow();
        if (row < 0) break;
        CString name = GetModel().GetAt(row).strName;
        CString path = GetEntryPath(row);
        bool done;
        if (IsFolderRow(row)) {
            done = DeleteFolderTree(path);
            if (done) {
                if (IFolderTree* tree = GetFolderTree()) tree->RemoveChildFolder(NameOfPath(path));
            }
        } else {
            ::SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
            done = ::DeleteFileA(path) != FALSE;
        }
        // The tree may have changed the rows: find the entry by name again.
        row = FindRow(name);
        if (row < 0) continue;
        if (done) {
            DeleteRow(row);
        } else {
            list.SetItemState(row, 0, LVIS_SELECTED);
            failed = true;
        }
    }
    if (failed) MessageBox(SOME_NOT_REMOVED, FILE_ERROR, MB_OK);
}

void CBrindlexView::DeleteOneRow(int row)
{
    CString name = GetModel().GetAt(row).strName;
    CString path = GetEntryPath(row);
    if (!IsFolderRow(row)) {
        CShellFileOp op;
        op.SetParent(m_hWnd);
        op.SetFlags(FOF_WANTNUKEWARNING);
        op.SetProgressTitle("Deleting file");
        op.AddFile(0, path);
        // A refused confirmation may still report success: the disk decides.
        if (op.Delete() != 0 || ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) return;
        int now = FindRow(name);
        if (now >= 0) DeleteRow(now);
        return;
    }
    if (MessageBox("Delete this folder and all its files?", name, MB_YESNOCANCEL) != IDYES) return;
    if (DeleteFolderTree(path)) {
        int now = FindRow(name);
        if (now >= 0) DeleteRow(now);
        if (IFolderTree* tree = GetFolderTree()) tree->RemoveChildFolder(NameOfPath(path));
    } else {
        MessageBox(CouldNotRemoveText(name), FILE_ERROR, MB_OK);
    }
}

void CBrindlexView::OnRecycle()
{
    CNameRefusal refusal(m_hWnd);
    CArray<int> rows = refusal.Filter(GetModel(), GetUnchangedSelectedRows());
    int n = rows.GetSize();
    if (n == 0) return;
    CWaitCursor wait;
    CShellFileOp op;
    op.SetParent(m_hWnd);
    op.SetFlags(FOF_ALLOWUNDO);
    op.SetProgressTitle("Sending to Recycle Bin");
    CArray<CString> names;
    CArray<CString> paths;
    CArray<int> folders;
    CString link;  // the last link kept back
    for (int i = 0; i < n; i++) {
        CString path = GetEntryPath(rows[i]);
        // The shell recycles what a link points to: links stay where they are.
        if (IsLinkPath(path)) {
            link = GetModel().GetAt(rows[i]).strName;
            continue;
        }
        names.Add(GetModel().GetAt(rows[i]).strName);
        paths.Add(path);
        folders.Add(IsFolderRow(rows[i]) ? 1 : 0);
        op.AddFile(0, path);
    }
    CString folder = m_strFolder;
    int result = names.IsEmpty() ? 0 : op.Delete();
    // Only what is gone leaves the list: a cancelled or failed recycle keeps its rows.
    bool someLeft = false;
    for (int i = 0; i < names.GetSize(); i++) {
        if (::GetFileAttributesA(paths[i]) != INVALID_FILE_ATTRIBUTES) {
            someLeft = true;
            continue;
        }
        if (m_strFolder == folder) {
            int row = FindRow(names[i]);
            if (row >= 0) DeleteRow(row);
        }
        if (folders[i]) {
            if (IFolderTree* tree = GetFolderTree()) tree->RemoveChildFolder(NameOfPath(paths[i]));
        }
    }
    if (n == 1 && !link.IsEmpty()) {
        MessageBox(CouldNotRemoveText(link), FILE_ERROR, MB_OK);
    } else if (n > 1 && (!link.IsEmpty() || (result != 0 && someLeft))) {
        MessageBox(SOME_NOT_REMOVED, FILE_ERROR, MB_OK);
    }
}
