#include "explorer/list/SortClass.h"
#include "explorer/list/BrindlexView.h"
#include "explorer/NameIndex.h"
#include <vector>

CSortClass::CSortClass(CBrindlexView* pList, int nColumn, bool bNumeric)
    : m_pList(pList), m_nColumn(nColumn), m_bNumeric(bNumeric)
{
}

CSortClass::~CSortClass() {}

void CSortClass::Sort(bool bAscending)
{
    CListCtrl list = m_pList->GetListCtrl();
    CFolderModel& model = m_pList->GetModel();
    int n = model.GetCount();
    if (n == 0 || list.GetItemCount() != n) return;  // never sort rows the model does not describe
    CArray<int> selected = m_pList->GetSelectedRows();
    int focused = list.GetNextItem(-1, LVNI_FOCUSED);
    int mark = (int)::SendMessageA(list.m_hWnd, LVM_GETSELECTIONMARK, 0, 0);
    std::vector<int> order = model.Sort(m_nColumn, bAscending);
    std::vector<int> now((size_t)n);
    for (int k = 0; k < n; k++) now[(size_t)order[(size_t)k]] = k;
    if (selected.GetSize() || focused >= 0) {
        CSelectionMove moving(m_pList->m_nSelectionMoves);
        list.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (int k = 0; k < selected.GetSize(); k++)
            list.SetItemState(now[(size_t)selected[k]], LVIS_SELECTED, LVIS_SELECTED);
        if (focused >= 0 && focused < n) list.SetItemState(now[(size_t)focused], LVIS_FOCUSED, LVIS_FOCUSED);
        if (mark >= 0 && mark < n) ::SendMessageA(list.m_hWnd, LVM_SETSELECTIONMARK, 0, now[(size_t)mark]);
    }
    ::InvalidateRect(list.m_hWnd, nullptr, FALSE);
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
