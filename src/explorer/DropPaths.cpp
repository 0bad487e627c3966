#include "explorer/DropPaths.h"
#include "explorer/ReadOnlyTree.h"
#include "explorer/ShellFileOp.h"
#include "fw/PathParts.h"
#include "util/PathText.h"

bool IsPathGone(const char* path)
{
    if (::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) return false;
    DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Whether path is folder itself or lies below it (folder without a trailing backslash).
static bool IsAtOrBelow(const CString& path, const CString& folder)
{
    CString f = WithBackslash(folder);
    CString p = WithBackslash(path);
    return p.GetLength() >= f.GetLength() && p.Left(f.GetLength()).CompareNoCase(f) == 0;
}

int DropPathsInto(HWND hOwner, const CArray<CString>& paths, const CString& targetDir, bool bMove,
                  const std::function<void(const DROPPEDITEM&)>& onArrived)
{
    if (targetDir.IsEmpty()) return 0;
    CString dir = WithBackslash(targetDir);
    int arrived = 0;
    for (int i = 0; i < paths.GetSize(); i++) {
        DROPPEDITEM item;
        item.strSource = paths[i];
        item.strName = NameOfPath(item.strSource);
        if (item.strName.IsEmpty() || item.strName == "." || item.strName == "..") continue;
        DWORD attributes = ::GetFileAttributesA(item.strSource);
        if (attributes == INVALID_FILE_ATTRIBUTES) continue;  // vanished since it was offered
        item.bFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        item.strNewPath = dir + item.strName;
        // Already where it would go: a move has nothing to do, a copy would be onto itself.
        if (item.strNewPath.CompareNoCase(item.strSource) == 0) continue;
        // A folder into itself or one of its sub-folders would never end.
        if (item.bFolder && IsAtOrBelow(dir, item.strSource)) continue;
        CShellFileOp op;
        op.SetParent(hOwner);
        op.SetFlags(FOF_NOCONFIRMMKDIR);
        op.SetProgressTitle(bMove ? "Moving..." : "Copying...");
        op.AddFile(0, item.strSource);
        op.AddFile(1, dir);
        int result = bMove ? op.Move() : op.Copy();
        // The shell reported any failure itself; only what truly arrived goes on.
        if (result != 0 || ::GetFileAttributesA(item.strNewPath) == INVALID_FILE_ATTRIBUTES) continue;
        // The attributes were read before the operation, straight from the file system: the
        // shell's own look-up costs time in proportion to the size of the source's folder.
        if (item.bFolder)
            ClearReadOnlyTree(item.strNewPath);
        else
            ClearReadOnly(item.strNewPath);
        arrived++;
        if (onArrived) onArrived(item);
    }
    return arrived;
}
