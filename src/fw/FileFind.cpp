#include "fw/afx.h"
#include "fw/FileFind.h"
#include "fw/PathParts.h"

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

    HANDLE h = ::FindFirstFileA(pattern, &m_next);
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
    m_found = m_next;
    m_bHasNext = m_h.IsValid() && ::FindNextFileA(m_h, &m_next);
    if (!m_bHasNext) m_h.Close();
    return m_bHasNext;
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
