// CFileFind: enumeration of the entries a wildcard pattern names, one entry ahead.
#pragma once

#include "fw/afx.h"
#include "fw/Handle.h"

class CFileFind {
public:
    CFileFind();
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Opens the enumeration ("*.*" when no pattern); FALSE when nothing matches,
    // the folder cannot be read or the pattern is too long for the platform.
    BOOL FindFile(const char* pattern = nullptr);
    // Makes the next entry current; returns whether another one follows it.
    BOOL FindNextFile();
    void Close();

    // The current entry.
    BOOL IsDots() const;
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL MatchesMask(DWORD mask) const { return (m_found.dwFileAttributes & mask) != 0; }
    DWORD GetAttributes() const { return m_found.dwFileAttributes; }
    unsigned __int64 GetLength() const { return LengthOf(m_found); }  // 0 for directories
    CString GetFileName() const { return CString(m_found.cFileName); }
    // The enumeration's folder in absolute form, a backslash, the entry name.
    CString GetFilePath() const;
    const CString& GetRoot() const { return m_strRoot; }
    const WIN32_FIND_DATAA& GetFindData() const { return m_found; }
    // FALSE, and the instant 0, when the entry has no such time.
    BOOL GetCreationTime(CTime& t) const { return ToInstant(m_found.ftCreationTime, t); }
    BOOL GetLastWriteTime(CTime& t) const { return ToInstant(m_found.ftLastWriteTime, t); }
    BOOL GetLastAccessTime(CTime& t) const { return ToInstant(m_found.ftLastAccessTime, t); }

    // The same for an entry record kept apart from the enumeration.
    static CString MakePath(const CString& root, const char* name);
    static unsigned __int64 LengthOf(const WIN32_FIND_DATAA& fd);
    static BOOL ToInstant(const FILETIME& ft, CTime& t);

private:

    CFindHandle m_h;
    WIN32_FIND_DATAA m_found;
    WIN32_FIND_DATAA m_next;
    bool m_bHasNext;
    CString m_strRoot;
};
