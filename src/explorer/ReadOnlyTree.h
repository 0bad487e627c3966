// Dropped copies lose the read-only attribute: the step that follows every drop and paste.
#pragma once

#include "fw/afx.h"

// Clears the read-only attribute of the file or folder when it is set (it never sets it);
// the time stamps stay as they are. True when the attribute was cleared.
bool ClearReadOnly(const char* path);
// Clears the read-only attribute of every file below the folder. Folders keep theirs, and a
// folder link (reparse point) is never followed, not even when it is the folder itself.
void ClearReadOnlyTree(const char* folderPath);
