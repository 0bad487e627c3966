// The shell's own context menu for entries of a folder (the verbs the shell and its
// extensions offer), shown by the file list for its selection and by the tree for a folder.
#pragma once

#include "fw/afx.h"
#include "fw/Array.h"
#include <shlobj.h>

// The shown menu's IContextMenu2 while it is tracked, null otherwise. The owner window passes
// WM_INITMENUPOPUP, WM_DRAWITEM and WM_MEASUREITEM to it, so shell sub-menus can be built.
extern IContextMenu2* g_pContextMenu2;

// Walks the shell namespace from the computer folder down to strFolder (drive, colon,
// backslash, components each followed by a backslash), finds the named entries in it (names
// compared ignoring case), and tracks their context menu at screen (x, y) with hOwner as owner;
// a chosen verb is invoked. An empty strFolder with one name such as "C:\" shows the drive's
// own menu. Returns false when nothing was found and no menu shown.
bool TrackShellContextMenu(HWND hOwner, const CString& strFolder, const CArray<CString>& names, int x, int y);

// For a window's WM_INITMENUPOPUP, WM_DRAWITEM and WM_MEASUREITEM: hands the message to the
// tracked shell menu, if any.
void ForwardShellMenuMessage(UINT msg, WPARAM wp, LPARAM lp);

// Splits an absolute folder into its drive part ("C:\") and its components, as the walk uses
// them. A last component without a trailing backslash counts as well.
void SplitShellFolder(const CString& strFolder, CString* pDrive, CArray<CString>* pComponents);
