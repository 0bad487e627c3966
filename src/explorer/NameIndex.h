// CNameIndex: the names of the rows of a list, folded so that names differing only in
// letter case meet. It lets the list answer "is there a row of this name?" without
// walking the rows, so that listing a folder stays linear in its size.
#pragma once

#include "fw/afx.h"
#include <string>
#include <unordered_map>

class CNameIndex {
public:
    void Add(const char* name);
    // Forgets one row of this name (rows may repeat a name).
    void Remove(const char* name);
    void Clear() { m_names.clear(); m_nRows = 0; }
    bool Contains(const char* name) const;
    int GetRowCount() const { return m_nRows; }

    // The key two names share exactly when Compare finds them equal.
    static std::string Fold(const char* name);
    // Orders two names ignoring case: single-byte characters folded to lower case and
    // double-byte ones to upper case in the ANSI code page, the folded values compared as
    // unsigned numbers; a name that is a prefix of the other comes first.
    static int Compare(const char* a, const char* b);
    // Two names of one folder's entries are the same entry: the explorer's one name compare.
    static bool Same(const char* a, const char* b) { return Compare(a, b) == 0; }

private:
    std::unordered_map<std::string, int> m_names;
    int m_nRows = 0;
};
