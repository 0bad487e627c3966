#include "fw/afx.h"
#include "fw/FileFind.h"
#include "fw/PathParts.h"
#include "fw/AnsiName.h"
#include <wchar.h>

CFileFind::CFileFind() : m_bHasNext(false)
{
    memset(&m_found, 0, sizeof m_found);
    memset(&m_next, 0, sizeof m_next);
}

BOOL CFileFind::FindFile(const char* pattern)
{
    Close();
    if (!pattern) pattern = "*.*";
    if (strlen(pattern) >= MAX_PATH) return FALSE;

    char full[MAX_PATH];
    char* namePart = nullptr;
    DWORD n = ::GetFullPathNameA(pattern, sizeof full, full, &namePart);
    if (n == 0 || n >= sizeof full) return FALSE;
    // The root is the folder part: up to the last separator, which stays only for a drive root.
    CString root = ParentOfPath(full);
    int len = root.GetLength();
    bool bKeepSeparator = len == 1 || (len == 3 && root[1] == ':');
    m_strRoot = len == 0 ? CString(full) : bKeepSeparator ? root : root.Left(len - 1);

    // A wildcard belongs in the last part only: a folder part holding one is a name that was
    // not the folder's own.
    std::wstring wide = WideOf(pattern);
    size_t cut = wide.find_last_of(L"\\/:");
    m_strFolderW = cut == std::wstring::npos ? std::wstring() : wide.substr(0, cut + 1);
    HANDLE h = wide.empty() || HasWildcard(ParentOfPath(pattern)) ? INVALID_HANDLE_VALUE : ::FindFirstFileW(wide.c_str(), &m_next);
    if (h == INVALID_HANDLE_VALUE) {
        m_strRoot.Empty();
        return FALSE;
    }
    m_h.Attach(h);
    m_bHasNext = true;
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_bHasNext) return FALSE;
    ToAnsi(m_next, m_strFolderW, &m_found);
    m_bHasNext = m_h.IsValid() && ::FindNextFileW(m_h, &m_next);
    if (!m_bHasNext) m_h.Close();
    return m_bHasNext;
}

BOOL CFileFind::FindOne(const char* path, WIN32_FIND_DATAA* pfd)
{
    if (!path || !*path || HasWildcard(path)) return FALSE;
    std::wstring wide = WideOf(path);
    if (wide.empty()) return FALSE;
    WIN32_FIND_DATAW w;
    CFindHandle h(::FindFirstFileW(wide.c_str(), &w));
    if (!h.IsValid()) return FALSE;
    size_t cut = wide.find_last_of(L"\\/:");
    ToAnsi(w, cut == std::wstring::npos ? std::wstring() : wide.substr(0, cut + 1), pfd);
    return TRUE;
}

void CFileFind::ToAnsi(const WIN32_FIND_DATAW& w, const std::wstring& folder, WIN32_FIND_DATAA* pfd)
{
    WIN32_FIND_DATAA& a = *pfd;
    a.dwFileAttributes = w.dwFileAttributes;
    a.ftCreationTime = w.ftCreationTime;
    a.ftLastAccessTime = w.ftLastAccessTime;
    a.ftLastWriteTime = w.ftLastWriteTime;
    a.nFileSizeHigh = w.nFileSizeHigh;
    a.nFileSizeLow = w.nFileSizeLow;
    a.dwReserved0 = w.dwReserved0;
    CString name, alternate;
    bool own = ExactAnsi(w.cFileName, name) && name.GetLength() < MAX_PATH;
    bool hasShort = w.cAlternateFileName[0] && ExactAnsi(w.cAlternateFileName, alternate) &&
                    alternate.GetLength() < (int)sizeof a.cAlternateFileName;
    a.dwReserved1 = FIND_NAME_OWN;
    if (!own) {
        name = ShownAnsi(w.cFileName);
        a.dwReserved1 = FIND_NAME_FOREIGN;
        if (hasShort) {
            // The short name must lead back to this very entry, not to another of that name.
            std::wstring sep = folder.empty() || wcschr(L"\\/:", folder.back()) ? L"" : L"\\";
            WIN32_FIND_DATAW back;
            CFindHandle h(::FindFirstFileW((folder + sep + w.cAlternateFileName).c_str(), &back));
            if (h.IsValid() && wcscmp(back.cFileName, w.cFileName) == 0) a.dwReserved1 = FIND_NAME_SHORT;
        }
    }
    lstrcpynA(a.cFileName, name, MAX_PATH);
    lstrcpynA(a.cAlternateFileName, hasShort ? (const char*)alternate : "", sizeof a.cAlternateFileName);
}

CString CFileFind::UsableNameOf(const WIN32_FIND_DATAA& fd)
{
    DWORD use = NameUseOf(fd);
    return CString(use == FIND_NAME_OWN ? fd.cFileName : use == FIND_NAME_SHORT ? fd.cAlternateFileName : "");
}

void CFileFind::Close()
{
    m_h.Close();
    m_bHasNext = false;
    m_strRoot.Empty();
}

BOOL CFileFind::IsDots() const
{
    const char* s = m_found.cFileName;
    return IsDirectory() && s[0] == '.' && (s[1] == '\0' || (s[1] == '.' && s[2] == '\0'));
}

unsigned __int64 CFileFind::LengthOf(const WIN32_FIND_DATAA& fd)
{
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return 0;
    return ((unsigned __int64)fd.nFileSizeHigh << 32) | fd.nFileSizeLow;
}

CString CFileFind::GetFilePath() const { return MakePath(m_strRoot, m_found.cFileName); }

CString CFileFind::MakePath(const CString& root, const char* name)
{
    CString path = root;
    if (root.IsEmpty() || *NameOfPath(root)) path += '\\';
    path += name;
    return path;
}

BOOL CFileFind::ToInstant(const FILETIME& ft, CTime& t)
{
    if (ft.dwLowDateTime == 0 && ft.dwHighDateTime == 0) {
        t = CTime(0);
        return FALSE;
    }
    t = CTime(ft);
    return TRUE;
}
