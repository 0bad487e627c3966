// The explorer's Copy and Paste of files through the clipboard, shared by the list and the tree.
#pragma once

#include "fw/afx.h"

class CWnd;
class COleDataObject;

// Puts the paths on the clipboard as a file-drop block. When the clipboard stays busy the
// user is told "Clipboard not available" and false comes back.
bool CopyFilesToClipboard(CWnd* pOwner, const CArray<CString>& paths);
// A paste takes the list off the clipboard, so the same files are not pasted twice by mistake.
void EmptyClipboardAfterPaste(HWND hOwner);
// Whether the file list on the clipboard can be pasted whole. When it cannot (no list that
// can be read, or a path too long or not in the code page, which would name another file),
// the user is told why and the clipboard stays as it is.
bool CanPasteFileList(CWnd* pOwner, COleDataObject* pData);
