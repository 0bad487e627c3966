#include "explorer/list/SortClass.h"
#include "explorer/list/BrindlexView.h"
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
