// Copy and Paste of the file list: the selected entries go to the clipboard as a file-drop
// block; a pasted block is copied into the selected folder row or the folder on show.
#include "explorer/list/BrindlexView.h"
#include "explorer/FileClipboard.h"
#include "explorer/NameRefusal.h"
#include "fw/OleDataObject.h"

void CBrindlexView::OnEditCopy()
{
    CNameRefusal refusal(m_hWnd);
    CArray<int> selected = GetSelectedRows();
    CArray<int> rows = refusal.Filter(GetModel(), selected);
    // Only refused rows: the clipboard keeps what it had.
    if (rows.IsEmpty() && !selected.IsEmpty()) return;
    CWaitCursor wait;
    CopyFilesToClipboard(this, GetModel().GetPaths(rows));
}

void CBrindlexView::OnEditPaste()
{
    COleDataObject data;
    if (!data.AttachClipboard() || !data.IsDataAvailable(CF_HDROP)) return;
    int pastable = 0, unpastable = CountUnpastablePaths(&data, &pastable);
    if (pastable > 0) {
        CWaitCursor wait;
        // A selected folder row receives the files; a file row or no selection, the folder on show.
        CArray<int> rows = GetSelectedRows();
        DropFilesOnRow(&data, rows.IsEmpty() ? -1 : rows[0], DROPEFFECT_COPY);
    }
    data.Release();
    if (unpastable != 0 || pastable == 0)
        TellUnpastedPaths(this, unpastable, pastable);
    else
        EmptyClipboardAfterPaste(m_hWnd);
}
