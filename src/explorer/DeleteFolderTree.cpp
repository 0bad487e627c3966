#include "explorer/DeleteFolderTree.h"
#include "fw/FileFind.h"
#include "fw/PathParts.h"

namespace {

const DWORD KEEPING_ATTRIBUTES = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

bool DeleteOneFile(const CString& path, DWORD attributes)
{
    if (attributes & KEEPING_ATTRIBUTES) ::SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    return ::DeleteFileA(path) != FALSE;
}

// A folder link goes as a link: its target is never entered.
bool RemoveLink(const CString& path, DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return ::RemoveDirectoryA(path) != FALSE;
    return ::DeleteFileA(path) != FALSE;
}

bool RemoveFolder(const CString& path, DWORD attributes)
{
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        ::SetFileAttributesA(path, attributes & ~FILE_ATTRIBUTE_READONLY);
    return ::RemoveDirectoryA(path) != FALSE;
}

bool DeleteContents(const CString& prefix)
{
    CFileFind find;
    if (!find.FindFile(prefix + "*.*")) return false;
    bool ok = true;
    for (BOOL more = TRUE; more;) {
        more = find.FindNextFile();
        if (find.IsDots()) continue;
        // An entry no name of ours reaches stays, and so does its folder.
        CString name = find.GetUsableName();
        if (name.IsEmpty()) {
            ok = false;
            continue;
        }
        CString path = prefix + name;
        DWORD attributes = find.GetAttributes();
        bool done;
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
            done = RemoveLink(path, attributes);
        else if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            done = DeleteContents(path + "\\") && RemoveFolder(path, attributes);
        else
            done = DeleteOneFile(path, attributes);
        if (!done) ok = false;
    }
    return ok;
}

}  // namespace

bool DeleteFolderTree(const char* folderPath)
{
    CString path(folderPath);
    CString prefix = path;
    if (!EndsWithSeparator(prefix)) prefix += '\\';
    // With its trailing backslash a link would answer for its target.
    CString bare = WithoutTrailingSeparators(path);
    DWORD attributes = ::GetFileAttributesA(bare);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return ::RemoveDirectoryA(bare) != FALSE;
    if (!DeleteContents(prefix)) return false;
    return RemoveFolder(path, attributes);
}

bool IsLinkPath(const char* path)
{
    DWORD attributes = ::GetFileAttributesA(WithoutTrailingSeparators(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}
