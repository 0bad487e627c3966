#include "fw/FileIdentity.h"
#include "fw/Handle.h"

CFileIdentity CFileIdentity::Of(const char* path)
{
    CFileIdentity id;
    if (!path || !*path) return id;
    // No access asked: opening must never fail for a file another program holds.
    CFileHandle h(::CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!h.IsValid() || !::GetFileInformationByHandle(h, &info)) return id;
    if (info.nFileIndexHigh == 0 && info.nFileIndexLow == 0) return id;
    id.dwVolume = info.dwVolumeSerialNumber;
    id.dwIndexHigh = info.nFileIndexHigh;
    id.dwIndexLow = info.nFileIndexLow;
    id.bKnown = true;
    return id;
}
