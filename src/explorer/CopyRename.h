// Rename and Copy and Rename, as list and tree both do them: an entry of a folder, or a copy of
// it, takes a new name in the same folder.
#pragma once

#include "fw/afx.h"

class CWnd;

// Copies source to destination (its folder and newName). Refuses, saying why, a name that is
// no plain entry name or a copy onto what the shell would copy into (NewNameRefusalText). True
// when the shell copied it.
bool CopyUnderNewName(CWnd& owner, const CString& source, const CString& destination, const char* newName);

// Renames the entry oldName of folder (ending with a backslash) to newName. A refused name
// is told why (NewNameRefusalText); a link is renamed itself, never what it leads to, or
// refused where the platform cannot; a change of letter case only is made even where the
// platform takes the new name for the old one. True when the entry now has the new name.
bool RenameEntry(CWnd& owner, const CString& folder, const CString& oldName, const CString& newName);

// Renames the link at path itself to newPath. 1: renamed; 0: failed; -1: the platform opens
// what the link leads to, not the link, so it was left alone.
int RenameLinkItself(const char* path, const char* newPath);
