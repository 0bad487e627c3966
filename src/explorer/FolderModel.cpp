#include "explorer/FolderModel.h"
#include "util/PathText.h"
#include "explorer/RowCells.h"
#include "fw/FileFind.h"

CString CFolderEntry::Cell(int column) const
{
    switch (column) {
    case 1: return IsFolder() ? CString() : DecimalText(nSize);
    case 2: return FormatDateCell(ftCreated);
    case 3: return FormatDateCell(ftModified);
    default: return strName;
    }
}

CString CFolderEntry::CommandName() const
{
    switch (nNameUse) {
    case FIND_NAME_OWN: return strName;
    case FIND_NAME_SHORT: return CString(szShortName);
    default: return CString();
    }
}

bool CFolderEntry::Shows(const WIN32_FIND_DATAA& fd) const
{
    return strName == fd.cFileName && dwAttributes == fd.dwFileAttributes &&
           nSize == (((ULONGLONG)fd.nFileSizeHigh << 32) | fd.nFileSizeLow) &&
           !CompareFileTime(&ftCreated, &fd.ftCreationTime) && !CompareFileTime(&ftModified, &fd.ftLastWriteTime);
}

void CFolderModel::Reset(const char* folder)
{
    m_strFolder = (folder && *folder) ? WithBackslash(folder) : CString();
    std::vector<CFolderEntry>().swap(m_entries);
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

bool CFolderModel::Load(const char* folder)
{
    Reset(folder);
    CFileFind find;
    if (m_strFolder.IsEmpty() || !find.FindFile(m_strFolder + "*.*")) return false;
    for (BOOL more = TRUE; more;) {
        more = find.FindNextFile();
        if (find.IsDots() || find.GetAttributes() == (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
        Append(MakeEntry(find.GetFindData()));
    }
    // The growth's spare room would be a third of the memory of a big folder.
    m_entries.shrink_to_fit();
    return true;
}

CString CFolderModel::GetPath(int i) const
{
    CString name = m_entries[(size_t)i].CommandName();
    return name.IsEmpty() ? name : m_strFolder + name;
}

CArray<CString> CFolderModel::GetPaths(const CArray<int>& indexes) const
{
    CArray<CString> paths;
    for (int k = 0; k < indexes.GetSize(); k++)
        if (indexes[k] >= 0 && indexes[k] < GetCount() && GetAt(indexes[k]).IsUsable()) paths.Add(GetPath(indexes[k]));
    return paths;
}

bool CFolderModel::ContainsEntry(const WIN32_FIND_DATAA& fd) const
{
    if (NameUseOf(fd) != FIND_NAME_SHORT || !Contains(fd.cFileName)) return Contains(fd.cFileName);
    for (const CFolderEntry& e : m_entries)
        if (e.nNameUse == FIND_NAME_SHORT && CNameIndex::Same(e.szShortName, fd.cAlternateFileName)) return true;
    return false;
}

int CFolderModel::Find(const char* name) const
{
    if (!Contains(name)) return -1;
    return FindFrom(name, 0, false, false);
}

int CFolderModel::FindFrom(const char* prefix, int start, bool bPartial, bool bWrap) const
{
    int n = GetCount();
    if (!prefix || n == 0) return -1;
    if (start < 0 || start >= n) start = 0;
    std::string key = CNameIndex::Fold(prefix);
    for (int k = 0; k < n; k++) {
        int i = start + k;
        if (i >= n) {
            if (!bWrap) break;
            i -= n;
        }
        const CString& name = m_entries[(size_t)i].strName;
        if (bPartial ? CNameIndex::Fold(name).compare(0, key.size(), key) == 0 : CNameIndex::Compare(name, prefix) == 0)
            return i;
    }
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
    e.nNameUse = (BYTE)NameUseOf(fd);
    if (e.nNameUse == FIND_NAME_SHORT) lstrcpynA(e.szShortName, fd.cAlternateFileName, sizeof e.szShortName);
    return e;
}

int CFolderModel::Add(const WIN32_FIND_DATAA& fd)
{
    if (ContainsEntry(fd)) return -1;
    return Append(MakeEntry(fd));
}

int CFolderModel::Append(const CFolderEntry& entry)
{
    m_entries.push_back(entry);
    m_entries.back().nKey = m_nNextKey++;
    m_index.Add(entry.strName);
    return (int)m_entries.size() - 1;
}

void CFolderModel::RemoveAt(int i)
{
    if (i < 0 || i >= GetCount()) return;
    m_index.Remove(m_entries[(size_t)i].strName);
    m_entries.erase(m_entries.begin() + i);
}

std::vector<int> CFolderModel::RemoveRows(const std::vector<int>& rows)
{
    std::vector<int> now(m_entries.size());
    size_t next = 0, kept = 0;
    for (size_t i = 0; i < m_entries.size(); i++) {
        while (next < rows.size() && rows[next] < (int)i) next++;
        if (next < rows.size() && rows[next] == (int)i) {
            m_index.Remove(m_entries[i].strName);
            now[i] = -1;
            continue;
        }
        if (kept != i) m_entries[kept] = std::move(m_entries[i]);
        now[i] = (int)kept++;
    }
    m_entries.resize(kept);
    return now;
}

void CFolderModel::Rename(int i, const char* newName)
{
    if (i < 0 || i >= GetCount()) return;
    m_index.Remove(m_entries[(size_t)i].strName);
    m_entries[(size_t)i].strName = newName;
    m_index.Add(newName);
}

void CFolderModel::Update(int i, const WIN32_FIND_DATAA& fd)
{
    if (i < 0 || i >= GetCount()) return;
    CFolderEntry& e = m_entries[(size_t)i];
    CFolderEntry fresh = MakeEntry(fd);
    fresh.nKey = e.nKey;
    fresh.identity = e.identity;
    m_index.Remove(e.strName);
    e = fresh;
    m_index.Add(e.strName);
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
    // In place, one cycle of the permutation at a time: no second copy of a big folder.
    std::vector<bool> placed(order.size());
    for (size_t start = 0; start < order.size(); start++) {
        if (placed[start]) continue;
        CFolderEntry held = std::move(m_entries[start]);
        size_t at = start;
        for (;;) {
            placed[at] = true;
            size_t from = (size_t)order[at];
            if (from == start) {
                m_entries[at] = std::move(held);
                break;
            }
            m_entries[at] = std::move(m_entries[from]);
            at = from;
        }
    }
}
