#include "explorer/FileClipboard.h"
#include "explorer/FileDrop.h"
#include "fw/Clipboard.h"
#include "fw/Wnd.h"

bool CopyFilesToClipboard(CWnd* pOwner, const CArray<CString>& paths)
{
    CGlobalMemory block = MakeFileDropBlock(paths);
    if (!block.IsValid()) return false;
    CClipboard clipboard;
    if (!clipboard.Open(pOwner->m_hWnd)) {
        pOwner->MessageBox("Clipboard not available", nullptr, MB_OK);
        return false;
    }
    clipboard.Empty();
    return clipboard.SetData(CF_HDROP, block);
}

void EmptyClipboardAfterPaste(HWND hOwner)
{
    CClipboard clipboard;
    if (clipboard.Open(hOwner)) clipboard.Empty();
}
