// CTreeView: a view that is a tree-view control.
#pragma once

#include "fw/View.h"
#include "fw/TreeCtrl.h"

class CTreeView : public CCtrlView {
public:
    CTreeView() : CCtrlView(WC_TREEVIEWA, 0) {}
    CTreeCtrl GetTreeCtrl() const { return CTreeCtrl(m_hWnd); }
};
