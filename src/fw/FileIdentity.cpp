#include "fw/FileIdentity.h"
#include "fw/Handle.h"
#include <vector>

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

bool CFileIdentity::OfEntries(const char* folder, const std::function<void(const char*, const CFileIdentity&)>& found)
{
    CFileHandle dir(::CreateFileA(folder, FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!dir.IsValid() || !::GetFileInformationByHandle(dir, &info)) return false;
    std::vector<DWORD> buffer(16 * 1024);  // DWORD-aligned records
    FILE_INFO_BY_HANDLE_CLASS kind = FileIdBothDirectoryRestartInfo;
    bool any = false;
    while (::GetFileInformationByHandleEx(dir, kind, buffer.data(), (DWORD)(buffer.size() * sizeof(DWORD)))) {
        kind = FileIdBothDirectoryInfo;
        any = true;
        const BYTE* p = (const BYTE*)buffer.data();
        const BYTE* end = p + buffer.size() * sizeof(DWORD);
        for (;;) {
            const FILE_ID_BOTH_DIR_INFO* e = (const FILE_ID_BOTH_DIR_INFO*)p;
            size_t chars = e->FileNameLength / sizeof(WCHAR);
            char name[MAX_PATH * 2];
            BOOL replaced = FALSE;
            int n = chars > 0 && (const BYTE*)(e->FileName + chars) <= end
                        ? ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, e->FileName, (int)chars, name,
                                                (int)sizeof name - 1, nullptr, &replaced)
                        : 0;
            if (n > 0 && !replaced && e->FileId.QuadPart != 0) {
                name[n] = 0;
                CFileIdentity id;
                id.dwVolume = info.dwVolumeSerialNumber;
                id.dwIndexHigh = (DWORD)(e->FileId.QuadPart >> 32);
                id.dwIndexLow = (DWORD)e->FileId.QuadPart;
                id.bKnown = true;
                found(name, id);
            }
            if (!e->NextEntryOffset || p + e->NextEntryOffset >= end) break;
            p += e->NextEntryOffset;
        }
    }
    return any;
}
