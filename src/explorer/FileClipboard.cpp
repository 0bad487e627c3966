#include "explorer/FileClipboard.h"
#include "explorer/FileErrors.h"
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

int CountUnpastablePaths(COleDataObject* pData, int* pPastable)
{
    *pPastable = 0;
    CGlobalMemory block(pData ? pData->GetGlobalData(CF_HDROP) : nullptr);
    FILEDROPLIST list;
    if (!block.IsValid() || !ReadFileDropBlock(block.Get(), &list)) return -1;
    *pPastable = list.paths.GetSize();
    return list.nSkipped;
}

void TellUnpastedPaths(CWnd* pOwner, int nUnpastable, int nPastable)
{
    char text[300];
    if (nUnpastable < 0)
        lstrcpynA(text, "The list of files on the Clipboard cannot be read. Nothing was pasted.", sizeof text);
    else if (nPastable == 0 && nUnpastable == 0)
        lstrcpynA(text, "The list of files on the Clipboard is empty. Nothing was pasted.", sizeof text);
    else if (nPastable == 0)
        lstrcpynA(text,
                  "A path on the Clipboard is too long (260 characters or more) or cannot be used in this code page. "
                  "Nothing was pasted.",
                  sizeof text);
    else
        wsprintfA(text,
                  "%d of the paths on the Clipboard are too long (260 characters or more) or cannot be used in this "
                  "code page, and were not pasted. The Clipboard keeps the list.",
                  nUnpastable);
    pOwner->MessageBox(text, FILE_ERROR, MB_OK);
}
