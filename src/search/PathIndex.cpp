#include "search/PathIndex.h"

std::string CPathIndex::Fold(const char* path)
{
    std::string s(path ? path : "");
    // CharLowerBuffA folds in the ANSI code page, double-byte characters included.
    if (!s.empty()) ::CharLowerBuffA(&s[0], (DWORD)s.size());
    return s;
}

void CPathIndex::Clear()
{
    m_tree.clear();
    m_keys.clear();
    m_serials.clear();
    m_nRows = 0;
}

void CPathIndex::AddAt(int serial, int delta)
{
    for (size_t i = (size_t)serial + 1; i <= m_tree.size(); i += i & (0 - i)) m_tree[i - 1] += delta;
}

int CPathIndex::LiveBefore(int serial) const
{
    int n = 0;
    for (size_t i = (size_t)serial; i > 0; i -= i & (0 - i)) n += m_tree[i - 1];
    return n;
}

int CPathIndex::SerialOfRow(int row) const
{
    // Descends the tree to the smallest serial with row + 1 live serials up to it.
    size_t pos = 0, step = 1;
    while (step * 2 <= m_tree.size()) step *= 2;
    int left = row + 1;
    for (; step; step /= 2) {
        if (pos + step <= m_tree.size() && m_tree[pos + step - 1] < left) {
            pos += step;
            left -= m_tree[pos - 1];
        }
    }
    return (int)pos;
}

void CPathIndex::Append(const char* path)
{
    int serial = (int)m_keys.size();
    std::string key = Fold(path);
    // The new node covers the serials (p - lowbit(p), p]: itself plus those already counted.
    size_t p = (size_t)serial + 1;
    size_t low = p & (0 - p);
    int covered = LiveBefore(serial) - LiveBefore((int)(p - low));
    m_tree.push_back(covered + 1);
    m_serials[key].insert(serial);
    m_keys.push_back(std::move(key));
    m_nRows++;
}

void CPathIndex::RemoveRow(int row)
{
    if (row < 0 || row >= m_nRows) return;
    int serial = SerialOfRow(row);
    auto it = m_serials.find(m_keys[(size_t)serial]);
    if (it != m_serials.end()) {
        it->second.erase(serial);
        if (it->second.empty()) m_serials.erase(it);
    }
    std::string().swap(m_keys[(size_t)serial]);
    AddAt(serial, -1);
    m_nRows--;
}

int CPathIndex::Find(const char* path) const
{
    auto it = m_serials.find(Fold(path));
    if (it == m_serials.end() || it->second.empty()) return -1;
    return LiveBefore(*it->second.begin());
}
