// The folder model's sort: typed keys that give the order the list's text keys always gave
// (folders lead with 0x0A, undated files with 0x0D, dates lead with their year).
#include "explorer/FolderModel.h"
#include "explorer/RowCells.h"
#include <algorithm>
#include <climits>

namespace {

// The name key of the text sort: a folder's name behind 0x0A, a file's name as it is.
int CompareNameKeys(const CFolderEntry& a, const CFolderEntry& b)
{
    bool fa = a.IsFolder(), fb = b.IsFolder();
    if (fa == fb) return CNameIndex::Compare(a.strName, b.strName);
    // One key has the 0x0A in front: it meets the other's first character.
    const CString& plain = fa ? b.strName : a.strName;
    const CString& marked = fa ? a.strName : b.strName;
    unsigned char first = (unsigned char)plain[0];
    int r;
    if (first == 0)
        r = 1;  // the marked key is longer
    else if (first != '\n')
        r = first > '\n' || ::IsDBCSLeadByte(first) ? -1 : 1;
    else
        r = CNameIndex::Compare(marked, plain.c_str() + 1);
    return fa ? r : -r;
}

// Size keys: the Size cell read as a signed 64-bit number (a folder's empty cell is 0).
long long SizeKey(const CFolderEntry& e)
{
    if (e.IsFolder()) return 0;
    return e.nSize > (ULONGLONG)LLONG_MAX ? LLONG_MAX : (long long)e.nSize;
}

// Date keys: folders (0x0A) before undated files (0x0D) before dated files (digits); an
// undated folder's key is a prefix of every dated folder's.
ULONGLONG DateKey(const CFolderEntry& e, int column)
{
    ULONGLONG order = DateCellOrder(column == 2 ? e.ftCreated : e.ftModified);
    ULONGLONG group = e.IsFolder() ? (order ? 1 : 0) : (order ? 3 : 2);
    return (group << 60) | order;
}

}  // namespace

std::vector<int> CFolderModel::Sort(int column, bool bAscending)
{
    size_t n = m_entries.size();
    std::vector<int> order(n);
    if (column == 0) {
        for (size_t i = 0; i < n; i++) order[i] = (int)i;
        const std::vector<CFolderEntry>& e = m_entries;
        if (bAscending)
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return CompareNameKeys(e[(size_t)a], e[(size_t)b]) < 0; });
        else
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return CompareNameKeys(e[(size_t)b], e[(size_t)a]) < 0; });
    } else {
        std::vector<std::pair<ULONGLONG, int>> keys(n);
        for (size_t i = 0; i < n; i++) {
            // Size keys shifted into unsigned order.
            ULONGLONG k = column == 1 ? (ULONGLONG)SizeKey(m_entries[i]) ^ (1ULL << 63) : DateKey(m_entries[i], column);
            keys[i] = {k, (int)i};
        }
        typedef std::pair<ULONGLONG, int> Key;
        if (bAscending)
            std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) { return a.first < b.first; });
        else
            std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) { return a.first > b.first; });
        for (size_t i = 0; i < n; i++) order[i] = keys[i].second;
    }
    Reorder(order);
    return order;
}
