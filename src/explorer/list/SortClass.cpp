#include "explorer/list/SortClass.h"
#include "explorer/list/BrindlexView.h"
#include "explorer/list/SortKey.h"

CSortClass::CSortClass(CBrindlexView* pList, int nColumn, bool bNumeric)
    : m_pList(pList), m_nColumn(nColumn), m_bNumeric(bNumeric)
{
    CListCtrl list = m_pList->GetListCtrl();
    int n = list.GetItemCount();
    for (int i = 0; i < n; i++) {
        CString text = list.GetItemText(i, m_nColumn);
        DWORD_PTR data = list.GetItemData(i);
        if (m_bNumeric) {
            NumericSortItem* item = new NumericSortItem{MakeNumericSortKey(text), data};
            list.SetItemData(i, (DWORD_PTR)item);
        } else {
            CString size = m_nColumn == 1 ? text : list.GetItemText(i, 1);
            CSortItem* item = new CSortItem(MakeTextSortKey(text, size, m_nColumn), data);
            list.SetItemData(i, (DWORD_PTR)item);
        }
    }
}

CSortClass::~CSortClass()
{
    CListCtrl list = m_pList->GetListCtrl();
    int n = list.GetItemCount();
    for (int i = 0; i < n; i++) {
        DWORD_PTR p = list.GetItemData(i);
        if (!p) continue;
        if (m_bNumeric) {
            NumericSortItem* item = (NumericSortItem*)p;
            list.SetItemData(i, item->dwData);
            delete item;
        } else {
            CSortItem* item = (CSortItem*)p;
            list.SetItemData(i, item->m_dwData);
            delete item;
        }
    }
}

void CSortClass::Sort(bool bAscending)
{
    PFNLVCOMPARE pfn;
    if (m_bNumeric)
        pfn = bAscending ? CompareNumberAscending : CompareNumberDescending;
    else
        pfn = bAscending ? CompareTextAscending : CompareTextDescending;
    m_pList->GetListCtrl().SortItems(pfn, 0);
}

int CALLBACK CSortClass::CompareTextAscending(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    const CSortItem* a = (const CSortItem*)lParam1;
    const CSortItem* b = (const CSortItem*)lParam2;
    return _mbsicmp((const unsigned char*)a->m_strKey.c_str(), (const unsigned char*)b->m_strKey.c_str());
}

int CALLBACK CSortClass::CompareTextDescending(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    return CompareTextAscending(lParam2, lParam1, lParamSort);
}

int CALLBACK CSortClass::CompareNumberAscending(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    int a = ((const NumericSortItem*)lParam1)->nKey;
    int b = ((const NumericSortItem*)lParam2)->nKey;
    return a == b ? 0 : (a > b ? 1 : -1);
}

int CALLBACK CSortClass::CompareNumberDescending(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    int a = ((const NumericSortItem*)lParam1)->nKey;
    int b = ((const NumericSortItem*)lParam2)->nKey;
    return a == b ? 0 : (a < b ? 1 : -1);
}
