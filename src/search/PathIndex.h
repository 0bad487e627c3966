// CPathIndex: the paths of the result rows, in row order, folded so that paths differing
// only in letter case meet (as the file list's name index folds names). It answers "the
// first row of this path" and follows row deletions anywhere in logarithmic time, so that
// adding and removing matches stays linear in the number of matches.
#pragma once

#include "fw/afx.h"
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class CPathIndex {
public:
    // A row of this path appended after the last.
    void Append(const char* path);
    // The row at this index deleted; the rows after it move up one.
    void RemoveRow(int row);
    void Clear();
    // The first row whose path equals path ignoring case, or -1.
    int Find(const char* path) const;
    int GetRowCount() const { return m_nRows; }

    static std::string Fold(const char* path);

private:
    // Rows are numbered in the order they came (their serial); a deleted row keeps its serial
    // dead. The tree counts the live serials below a point: the row index of a serial.
    int LiveBefore(int serial) const;  // live serials < serial
    int SerialOfRow(int row) const;
    void AddAt(int serial, int delta);

    std::vector<int> m_tree;  // Fenwick tree over serials, 1-based
    std::vector<std::string> m_keys;  // by serial; empty once deleted
    std::unordered_map<std::string, std::set<int>> m_serials;  // key -> live serials
    int m_nRows = 0;
};
