// CFileFind: enumeration of the entries a wildcard pattern names, one entry ahead. The
// listing is read in Unicode; each entry's find data carries its name as the code page shows
// it and says in dwReserved1 (a field the platform leaves unused) how that name may be used.
#pragma once

#include "fw/afx.h"
#include "fw/Handle.h"
#include <string>

// How an entry listed by this program's find functions may be named (its dwReserved1).
const DWORD FIND_NAME_OWN = 0;      // cFileName is the file's own name
const DWORD FIND_NAME_SHORT = 1;    // cFileName is not; cAlternateFileName names the same file
const DWORD FIND_NAME_FOREIGN = 2;  // no 8-bit name of the entry is its own: nothing may act on it
inline DWORD NameUseOf(const WIN32_FIND_DATAA& fd) { return fd.dwReserved1 <= FIND_NAME_FOREIGN ? fd.dwReserved1 : FIND_NAME_FOREIGN; }

class CFileFind {
public:
    CFileFind();
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Opens the enumeration ("*.*" when no pattern); FALSE when nothing matches,
    // the folder cannot be read, its part of the pattern holds a wildcard or the pattern is
    // too long for the platform.
    BOOL FindFile(const char* pattern = nullptr);
    // The find data of the one entry path names; FALSE when there is none, or when the path
    // holds a wildcard: one path is never taken as a pattern.
    static BOOL FindOne(const char* path, WIN32_FIND_DATAA* pfd);
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

    // The entry's name as the code page shows it and how it may be used (FIND_NAME_*).
    DWORD GetNameUse() const { return NameUseOf(m_found); }
    // The name that reaches the entry: its own, its short name, or empty when none does.
    CString GetUsableName() const { return UsableNameOf(m_found); }
    static CString UsableNameOf(const WIN32_FIND_DATAA& fd);

    // The same for an entry record kept apart from the enumeration.
    static CString MakePath(const CString& root, const char* name);
    static unsigned __int64 LengthOf(const WIN32_FIND_DATAA& fd);
    static BOOL ToInstant(const FILETIME& ft, CTime& t);

    // The 8-bit find data of a Unicode one, in folder (Unicode, with or without its
    // separator; empty for the current folder), whose short name is checked to name the
    // same file before it is offered instead of a name that is not the file's own.
    static void ToAnsi(const WIN32_FIND_DATAW& w, const std::wstring& folder, WIN32_FIND_DATAA* pfd);

private:
    CFindHandle m_h;
    WIN32_FIND_DATAA m_found;
    WIN32_FIND_DATAW m_next;
    std::wstring m_strFolderW;  // the pattern's folder part, for the check of short names
    bool m_bHasNext;
    CString m_strRoot;
};
