// CListView: a view that is a list-view control.
#pragma once

#include "fw/View.h"
#include "fw/ListCtrl.h"

class CListView : public CCtrlView {
public:
    CListView() : CCtrlView(WC_LISTVIEWA, 0) {}
    CListCtrl GetListCtrl() const { return CListCtrl(m_hWnd); }
};
