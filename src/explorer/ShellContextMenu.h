// The shell's own context menu for entries of a folder (the verbs the shell and its
// extensions offer), shown by the file list for its selection and by the tree for a folder.
#pragma once

#include "fw/afx.h"
#include "fw/Array.h"

// Finds the named entries of strFolder (a folder, backslash at the end or not) in the shell's
// namespace, each by its whole path, and tracks their context menu at screen (x, y); a chosen
// verb is invoked with hOwner as the owner of what it shows. With an empty strFolder the names
// are whole paths ("C:\" shows the drive's own menu). Entries the shell cannot find are left
// out; false when none was found or the shell gave no menu.
bool TrackShellContextMenu(HWND hOwner, const CString& strFolder, const CArray<CString>& names, int x, int y);
