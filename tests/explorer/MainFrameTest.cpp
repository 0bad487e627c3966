// The explorer's main frame made the way the application makes it.
#include "FrameFixture.h"
#include "fw/DocTemplate.h"
#include "res/resource.h"
#include <shellapi.h>

namespace {

class MainFrame : public ExplorerFrameTest {
protected:
    CBrindlexDoc* Doc() { return static_cast<CBrindlexDoc*>(AfxGetDocTemplate()->GetDocument()); }
    HMENU Popup(int pos) { return ::GetSubMenu(frame->GetMenu(), pos); }
    std::string ItemText(HMENU menu, int pos)
    {
        char text[128] = "";
        ::GetMenuStringA(menu, pos, text, sizeof text, MF_BYPOSITION);
        return text;
    }
    UINT ItemState(HMENU menu, int pos)
    {
        MENUITEMINFOA mi = {};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_STATE | MIIM_FTYPE;
        ::GetMenuItemInfoA(menu, pos, TRUE, &mi);
        return mi.fState | mi.fType;
    }
};

}  // namespace

TEST_F(MainFrame, CaptionIsTheFolderOnShowAndTheTitle)
{
    char win[MAX_PATH];
    ::GetWindowsDirectoryA(win, sizeof win);
    EXPECT_EQ(frame->GetWindowText(), CString(win).Left(3) + " - Brindlex Explorer");
    Doc()->SetTitle("T:\\Data");
    EXPECT_EQ(frame->GetWindowText(), "T:\\Data - Brindlex Explorer");
    EXPECT_EQ(frame->GetFrameTitle(), "Brindlex Explorer");
}

TEST_F(MainFrame, SplitterHoldsTheTreeLeftAndTheListRight)
{
    EXPECT_TRUE(dynamic_cast<CLeftView*>(frame->m_wndSplitter.GetPane(0, 0)));
    EXPECT_EQ(frame->GetListView(), Doc()->m_pListView);
    EXPECT_EQ(frame->m_wndSplitter.GetPane(0, 0), (CWnd*)Doc()->m_pTreeView);
    int cur = 0, min = 0;
    frame->m_wndSplitter.GetColumnInfo(0, cur, min);
    EXPECT_EQ(cur, 350);
    EXPECT_EQ(min, 100);
    RECT rc;
    ::GetWindowRect(Doc()->m_pTreeView->m_hWnd, &rc);
    EXPECT_EQ(rc.right - rc.left, 350);
}

TEST_F(MainFrame, ToolbarHasItsSixteenEntriesImagesAndTips)
{
    HWND tb = frame->m_wndToolBar.m_hWnd;
    ASSERT_EQ(::SendMessageA(tb, TB_BUTTONCOUNT, 0, 0), 16);
    const int ids[16] = {ID_NEW_FILE,   ID_NEW_FOLDER, ID_VIEW_FILE, ID_UP,      ID_FIND_FILES, 0,
                         ID_EDIT_COPY,  ID_EDIT_PASTE, ID_DELETE,    ID_RECYCLE, 0,             ID_REFRESH,
                         ID_VIEW_LIST,  ID_VIEW_DETAILS, 0,          ID_HELP_CONTENTS};
    const char* tips[16] = {"New file", "New folder", "View", "Up", "Find", "", "Copy", "Paste", "Delete", "Recycle bin",
                            "", "Refresh", "List", "Details", "", "Help"};
    int image = 0;
    for (int i = 0; i < 16; i++) {
        TBBUTTON b = {};
        ASSERT_TRUE(::SendMessageA(tb, TB_GETBUTTON, i, (LPARAM)&b));
        if (!ids[i]) {
            EXPECT_TRUE(b.fsStyle & TBSTYLE_SEP) << i;
            continue;
        }
        EXPECT_EQ(b.idCommand, ids[i]);
        EXPECT_EQ(b.iBitmap, image++);
        // The tip as the toolbar's tooltip asks for it.
        NMTTDISPINFOA di = {};
        di.hdr.hwndFrom = tb;
        di.hdr.idFrom = (UINT_PTR)ids[i];
        di.hdr.code = TTN_GETDISPINFOA;
        ::SendMessageA(tb, WM_NOTIFY, 0, (LPARAM)&di);
        EXPECT_STREQ(di.lpszText, tips[i]);
    }
    HIMAGELIST images = (HIMAGELIST)::SendMessageA(tb, TB_GETIMAGELIST, 0, 0);
    EXPECT_EQ(ImageList_GetImageCount(images), 13);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(images, &cx, &cy);
    EXPECT_EQ(cx, 24);
    EXPECT_EQ(cy, 24);
    EXPECT_EQ(frame->m_wndToolBar.GetBarStyle() & (CBRS_TOOLTIPS | CBRS_FLYBY), CBRS_TOOLTIPS | CBRS_FLYBY);
    EXPECT_EQ(HIWORD(::SendMessageA(tb, TB_GETBUTTONSIZE, 0, 0)), 30);
}

TEST_F(MainFrame, ToolbarSitsInAGripperBandAndTheViewMenuHidesIt)
{
    HWND rebar = frame->m_wndReBar.m_hWnd;
    ASSERT_EQ(::SendMessageA(rebar, RB_GETBANDCOUNT, 0, 0), 1);
    REBARBANDINFOA bi = {};
    bi.cbSize = sizeof bi;
    bi.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE;
    ASSERT_TRUE(::SendMessageA(rebar, RB_GETBANDINFOA, 0, (LPARAM)&bi));
    EXPECT_EQ(bi.hwndChild, frame->m_wndToolBar.m_hWnd);
    EXPECT_EQ(bi.fStyle & (RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP), (UINT)(RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP));
    EXPECT_EQ(bi.cyMinChild, 36u);
    RECT tree0;
    ::GetWindowRect(Doc()->m_pTreeView->m_hWnd, &tree0);

    HMENU view = Popup(2);
    ASSERT_EQ(ItemText(view, 0), "&Toolbar");
    ::SendMessageA(frame->m_hWnd, WM_INITMENUPOPUP, (WPARAM)view, 2);
    EXPECT_TRUE(ItemState(view, 0) & MFS_CHECKED);
    ::SendMessageA(frame->m_hWnd, WM_COMMAND, ID_VIEW_TOOLBAR, 0);
    EXPECT_FALSE(::IsWindowVisible(rebar));
    ::SendMessageA(frame->m_hWnd, WM_INITMENUPOPUP, (WPARAM)view, 2);
    EXPECT_FALSE(ItemState(view, 0) & MFS_CHECKED);
    RECT tree1;
    ::GetWindowRect(Doc()->m_pTreeView->m_hWnd, &tree1);
    EXPECT_LT(tree1.top, tree0.top);  // the panes took the room
    ::SendMessageA(frame->m_hWnd, WM_COMMAND, ID_VIEW_TOOLBAR, 0);
    EXPECT_TRUE(::IsWindowVisible(rebar));
    ::GetWindowRect(Doc()->m_pTreeView->m_hWnd, &tree1);
    EXPECT_EQ(tree1.top, tree0.top);
}

TEST_F(MainFrame, ListAndDetailsCarryRadioMarks)
{
    HMENU view = Popup(2);
    ASSERT_EQ(ItemText(view, 1), "List");
    ASSERT_EQ(ItemText(view, 2), "Details");
    ::SendMessageA(frame->m_hWnd, WM_INITMENUPOPUP, (WPARAM)view, 2);
    EXPECT_TRUE(ItemState(view, 1) & MFS_CHECKED);
    EXPECT_TRUE(ItemState(view, 1) & MFT_RADIOCHECK);
    EXPECT_FALSE(ItemState(view, 2) & MFS_CHECKED);
    ::SendMessageA(frame->m_hWnd, WM_COMMAND, ID_VIEW_DETAILS, 0);
    EXPECT_EQ(frame->GetListView()->GetViewType(), (DWORD)LVS_REPORT);
    EXPECT_TRUE(g_bDetailsShading);
    ::SendMessageA(frame->m_hWnd, WM_INITMENUPOPUP, (WPARAM)view, 2);
    EXPECT_FALSE(ItemState(view, 1) & MFS_CHECKED);
    EXPECT_TRUE(ItemState(view, 2) & MFS_CHECKED);
    ::SendMessageA(frame->m_hWnd, WM_COMMAND, ID_VIEW_LIST, 0);
    EXPECT_EQ(frame->GetListView()->GetViewType(), (DWORD)LVS_LIST);
}

TEST_F(MainFrame, MenuTextsAreTheExplorersOwn)
{
    const char* top[] = {"&File", "&Edit", "&View", "&Help"};
    for (int i = 0; i < 4; i++) EXPECT_EQ(ItemText(frame->GetMenu(), i), top[i]);
    EXPECT_EQ(ItemText(Popup(0), 0), "Brin&dlex\tCtrl+K");
    EXPECT_EQ(ItemText(Popup(0), 9), "Find Files\tF3");
    EXPECT_EQ(ItemText(Popup(1), 3), "Recycle &Bin\tCtrl+B");
    EXPECT_EQ(ItemText(Popup(2), 4), "Options");
    EXPECT_EQ(ItemText(Popup(2), 5), "Refresh");
    EXPECT_EQ(ItemText(Popup(3), 0), "Help Contents     F1");
}

TEST_F(MainFrame, CommandsGoToThePaneWithTheFocusFirst)
{
    CLeftView* tree = Doc()->m_pTreeView;
    CBrindlexView* list = Doc()->m_pListView;
    EXPECT_EQ(frame->GetActiveView(), (CWnd*)tree);  // the first pane to start with
    ::SetFocus(list->m_hWnd);
    EXPECT_EQ(frame->GetActiveView(), (CWnd*)list);
    ::SetFocus(tree->m_hWnd);
    EXPECT_EQ(frame->GetActiveView(), (CWnd*)tree);
    // Up from the active list selects the tree's parent item.
    CTreeCtrl t = tree->GetTreeCtrl();
    HTREEITEM root = t.GetSelectedItem();
    ASSERT_TRUE(root);
    t.Expand(root, TVE_EXPAND);
    HTREEITEM child = t.GetChildItem(root);
    ASSERT_TRUE(child);
    t.SelectItem(child);
    ::SetFocus(list->m_hWnd);
    ::SendMessageA(frame->m_hWnd, WM_COMMAND, ID_UP, 0);
    EXPECT_EQ(t.GetSelectedItem(), root);
}

TEST_F(MainFrame, ClosingTheFrameTakesTheDocumentAlong)
{
    ASSERT_TRUE(Doc());
    ::DestroyWindow(frame->m_hWnd);
    frame = nullptr;
    EXPECT_EQ(AfxGetDocTemplate()->GetDocument(), nullptr);
    EXPECT_EQ(AfxGetDocTemplate()->GetFrame(), nullptr);
}

// The panes show the shell's system image list: closing them must leave it to the shell.
TEST_F(MainFrame, TheSystemImageListOutlivesThePanes)
{
    ASSERT_TRUE(g_systemImageList);
    int count = ImageList_GetImageCount(g_systemImageList);
    ASSERT_GT(count, 0);
    HWND list = Doc()->m_pListView->m_hWnd, tree = Doc()->m_pTreeView->m_hWnd;
    EXPECT_EQ((HIMAGELIST)::SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0), g_systemImageList);
    EXPECT_EQ((HIMAGELIST)::SendMessageA(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0), g_systemImageList);
    EXPECT_NE(::GetWindowLongA(list, GWL_STYLE) & LVS_SHAREIMAGELISTS, 0);
    ::DestroyWindow(frame->m_hWnd);
    frame = nullptr;
    EXPECT_EQ(ImageList_GetImageCount(g_systemImageList), count);
    EXPECT_EQ(ImageList_GetImageCount(AttachSystemImageList()), count);
}

TEST_F(MainFrame, OpeningADocumentFileRetitlesButKeepsThePanes)
{
    CTempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File("notes.txt"), "x"));
    CTreeCtrl tree = Doc()->m_pTreeView->GetTreeCtrl();
    int roots = 0;
    for (HTREEITEM h = tree.GetRootItem(); h; h = tree.GetNextSiblingItem(h)) roots++;
    int columns = Header_GetItemCount((HWND)::SendMessageA(Doc()->m_pListView->m_hWnd, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(AfxGetDocTemplate()->OpenDocumentFile(dir.File("notes.txt")), (CDocument*)Doc());
    EXPECT_EQ(frame->GetWindowText(), "notes.txt - Brindlex Explorer");
    int after = 0;
    for (HTREEITEM h = tree.GetRootItem(); h; h = tree.GetNextSiblingItem(h)) after++;
    EXPECT_EQ(after, roots);
    EXPECT_EQ(Header_GetItemCount((HWND)::SendMessageA(Doc()->m_pListView->m_hWnd, LVM_GETHEADER, 0, 0)), columns);
    EXPECT_EQ(AfxGetDocTemplate()->OpenDocumentFile(dir.File("missing.txt")), nullptr);
    EXPECT_TRUE(AfxDocFileNew());
    EXPECT_EQ(AfxGetDocTemplate()->GetFrame(), frame);
}
