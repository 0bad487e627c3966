#include "fw/afx.h"
#include "util/Path.h"
#include "fw/PathParts.h"
#include <shlwapi.h>
#include <stdlib.h>
#include <vector>

CPath::CPath() : m_bDirectoriesSplit(false), m_bRelative(FALSE)
{
    memset(&m_fileInfo, 0, sizeof m_fileInfo);
}

CPath::CPath(const char* path, BOOL bIsFolder, BOOL bHasArguments) : CPath()
{
    SetPath(path, bIsFolder, bHasArguments);
}

CPath::CPath(int nSource) : CPath()
{
    if (nSource == CPATH_COMMAND_LINE) {
        SetPath(::GetCommandLineA(), FALSE, TRUE);
    } else if (nSource == CPATH_MODULE_FILE) {
        char buf[MAX_PATH];
        DWORD n = ::GetModuleFileNameA(nullptr, buf, sizeof buf);
        if (n > 0 && n < sizeof buf) SetPath(buf);
    }
}

CPath::CPath(const CPath& other) = default;
CPath::~CPath() {}
CPath& CPath::operator=(const CPath& other) = default;

CPath& CPath::operator=(const char* path)
{
    SetPath(path);
    return *this;
}

void CPath::ClearParts()
{
    m_strDrive.Empty();
    m_strDirectory.Empty();
    m_strTitle.Empty();
    m_strExtension.Empty();
}

void CPath::SetPath(const char* path, BOOL bIsFolder, BOOL bHasArguments)
{
    if (!path) path = "";
    m_strSource.Empty();
    m_strDriveLabel.Empty();
    m_aDirectories.RemoveAll();
    m_bDirectoriesSplit = false;
    m_strExtension.Empty();
    m_aArguments.RemoveAll();
    m_strArguments.Empty();
    m_strFullPath.Empty();
    m_bRelative = FALSE;
    m_strSource = path;

    // A copy as long as the text: the arguments of a command line may run past MAX_PATH.
    std::vector<char> work(strlen(path) + 1);
    memcpy(work.data(), path, work.size());
    if (bHasArguments) {
        m_strArguments = ::PathGetArgsA(work.data());
        ::PathRemoveArgsA(work.data());
        ParseArguments();
    }
    ::PathUnquoteSpacesA(work.data());

    // An empty text names nothing: keeping the old parts would compose a path from
    // the old title without its extension. One the path buffers cannot hold is refused.
    size_t len = strlen(work.data());
    if (len == 0 || len >= MAX_PATH) {
        ClearParts();
        return;
    }

    // Every output can take the whole path, so no part can overflow.
    char drive[MAX_PATH], dir[MAX_PATH], title[MAX_PATH], ext[MAX_PATH];
    if (_splitpath_s(work.data(), drive, sizeof drive, dir, sizeof dir, title, sizeof title, ext, sizeof ext) != 0) {
        ClearParts();
        return;
    }

    m_strDrive = drive;
    for (unsigned char* p = (unsigned char*)dir; *p; p = _mbsinc(p))
        if (*p == '/') *p = '\\';
    m_strDirectory = dir;
    if (!m_strDirectory.IsEmpty()) m_bRelative = m_strDirectory[0] != '\\';

    if (bIsFolder) {
        m_strDirectory = AddBackslash(AddBackslash(m_strDirectory) + title);
        m_strTitle.Empty();
        return;
    }
    m_strTitle = title;
    if (m_strTitle.IsEmpty()) return;  // ".profile": no title, so no extension either
    if (ext[0] == '.') m_strExtension = ext + 1;
}

CString CPath::GetFileName() const
{
    if (m_strExtension.IsEmpty()) return m_strTitle;
    return m_strTitle + "." + m_strExtension;
}

CString CPath::GetLocation() const { return m_strDrive + m_strDirectory; }

CString CPath::GetPath(BOOL bSource, BOOL bArguments) const
{
    CString path = bSource ? m_strSource : GetLocation() + GetFileName();
    if (bArguments && !m_strArguments.IsEmpty()) {
        // Quoted so that the arguments cannot be taken for part of the path.
        if (!bSource && path.Find(' ') >= 0) path = "\"" + path + "\"";
        path += " ";
        path += m_strArguments;
    }
    m_strFullPath = path;
    return path;
}

CString CPath::AddBackslash(const char* text, BOOL bForward)
{
    CString s(text);
    if (!s.IsEmpty()) s += bForward ? '/' : '\\';
    return s;
}

void CPath::SplitDirectories() const
{
    if (m_bDirectoriesSplit) return;
    m_bDirectoriesSplit = true;
    m_aDirectories.RemoveAll();
    const CString& dir = m_strDirectory;
    for (int start = 0; start < dir.GetLength();) {
        int end = NextSeparator(dir, start);
        if (end < 0) end = dir.GetLength();
        if (end > start) m_aDirectories.Add(dir.Mid(start, end - start));
        start = end + 1;
    }
}

int CPath::GetDirectoryCount() const
{
    SplitDirectories();
    return m_aDirectories.GetSize();
}

CString CPath::GetDirectory(int nIndex) const
{
    SplitDirectories();
    if (nIndex < 0 || nIndex >= m_aDirectories.GetSize()) return CString();
    return m_aDirectories[nIndex];
}

CString CPath::GetDriveLabel() const
{
    if (!m_strDriveLabel.IsEmpty()) return m_strDriveLabel;
    if (!m_strDrive.IsEmpty()) {
        char label[MAX_PATH + 1] = "";
        if (::GetVolumeInformationA(m_strDrive + "\\", label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0))
            m_strDriveLabel = label;
    } else if (m_strDirectory.Left(2) == "\\\\" && GetDirectoryCount() >= 2) {
        m_strDriveLabel.Format("\\\\%s\\%s\\", GetDirectory(0).c_str(), GetDirectory(1).c_str());
    }
    return m_strDriveLabel;
}
