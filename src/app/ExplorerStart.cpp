#include "res/resource.h"
#include "app/BrindlexApp.h"
#include "app/MainFrame.h"
#include "explorer/BrindlexDoc.h"
#include "explorer/tree/LeftView.h"
#include "fw/DocTemplate.h"

BOOL CreateExplorerFrame(CWinApp* app)
{
    AfxAddDocTemplate(new CSingleDocTemplate(IDR_EXPLORER, AfxNewDocument<CBrindlexDoc>, AfxNewFrame<CMainFrame>,
                                             AfxNewView<CLeftView>));
    // An empty command line asks for a new document: the frame, the document and both panes.
    if (!AfxDocFileNew()) return FALSE;
    CSingleDocTemplate* t = AfxGetDocTemplate();
    app->m_pMainWnd = t->GetFrame();
    // The tree's first selection change lands on the drive of the Windows directory; the
    // tree raises it itself so that the explorer opens listing that drive.
    CBrindlexDoc* doc = static_cast<CBrindlexDoc*>(t->GetDocument());
    if (doc && doc->m_pTreeView) {
        CTreeCtrl tree = doc->m_pTreeView->GetTreeCtrl();
        if (!tree.GetSelectedItem()) tree.SelectItem(tree.GetRootItem());
    }
    return app->m_pMainWnd != nullptr;
}
