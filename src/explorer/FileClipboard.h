// The explorer's Copy and Paste of files through the clipboard, shared by the list and the tree.
#pragma once

#include "fw/afx.h"

class CWnd;

// Puts the paths on the clipboard as a file-drop block. When the clipboard stays busy the
// user is told "Clipboard not available" and false comes back.
bool CopyFilesToClipboard(CWnd* pOwner, const CArray<CString>& paths);
// A paste takes the list off the clipboard, so the same files are not pasted twice by mistake.
void EmptyClipboardAfterPaste(HWND hOwner);
