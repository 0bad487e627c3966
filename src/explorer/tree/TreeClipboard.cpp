// Copy and Paste of the folder tree: the selected folder (never a drive) goes to the clipboard
// as a one-path file-drop block; a pasted block is copied into the selected folder.
#include "explorer/tree/LeftView.h"
#include "explorer/FileClipboard.h"
#include "fw/OleDataObject.h"

void CLeftView::OnEditCopy()
{
    CTreeCtrl tree = GetTreeCtrl();
    HTREEITEM sel = tree.GetSelectedItem();
    if (!sel || !tree.GetParentItem(sel)) return;
    CWaitCursor wait;
    CArray<CString> paths;
    paths.Add(GetItemPath(sel));
    CopyFilesToClipboard(this, paths);
}

void CLeftView::OnEditPaste()
{
    COleDataObject data;
    if (!data.AttachClipboard() || !data.IsDataAvailable(CF_HDROP)) return;
    int pastable = 0, unpastable = CountUnpastablePaths(&data, &pastable);
    if (pastable > 0) {
        CWaitCursor wait;
        DropOnItem(&data, GetTreeCtrl().GetSelectedItem(), DROPEFFECT_COPY);
    }
    data.Release();
    if (unpastable != 0 || pastable == 0)
        TellUnpastedPaths(this, unpastable, pastable);
    else
        EmptyClipboardAfterPaste(m_hWnd);
}
