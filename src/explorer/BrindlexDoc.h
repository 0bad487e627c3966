// CBrindlexDoc: the explorer's document. It holds the folder on show and the links by which
// one pane reaches the other.
#pragma once

#include "fw/Document.h"
#include "explorer/FolderModel.h"
#include "explorer/PaneLinks.h"

class CBrindlexView;
class CLeftView;

class CBrindlexDoc : public CDocument {
public:
    CFolderModel m_folder;  // the folder on show in the file list, in row order

    // Set by each pane at its initial update, cleared when it goes.
    CBrindlexView* m_pListView = nullptr;
    CLeftView* m_pTreeView = nullptr;
    IFileList* m_pFileList = nullptr;
    IFolderTree* m_pFolderTree = nullptr;
};
