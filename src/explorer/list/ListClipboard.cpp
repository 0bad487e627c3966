// Copy and Paste of the file list: the selected entries go to the clipboard as a file-drop
// block; a pasted block is copied into the selected folder row or the folder on show.
#include "explorer/list/BrindlexView.h"
#include "explorer/FileDrop.h"
#include "fw/Clipboard.h"
#include "fw/OleDataObject.h"

void CBrindlexView::OnEditCopy()
{
    CWaitCursor wait;
    CGlobalMemory block = MakeFileDropBlock(GetSelectedPaths());
    if (!block.IsValid()) return;
    CClipboard clipboard;
    if (!clipboard.Open(m_hWnd)) {
        MessageBox("Clipboard not available", nullptr, MB_OK);
        return;
    }
    clipboard.Empty();
    clipboard.SetData(CF_HDROP, block);
}

void CBrindlexView::OnEditPaste()
{
    COleDataObject data;
    if (!data.AttachClipboard() || !data.IsDataAvailable(CF_HDROP)) return;
    CWaitCursor wait;
    // A selected folder row receives the files; a file row or no selection, the folder on show.
    CArray<int> rows = GetSelectedRows();
    DropFilesOnRow(&data, rows.IsEmpty() ? -1 : rows[0], DROPEFFECT_COPY);
    data.Release();
    // A paste takes the list off the clipboard.
    CClipboard clipboard;
    if (clipboard.Open(m_hWnd)) clipboard.Empty();
}
