#include "explorer/ReadOnlyTree.h"
#include "fw/FileFind.h"
#include "util/PathText.h"

// The attributes SetFileAttributesA takes.
static const DWORD SETTABLE_ATTRIBUTES = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                         FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                                         FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

static bool ClearReadOnlyBit(const char* path, DWORD attributes)
{
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) return false;
    DWORD rest = attributes & SETTABLE_ATTRIBUTES & ~FILE_ATTRIBUTE_READONLY;
    return ::SetFileAttributesA(path, rest ? rest : FILE_ATTRIBUTE_NORMAL) != FALSE;
}

bool ClearReadOnly(const char* path) { return ClearReadOnlyBit(path, ::GetFileAttributesA(path)); }

static void ClearBelow(const CString& dir)
{
    CFileFind find;
    if (!find.FindFile(dir + "*.*")) return;
    for (BOOL more = TRUE; more;) {
        more = find.FindNextFile();
        if (find.IsDots() || find.GetNameUse() == FIND_NAME_FOREIGN) continue;
        CString path = dir + find.GetUsableName();
        DWORD attributes = find.GetAttributes();
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) ClearBelow(path + "\\");
        } else {
            ClearReadOnlyBit(path, attributes);
        }
    }
}

void ClearReadOnlyTree(const char* folderPath)
{
    DWORD attributes = ::GetFileAttributesA(folderPath);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) ||
        (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return;
    ClearBelow(WithBackslash(folderPath));
}
