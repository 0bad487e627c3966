#include "explorer/NameIndex.h"

std::string CNameIndex::Fold(const char* name)
{
    std::string s(name ? name : "");
    // CharLowerBuffA folds in the ANSI code page, double-byte characters included.
    if (!s.empty()) ::CharLowerBuffA(&s[0], (DWORD)s.size());
    return s;
}

void CNameIndex::Add(const char* name)
{
    ++m_names[Fold(name)];
    ++m_nRows;
}

void CNameIndex::Remove(const char* name)
{
    auto it = m_names.find(Fold(name));
    if (it == m_names.end()) return;
    if (--it->second <= 0) m_names.erase(it);
    --m_nRows;
}

bool CNameIndex::Contains(const char* name) const { return m_names.count(Fold(name)) != 0; }
