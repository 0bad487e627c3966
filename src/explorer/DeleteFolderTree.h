// Removes a folder with everything in it, without the recycle bin and without asking.
#pragma once

#include "fw/afx.h"

// True when the folder is gone. Read-only, hidden and system files are deleted too. A link
// (a reparse point: junction, folder or file link) is removed as a link and never descended
// into, so nothing outside the tree is touched; the same holds for the folder itself. When an
// entry cannot be removed the rest is still tried, and the folders that hold it stay.
bool DeleteFolderTree(const char* folderPath);
// Whether the entry is a link (a reparse point: junction, folder or file link). The shell's
// recycle would take what it points to; the explorer never recycles one.
bool IsLinkPath(const char* path);
