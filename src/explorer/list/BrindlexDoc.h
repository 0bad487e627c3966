// CBrindlexDoc: the explorer's document. It holds no data, only the two links by which
// one pane reaches the other.
#pragma once

#include "fw/Document.h"

class CBrindlexView;
class CLeftView;

class CBrindlexDoc : public CDocument {
public:
    CBrindlexView* m_pListView = nullptr;  // set by the file list at its initial update
    CLeftView* m_pTreeView = nullptr;      // set by the folder tree at its initial update
};
