// The questions CPath asks of the file it names.
#include "fw/afx.h"
#include "fw/Handle.h"
#include "util/Path.h"
#include <shlwapi.h>

// The path in another form from the platform; empty when it cannot give one that fits.
static CString ConvertPath(const CString& path, DWORD(WINAPI* convert)(LPCSTR, LPSTR, DWORD))
{
    char buf[MAX_PATH];
    buf[0] = '\0';
    if (path.GetLength() >= MAX_PATH) return CString();
    DWORD n = convert(path, buf, sizeof buf);
    if (n == 0 || n >= sizeof buf) return CString();
    return CString(buf);
}

CString CPath::GetLongPath() const { return ConvertPath(GetPath(), ::GetLongPathNameA); }

CString CPath::GetShortPath() const { return ConvertPath(GetPath(), ::GetShortPathNameA); }

CString CPath::GetRelativePath(const char* folder) const
{
    CString path = GetPath();
    if (m_bRelative || path.IsEmpty() || !folder || !*folder) return CString();
    if (strlen(folder) >= MAX_PATH || path.GetLength() >= MAX_PATH) return CString();
    char buf[MAX_PATH];
    buf[0] = '\0';
    DWORD attr = GetFileName().IsEmpty() ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    if (!::PathRelativePathToA(buf, folder, FILE_ATTRIBUTE_DIRECTORY, path, attr)) return CString();
    const char* s = buf;
    if (s[0] == '.' && s[1] == '\\') s += 2;
    return CString(s);
}

CString CPath::GetCanonicalPath() const
{
    CString path = GetPath();
    if (path.IsEmpty() || path.GetLength() >= MAX_PATH) return CString();
    char buf[MAX_PATH];
    buf[0] = '\0';
    if (!::PathCanonicalizeA(buf, path)) return CString();
    return CString(buf);
}

BOOL CPath::FileExists() const
{
    if (GetFileName().IsEmpty()) return FALSE;
    CString path = GetPath();
    return path.GetLength() < MAX_PATH && ::PathFileExistsA(path);
}

BOOL CPath::LocationExists() const
{
    CString location = GetLocation();
    return !location.IsEmpty() && location.GetLength() < MAX_PATH && ::PathFileExistsA(location);
}

BOOL CPath::GetFileInformation()
{
    memset(&m_fileInfo, 0, sizeof m_fileInfo);
    CString path = GetPath();
    if (path.IsEmpty() || path.GetLength() >= MAX_PATH) return FALSE;
    const DWORD kOpenAttributes =
        FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
    CFileHandle h(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, kOpenAttributes, nullptr));
    if (!h.IsValid()) return FALSE;
    if (::GetFileInformationByHandle(h, &m_fileInfo)) return TRUE;
    memset(&m_fileInfo, 0, sizeof m_fileInfo);
    return FALSE;
}

BOOL CPath::GetFileSize(unsigned __int64& size)
{
    BOOL ok = GetFileInformation();
    size = ((unsigned __int64)m_fileInfo.nFileSizeHigh << 32) | m_fileInfo.nFileSizeLow;
    return ok;
}

BOOL CPath::GetFileTime(CTime& time, int nSelector)
{
    BOOL ok = GetFileInformation();
    const FILETIME* ft = &m_fileInfo.ftLastAccessTime;
    if (nSelector == CPATH_CREATED) ft = &m_fileInfo.ftCreationTime;
    else if (nSelector == CPATH_MODIFIED) ft = &m_fileInfo.ftLastWriteTime;
    time = FileTimeToInstant(*ft);
    return ok;
}

CTime CPath::FileTimeToInstant(const FILETIME& ft)
{
    // Straight from the stamp: a trip through the local calendar loses the hour that comes
    // twice when daylight saving ends.
    CTime t(ft);
    return t.GetTime() < 0 ? CTime(0) : t;
}
