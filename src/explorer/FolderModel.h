// CFolderModel: the folder on show in the explorer and its entries, in the order of the
// file list's rows. No window code: the list shows it, the tree and the commands ask it.
#pragma once

#include "fw/afx.h"
#include "fw/Array.h"
#include "explorer/NameIndex.h"
#include <vector>

// One entry of the folder: what the directory said, and the cell texts shown for it.
struct CFolderEntry {
    CString strName;
    DWORD dwAttributes = 0;
    ULONGLONG nSize = 0;
    FILETIME ftCreated = {};
    FILETIME ftModified = {};
    CString strSize;      // empty for a folder
    CString strCreated;   // "%m-%d-%Y", empty when unknown
    CString strModified;

    bool IsFolder() const { return strSize.IsEmpty(); }
    // The text of a list column: 0 name, 1 size, 2 created, 3 modified.
    const CString& Cell(int column) const;
};

class CFolderModel {
public:
    // Forgets every entry; folder is the one now on show ("" before the first).
    void Reset(const char* folder);
    // The folder on show, always ending with a backslash once one was set.
    const CString& GetFolder() const { return m_strFolder; }
    // A folder was renamed from oldPath to newPath (no trailing backslashes): when it is the
    // folder on show or one above it, the folder on show takes the new path and true is
    // returned; the entries stay.
    bool FollowRename(const char* oldPath, const char* newPath);

    int GetCount() const { return (int)m_entries.size(); }
    const CFolderEntry& GetAt(int i) const { return m_entries[(size_t)i]; }
    bool IsFolder(int i) const { return m_entries[(size_t)i].IsFolder(); }
    // The entry's full path: the folder followed by its name.
    CString GetPath(int i) const;
    CArray<CString> GetPaths(const CArray<int>& indexes) const;

    // Whether an entry of that name exists, ignoring case, without a walk over the entries.
    bool Contains(const char* name) const { return m_index.Contains(name); }
    // The first entry of that name ignoring case, or -1.
    int Find(const char* name) const;

    // Appends the entry unless one of that name exists; returns its index or -1.
    int Add(const WIN32_FIND_DATAA& fd);
    // Appends the entry even when its name is listed already (a file just made by us).
    int Append(const CFolderEntry& entry);
    void RemoveAt(int i);
    void Rename(int i, const char* newName);
    // Puts the entries into a new order: order[k] is the old index of the entry now at k.
    void Reorder(const std::vector<int>& order);

    // The entry as the list shows it, from its directory data.
    static CFolderEntry MakeEntry(const WIN32_FIND_DATAA& fd);

private:
    CString m_strFolder;
    std::vector<CFolderEntry> m_entries;
    CNameIndex m_index;
};
