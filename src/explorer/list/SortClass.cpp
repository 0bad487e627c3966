#include "explorer/list/SortClass.h"
#include "explorer/list/BrindlexView.h"
#include "explorer/list/SortKey.h"
#include "explorer/NameIndex.h"
#include <vector>

CSortClass::CSortClass(CBrindlexView* pList, int nColumn, bool bNumeric)
    : m_pList(pList), m_nColumn(nColumn), m_bNumeric(bNumeric)
{
    CListCtrl list = m_pList->GetListCtrl();
    const CFolderModel& model = m_pList->GetModel();
    int n = list.GetItemCount();
    if (n != model.GetCount()) n = 0;  // never sort rows the model does not describe
    for (int i = 0; i < n; i++) {
        const CFolderEntry& e = model.GetAt(i);
        const CString& text = e.Cell(m_nColumn);
        DWORD_PTR data = list.GetItemData(i);
        if (m_bNumeric) {
            NumericSortItem* item = new NumericSortItem{MakeNumericSortKey(text), data, i};
            list.SetItemData(i, (DWORD_PTR)item);
        } else {
            CSortItem* item = new CSortItem(MakeTextSortKey(text, e.strSize, m_nColumn), data, i);
            list.SetItemData(i, (DWORD_PTR)item);
        }
    }
    m_nRows = n;
}

CSortClass::~CSortClass()
{
    CListCtrl list = m_pList->GetListCtrl();
    std::vector<int> order;
    order.reserve((size_t)m_nRows);
    for (int i = 0; i < m_nRows; i++) {
        DWORD_PTR p = list.GetItemData(i);
        if (!p) continue;
        if (m_bNumeric) {
            NumericSortItem* item = (NumericSortItem*)p;
            list.SetItemData(i, item->dwData);
            order.push_back(item->nEntry);
            delete item;
        } else {
            CSortItem* item = (CSortItem*)p;
            list.SetItemData(i, item->m_dwData);
            order.push_back(item->m_nEntry);
            delete item;
        }
    }
    m_pList->GetModel().Reorder(order);
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
    return CNameIndex::Compare(a->m_strKey, b->m_strKey);
}

int CALLBACK CSortClass::CompareTextDescending(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    return CompareTextAscending(lParam2, lParam1, lParamSort);
}

int CALLBACK CSortClass::CompareNumberAscending(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    long long a = ((const NumericSortItem*)lParam1)->nKey;
    long long b = ((const NumericSortItem*)lParam2)->nKey;
    return a == b ? 0 : (a > b ? 1 : -1);
}

int CALLBACK CSortClass::CompareNumberDescending(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    long long a = ((const NumericSortItem*)lParam1)->nKey;
    long long b = ((const NumericSortItem*)lParam2)->nKey;
    return a == b ? 0 : (a < b ? 1 : -1);
}
