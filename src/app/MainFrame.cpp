#include "app/MainFrame.h"
#include "res/resource.h"
#include "explorer/list/BrindlexView.h"
#include "explorer/tree/LeftView.h"

BEGIN_MESSAGE_MAP(CMainFrame, CDocFrameWnd)
    ON_MESSAGE(WM_CREATE, OnCreate)
    ON_MESSAGE(WM_CLOSE, OnClose)
    ON_COMMAND(ID_FIND_FILES, OnFindFiles)
    ON_COMMAND_RANGE(ID_VIEW_LIST, ID_VIEW_DETAILS, OnViewStyle)
    ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_LIST, ID_VIEW_DETAILS, OnUpdateViewStyle)
END_MESSAGE_MAP()

const UINT g_explorerToolbarButtons[16] = {
    ID_NEW_FILE, ID_NEW_FOLDER, ID_VIEW_FILE, ID_UP, ID_FIND_FILES, ID_SEPARATOR, ID_EDIT_COPY, ID_EDIT_PASTE,
    ID_DELETE, ID_RECYCLE, ID_SEPARATOR, ID_REFRESH, ID_VIEW_LIST, ID_VIEW_DETAILS, ID_SEPARATOR, ID_HELP_CONTENTS,
};

LRESULT CMainFrame::OnCreate(WPARAM wp, LPARAM lp)
{
    if (CDocFrameWnd::OnCreate(wp, lp) == -1) return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR)) return -1;
    if (!m_wndReBar.Create(this, RBS_BANDBORDERS,
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP, AFX_IDW_REBAR))
        return -1;

    m_wndToolBar.SetSizes(SIZE{30, 30}, SIZE{24, 24});
    m_wndToolBar.SetHeight(36);
    m_wndToolBar.SetButtons(g_explorerToolbarButtons, 16);

    if (m_toolbarImages.Create(24, 24, ILC_COLOR8 | ILC_MASK, 13, 13)) {
        HBITMAP bmp = (HBITMAP)::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TOOLBAR), IMAGE_BITMAP, 0, 0,
                                            LR_SHARED | LR_LOADMAP3DCOLORS);
        // A shared bitmap belongs to the system: used, never deleted.
        if (bmp) ImageList_AddMasked(m_toolbarImages, bmp, RGB(192, 192, 192));
        m_wndToolBar.SetImageList(m_toolbarImages);
    }
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
    m_wndReBar.AddBar(&m_wndToolBar, nullptr, nullptr, RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP);
    return 0;
}

BOOL CMainFrame::OnCreateClient(CREATESTRUCTA*, CCreateContext* pContext)
{
    if (!m_wndSplitter.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST)) return FALSE;
    SIZE initial = {100, 100};
    if (!m_wndSplitter.CreateView(0, 0, AfxNewView<CLeftView>, initial, pContext) ||
        !m_wndSplitter.CreateView(0, 1, AfxNewView<CBrindlexView>, initial, pContext)) {
        m_wndSplitter.DestroyWindow();
        return FALSE;
    }
    m_wndSplitter.SetColumnInfo(0, 350, 100);
    return TRUE;
}

CBrindlexView* CMainFrame::GetListView() const
{
    if (!m_wndSplitter.m_hWnd) return nullptr;
    return dynamic_cast<CBrindlexView*>(m_wndSplitter.GetPane(0, 1));
}

CLeftView* CMainFrame::GetTreeView() const
{
    if (!m_wndSplitter.m_hWnd) return nullptr;
    return dynamic_cast<CLeftView*>(m_wndSplitter.GetPane(0, 0));
}

void CMainFrame::OnFindFiles()
{
    if (m_bFindFilesCreated) {
        m_dlgFindFiles.ShowWindow(SW_SHOW);
        ::SetForegroundWindow(m_dlgFindFiles.m_hWnd);
        return;
    }
    m_bFindFilesCreated = 1;
    // The tree's path of the folder on show: no trailing backslash, and a folder the tree
    // renamed under the list shows its new name.
    CLeftView* tree = GetTreeView();
    m_dlgFindFiles.m_strLookIn = tree ? tree->m_strCurrentPath : CString();
    if (!m_dlgFindFiles.Create(m_hWnd, this)) m_bFindFilesCreated = 0;
}

// A search in the Find Files window runs inside this frame's message loop: the frame goes
// only after the search has unwound and its window is gone.
LRESULT CMainFrame::OnClose(WPARAM wp, LPARAM lp)
{
    if (m_bFindFilesCreated && m_dlgFindFiles.IsSearching()) {
        m_dlgFindFiles.CloseAfterSearch(m_hWnd);
        return 0;
    }
    return DefWindowProc(WM_CLOSE, wp, lp);
}

void CMainFrame::ShowShellContextMenu(const CString& folder, const CArray<CString>& names, int x, int y)
{
    if (CBrindlexView* list = GetListView()) list->ShowShellContextMenu(folder, names, x, y);
}


void CMainFrame::OnViewStyle(UINT nID)
{
    CBrindlexView* list = GetListView();
    if (!list) return;
    if (nID == ID_VIEW_LIST)
        list->ShowAsList();
    else
        list->ShowAsDetails();
}

void CMainFrame::OnUpdateViewStyle(CCmdUI* pCmdUI)
{
    CBrindlexView* list = GetListView();
    pCmdUI->Enable(list != nullptr);
    if (!list) return;
    DWORD type = list->GetViewType();
    pCmdUI->SetRadio(pCmdUI->m_nID == ID_VIEW_LIST ? type == LVS_LIST : type == LVS_REPORT);
}
