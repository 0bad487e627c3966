#include "explorer/list/RowLooks.h"

const CRowLook& CRowLooks::Of(DWORD key) const
{
    static const CRowLook none;
    auto it = m_looks.find(key);
    return it == m_looks.end() ? none : it->second;
}

void CRowLooks::ForgetIcon(DWORD key)
{
    auto it = m_looks.find(key);
    if (it != m_looks.end()) it->second.nIcon = -1;
}
