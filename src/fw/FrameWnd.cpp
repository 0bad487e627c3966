#include "fw/afx.h"
#include "fw/FrameWnd.h"
#include "fw/WinApp.h"

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopup)
END_MESSAGE_MAP()

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD style, HWND hParent, const char* title)
{
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    CString caption(title);
    if (!title) caption.LoadString(nIDResource);
    HMENU hMenu = ::LoadMenuA(hInst, MAKEINTRESOURCEA(nIDResource));
    m_hAccelTable = ::LoadAcceleratorsA(hInst, MAKEINTRESOURCEA(nIDResource));
    const char* cls = RegisterFrameworkClass(nIDResource, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
    HWND h = CreateOwnWindow(0, cls, caption, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             hParent, hMenu, nullptr);
    if (!h) {
        // A window that went during its own creation took its menu with it.
        if (hMenu && ::IsMenu(hMenu)) ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, UINT nCode, void* pExtra)
{
    CWnd* view = GetActiveView();
    if (view && view->OnCmdMsg(nID, nCode, pExtra)) return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra)) return TRUE;
    CWinApp* app = AfxGetApp();
    return app ? app->OnCmdMsg(nID, nCode, pExtra) : FALSE;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_hAccelTable && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg) != 0;
    return FALSE;
}

LRESULT CFrameWnd::OnInitMenuPopup(WPARAM wp, LPARAM lp)
{
    if (HIWORD(lp)) return DefWindowProc(WM_INITMENUPOPUP, wp, lp);  // the system menu
    HMENU hPopup = (HMENU)wp;
    int n = ::GetMenuItemCount(hPopup);
    for (int i = 0; i < n; i++) {
        UINT id = ::GetMenuItemID(hPopup, i);
        if (id == 0 || id == (UINT)-1) continue;  // separators and sub-menus
        CCmdUI ui(hPopup, (UINT)i, id);
        OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui);
    }
    return 0;
}

void CFrameWnd::PostNcDestroy()
{
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
}
