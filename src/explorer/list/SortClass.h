// CSortClass: sorts the rows of the file list by one column. While it exists every row's
// item data points to the row's key object; the destructor puts the old values back and
// brings the folder model into the rows' new order.
#pragma once

#include "fw/afx.h"
#include <commctrl.h>

class CBrindlexView;

class CSortClass {
public:
    // Computes the key of every row once (numeric keys when bNumeric).
    CSortClass(CBrindlexView* pList, int nColumn, bool bNumeric);
    virtual ~CSortClass();
    CSortClass(const CSortClass&) = delete;
    CSortClass& operator=(const CSortClass&) = delete;

    // One sort of the list control with the comparison for the key kind and direction.
    void Sort(bool bAscending);

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
    int m_nRows = 0;
};
