// Dropped or pasted paths copied or moved into a folder: one shell operation per path, then
// the read-only step. Shared by the file list and the folder tree.
#pragma once

#include "fw/afx.h"
#include <functional>

// One dropped path that arrived in the target folder.
struct DROPPEDITEM {
    CString strSource;   // as dropped
    CString strName;     // its last part
    CString strNewPath;  // the target folder followed by the name
    bool bFolder = false;
};

// Whether the entry is gone from the disk (not found), as opposed to present or unreadable.
bool IsPathGone(const char* path);

// Copies, or moves when bMove, each path into targetDir (ending with a backslash) with the
// shell's own dialogs owned by hOwner, titled "Copying..." or "Moving...". Every path is tried
// even after failures. A path is left alone when it vanished, is a drive root, already lies
// in the target folder, or is a folder that holds the target. After each operation that
// reports success and left the item at its new path, the read-only attribute is cleared (of
// the file, or of every file below the folder) and onArrived is called. Returns how many arrived.
int DropPathsInto(HWND hOwner, const CArray<CString>& paths, const CString& targetDir, bool bMove,
                  const std::function<void(const DROPPEDITEM&)>& onArrived = nullptr);
