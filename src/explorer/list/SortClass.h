// CSortClass: sorts the rows of the file list by one column. The folder model sorts its
// entries on their typed fields; the rows follow, and the selected and focused entries
// stay selected and focused.
#pragma once

#include "fw/afx.h"
#include <commctrl.h>

class CBrindlexView;

class CSortClass {
public:
    // bNumeric: the column is read as a number (the Size column is).
    CSortClass(CBrindlexView* pList, int nColumn, bool bNumeric);
    virtual ~CSortClass();
    CSortClass(const CSortClass&) = delete;
    CSortClass& operator=(const CSortClass&) = delete;

    // One stable sort of the model in that direction.
    void Sort(bool bAscending);

private:
    CBrindlexView* m_pList;
    int m_nColumn;
    bool m_bNumeric;
};
