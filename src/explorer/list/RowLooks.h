// CRowLooks: what the file list keeps per entry beside the model: the shell's icon and dimmed
// state, and the item data set on a row. Kept by the entry's key, which stays with the entry
// through every sort, removal and append the model makes, so nothing here follows the rows.
#pragma once

#include "fw/afx.h"
#include <unordered_map>

struct CRowLook {
    int nIcon = -1;         // the system icon, looked up when the row is first shown
    bool bGhosted = false;  // the shell draws it dimmed (known with the icon)
    LPARAM lParam = 0;      // the row's item data
};

class CRowLooks {
public:
    // The look of the entry of that key; a default one while none was kept.
    const CRowLook& Of(DWORD key) const;
    // The look of the entry of that key, made when it has none.
    CRowLook& At(DWORD key) { return m_looks[key]; }
    // The entry's icon is looked up again when next shown (another name may have another one).
    void ForgetIcon(DWORD key);
    // The entry is gone.
    void Forget(DWORD key) { m_looks.erase(key); }
    void Clear() { std::unordered_map<DWORD, CRowLook>().swap(m_looks); }

private:
    // Only entries shown or given item data have one: a big folder's unseen rows cost nothing.
    std::unordered_map<DWORD, CRowLook> m_looks;
};
