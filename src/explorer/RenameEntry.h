// Rename, as list and tree both do it: an entry of a folder takes a new name in the same folder.
#pragma once

#include "fw/afx.h"

class CWnd;

// Renames the entry oldName of folder (ending with a backslash) to newName. A refused name
// is told why (NewNameRefusalText); a link is renamed itself, never what it leads to, or
// refused where the platform cannot; a change of letter case only is made even where the
// platform takes the new name for the old one. True when the entry now has the new name.
bool RenameEntry(CWnd& owner, const CString& folder, const CString& oldName, const CString& newName);

// Renames the link at path itself to newPath. 1: renamed; 0: failed; -1: the platform opens
// what the link leads to, not the link, so it was left alone.
int RenameLinkItself(const char* path, const char* newPath);
