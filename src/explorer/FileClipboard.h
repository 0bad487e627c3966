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
// The paths of the clipboard's file list that cannot be pasted (too long for the program, or
// not in the code page: either would name another file); -1 when there is no list that can be
// read. *pPastable: how many can.
int CountUnpastablePaths(COleDataObject* pData, int* pPastable);
// Tells the user that a paste left paths out, or was not done at all, and why (the counts as
// CountUnpastablePaths gave them). The clipboard keeps the list for a program that can.
void TellUnpastedPaths(CWnd* pOwner, int nUnpastable, int nPastable);
