#include "fw/afx.h"
#include "watch/WatchPaths.h"
#include "fw/Handle.h"
#include "fw/PathParts.h"
#include <shellapi.h>
#include <shlobj.h>
#include <stdlib.h>

CString GetWatchDirectory(const char* path)
{
    // Each part gets a whole path's room: the splitter does not bound what it copies.
    if (!path || strlen(path) >= MAX_PATH) return CString();
    char drive[MAX_PATH], dir[MAX_PATH], fname[MAX_PATH], ext[MAX_PATH];
    ::_splitpath(path, drive, dir, fname, ext);
    return CString(drive) + dir;
}

bool IsFolderPath(const char* path)
{
    if (!path || !*path) return false;
    size_t n = strlen(path);
    if (n >= MAX_PATH) return false;
    if (n == 3 && path[1] == ':' && path[2] == '\\') return true;
    char buf[MAX_PATH];
    memcpy(buf, path, n + 1);
    const char* last = LastCharacterOf(buf);
    if (*last == '\\') buf[last - buf] = 0;
    if (!buf[0]) return false;
    SHFILEINFOA info;
    memset(&info, 0, sizeof info);
    if (!::SHGetFileInfoA(buf, 0, &info, sizeof info, SHGFI_ATTRIBUTES)) return false;
    return (info.dwAttributes & SFGAO_FOLDER) != 0;
}

bool ReadLastWriteTime(const char* path, unsigned __int64* pTime)
{
    if (!path || !*path) return false;
    CFileHandle file(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) return false;
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(file, &info)) return false;
    *pTime = ((unsigned __int64)info.ftLastWriteTime.dwHighDateTime << 32) | info.ftLastWriteTime.dwLowDateTime;
    return true;
}
