// CMainFrame: the explorer's top-level window: a toolbar in a rebar above a static
// splitter with the folder tree on the left and the file list on the right.
#pragma once

#include "fw/DocFrameWnd.h"
#include "fw/ImageList.h"
#include "fw/SplitterWnd.h"
#include "fw/ToolBar.h"
#include "search/FindFilesDlg.h"

class CBrindlexView;
class CLeftView;

class CMainFrame : public CDocFrameWnd, public IFindFilesHost {
public:
    CMainFrame() {}
    ~CMainFrame() override {}

    // Pane (0, 1) when it is the file list, else none.
    CBrindlexView* GetListView() const;
    CLeftView* GetTreeView() const;

    // The shell's menu of the file list, for names in a folder, at a screen point.
    void ShowShellContextMenu(const CString& folder, const CArray<CString>& names, int x, int y) override;
    void OnFindFilesDestroyed() override { m_bFindFilesCreated = 0; }

    CSplitterWnd m_wndSplitter;
    CFindFilesDlg m_dlgFindFiles;
    int m_bFindFilesCreated = 0;  // the Find Files window exists
    CToolBar m_wndToolBar;
    CReBar m_wndReBar;

protected:
    BOOL OnCreateClient(CREATESTRUCTA* cs, CCreateContext* pContext) override;
    LRESULT OnCreate(WPARAM wp, LPARAM lp);
    LRESULT OnClose(WPARAM wp, LPARAM lp);
    void OnFindFiles();
    void OnViewStyle(UINT nID);
    void OnUpdateViewStyle(CCmdUI* pCmdUI);

    // The toolbar's images; the toolbar window is gone before the frame object.
    CImageList m_toolbarImages;

    DECLARE_MESSAGE_MAP()
};

// The toolbar's entries in order; 0 is a separator.
extern const UINT g_explorerToolbarButtons[16];
