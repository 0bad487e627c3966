#include "explorer/FileClipboard.h"
#include "explorer/FileDrop.h"
#include "fw/Clipboard.h"
#include "fw/OleDataObject.h"
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

bool CanPasteFileList(CWnd* pOwner, COleDataObject* pData)
{
    CGlobalMemory block(pData ? pData->GetGlobalData(CF_HDROP) : nullptr);
    FILEDROPLIST list;
    const char* why = nullptr;
    if (!block.IsValid() || !ReadFileDropBlock(block.Get(), &list))
        why = "The list of files on the Clipboard cannot be read. Nothing was pasted.";
    else if (list.nSkipped > 0)
        why = "A path on the Clipboard is too long (260 characters or more) or cannot be used in this code page. "
              "Nothing was pasted.";
    else if (list.paths.IsEmpty())
        why = "The list of files on the Clipboard is empty. Nothing was pasted.";
    if (!why) return true;
    pOwner->MessageBox(why, "File Error!", MB_OK);
    return false;
}
