// CSortClass: sorts the rows of the file list by one column. The folder model sorts its
// entries on their typed fields (the order the text and numeric keys below always gave);
// the rows follow, and the selected and focused entries stay selected and focused.
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

    // The comparisons of the keys, as text (ignoring case) and as numbers.
    static int CALLBACK CompareTextAscending(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
    static int CALLBACK CompareTextDescending(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
    static int CALLBACK CompareNumberAscending(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
    static int CALLBACK CompareNumberDescending(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

    class CSortItem {
    public:
        CSortItem(const CString& key, DWORD_PTR data, int entry = 0) : m_strKey(key), m_dwData(data), m_nEntry(entry) {}
        virtual ~CSortItem() {}
        CString m_strKey;
        DWORD_PTR m_dwData;
        int m_nEntry;  // the row's index in the model before the sort
    };
    struct NumericSortItem {
        long long nKey;  // sizes beyond 2 GiB must not tie
        DWORD_PTR dwData;
        int nEntry;
    };

private:
    CBrindlexView* m_pList;
    int m_nColumn;
    bool m_bNumeric;
};
