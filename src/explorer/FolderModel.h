// CFolderModel: the folder on show in the explorer and its entries, in the order of the
// file list's rows. It reads the folder, sorts it and takes in its changes; no window code
// and no view state: the list shows it (keeping icons and item data by entry key), the tree
// and the commands ask it.
#pragma once

#include "fw/afx.h"
#include "fw/Array.h"
#include "fw/FileFind.h"
#include "fw/FileIdentity.h"
#include "explorer/NameIndex.h"
#include <vector>

// One entry of the folder: what the directory said; the cell texts are made when shown.
struct CFolderEntry {
    CString strName;
    FILETIME ftCreated = {};
    FILETIME ftModified = {};
    ULONGLONG nSize = 0;
    DWORD dwAttributes = 0;
    // The entry's own number in its model, given when it is added and kept through every
    // move, rename and update, never given again: what others keep per entry is keyed by it.
    DWORD nKey = 0;
    // How commands name the entry (FIND_NAME_*): by strName, by szShortName (strName is then
    // not the file's own), or not at all; such an entry is shown dimmed.
    BYTE nNameUse = FIND_NAME_OWN;
    char szShortName[14] = "";
    // The file the row showed when it was selected, to tell it from another file that took
    // its name since; unknown while the row is not selected.
    CFileIdentity identity;

    bool IsFolder() const { return (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    // Whether a command may act on the entry, and the name it uses: strName or the short
    // name (empty when none may act).
    bool IsUsable() const { return nNameUse != FIND_NAME_FOREIGN; }
    CString CommandName() const;
    // The text of a list column: 0 name, 1 size (empty for a folder), 2 created, 3 modified
    // ("%m-%d-%Y", empty when unknown).
    CString Cell(int column) const;
    // Whether the entry says what this directory data says: name, attributes, size and dates.
    bool Shows(const WIN32_FIND_DATAA& fd) const;
};

class CFolderModel {
public:
    // Forgets every entry; folder is the one now on show ("" before the first).
    void Reset(const char* folder);
    // Reset, then every entry of the folder but "." and ".." and folders that are exactly
    // directory + hidden + system, in the order the platform gives them. False when the
    // folder cannot be read (the model is then empty).
    bool Load(const char* folder);
    // The folder on show, always ending with a backslash once one was set.
    const CString& GetFolder() const { return m_strFolder; }
    // A folder was renamed from oldPath to newPath (no trailing backslashes): when it is the
    // folder on show or one above it, the folder on show takes the new path and true is
    // returned; the entries stay.
    bool FollowRename(const char* oldPath, const char* newPath);

    int GetCount() const { return (int)m_entries.size(); }
    const CFolderEntry& GetAt(int i) const { return m_entries[(size_t)i]; }
    CFolderEntry& GetAt(int i) { return m_entries[(size_t)i]; }
    bool IsFolder(int i) const { return m_entries[(size_t)i].IsFolder(); }
    // The entry's full path: the folder followed by the name commands use (CommandName);
    // empty for an entry no command may act on. GetPaths leaves those out.
    CString GetPath(int i) const;
    CArray<CString> GetPaths(const CArray<int>& indexes) const;

    // Whether an entry of that name exists, ignoring case, without a walk over the entries.
    bool Contains(const char* name) const { return m_index.Contains(name); }
    // Whether the entry listed as fd has one: by name, or for a name that is not the file's
    // own (several may show alike) by its short name.
    bool ContainsEntry(const WIN32_FIND_DATAA& fd) const;
    // The first entry of that name ignoring case, or -1.
    int Find(const char* name) const;
    // The first entry from start on (wrapping to the top when bWrap) whose name begins with
    // prefix (the whole name when !bPartial), ignoring case; -1 when none.
    int FindFrom(const char* prefix, int start, bool bPartial, bool bWrap) const;

    // Appends the entry unless one of that name exists; returns its index or -1.
    int Add(const WIN32_FIND_DATAA& fd);
    // Appends the entry even when its name is listed already (a file just made by us); it
    // gets a key of its own.
    int Append(const CFolderEntry& entry);
    void RemoveAt(int i);
    // Removes many entries in one pass (ascending indexes, each once); returns for each old
    // index its new one, -1 for the removed.
    std::vector<int> RemoveRows(const std::vector<int>& rows);
    void Rename(int i, const char* newName);
    // New directory data for an entry that stays in its place (its name from fd).
    void Update(int i, const WIN32_FIND_DATAA& fd);
    // Puts the entries into a new order: order[k] is the old index of the entry now at k.
    void Reorder(const std::vector<int>& order);
    // Sorts the entries by a list column as the list always has: 0 name, 1 size, 2 created,
    // 3 modified; folders first except by size; dates by local day. Stable: entries of
    // equal keys keep their order (descending only swaps the keys). Returns the order
    // applied (as Reorder takes it).
    std::vector<int> Sort(int column, bool bAscending = true);

    // The entry as the list shows it, from its directory data.
    static CFolderEntry MakeEntry(const WIN32_FIND_DATAA& fd);

private:
    CString m_strFolder;
    std::vector<CFolderEntry> m_entries;
    CNameIndex m_index;
    DWORD m_nNextKey = 1;  // not restarted by Reset: a key kept from a folder before stays unused
};
