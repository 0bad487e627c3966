#include "explorer/FolderModel.h"
#include "util/PathText.h"
#include "explorer/RowCells.h"

const CString& CFolderEntry::Cell(int column) const
{
    switch (column) {
    case 1: return strSize;
    case 2: return strCreated;
    case 3: return strModified;
    default: return strName;
    }
}

void CFolderModel::Reset(const char* folder)
{
    m_strFolder = (folder && *folder) ? WithBackslash(folder) : CString();
    m_entries.clear();
    m_index.Clear();
}

bool CFolderModel::FollowRename(const char* oldPath, const char* newPath)
{
    CString from = WithBackslash(oldPath);
    if (!*oldPath || !*newPath || m_strFolder.GetLength() < from.GetLength()) return false;
    if (m_strFolder.Left(from.GetLength()).CompareNoCase(from) != 0) return false;
    m_strFolder = WithBackslash(newPath) + m_strFolder.Mid(from.GetLength());
    return true;
}

CString CFolderModel::GetPath(int i) const { return m_strFolder + m_entries[(size_t)i].strName; }

CArray<CString> CFolderModel::GetPaths(const CArray<int>& indexes) const
{
    CArray<CString> paths;
    for (int k = 0; k < indexes.GetSize(); k++)
        if (indexes[k] >= 0 && indexes[k] < GetCount()) paths.Add(GetPath(indexes[k]));
    return paths;
}

int CFolderModel::Find(const char* name) const
{
    if (!Contains(name)) return -1;
    std::string key = CNameIndex::Fold(name);
    for (size_t i = 0; i < m_entries.size(); i++)
        if (CNameIndex::Fold(m_entries[i].strName) == key) return (int)i;
    return -1;
}

CFolderEntry CFolderModel::MakeEntry(const WIN32_FIND_DATAA& fd)
{
    CFolderEntry e;
    e.strName = fd.cFileName;
    e.dwAttributes = fd.dwFileAttributes;
    e.nSize = ((ULONGLONG)fd.nFileSizeHigh << 32) | fd.nFileSizeLow;
    e.ftCreated = fd.ftCreationTime;
    e.ftModified = fd.ftLastWriteTime;
    e.strSize = FormatSizeCell(fd);
    e.strCreated = FormatDateCell(fd.ftCreationTime);
    e.strModified = FormatDateCell(fd.ftLastWriteTime);
    return e;
}

int CFolderModel::Add(const WIN32_FIND_DATAA& fd)
{
    if (Contains(fd.cFileName)) return -1;
    return Append(MakeEntry(fd));
}

int CFolderModel::Append(const CFolderEntry& entry)
{
    m_entries.push_back(entry);
    m_index.Add(entry.strName);
    return (int)m_entries.size() - 1;
}

void CFolderModel::RemoveAt(int i)
{
    if (i < 0 || i >= GetCount()) return;
    m_index.Remove(m_entries[(size_t)i].strName);
    m_entries.erase(m_entries.begin() + i);
}

void CFolderModel::Rename(int i, const char* newName)
{
    if (i < 0 || i >= GetCount()) return;
    m_index.Remove(m_entries[(size_t)i].strName);
    m_entries[(size_t)i].strName = newName;
    m_index.Add(newName);
}

void CFolderModel::Reorder(const std::vector<int>& order)
{
    if (order.size() != m_entries.size()) return;
    // Only a true permutation reorders; anything else would lose or repeat entries.
    std::vector<bool> seen(order.size());
    for (int old : order) {
        if (old < 0 || (size_t)old >= order.size() || seen[(size_t)old]) return;
        seen[(size_t)old] = true;
    }
    std::vector<CFolderEntry> sorted;
    sorted.reserve(order.size());
    for (int old : order) sorted.push_back(std::move(m_entries[(size_t)old]));
    m_entries.swap(sorted);
}
