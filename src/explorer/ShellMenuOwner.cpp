#include "explorer/ShellMenuOwner.h"
#include "fw/Handle.h"

const char SHELL_MENU_OWNER_TITLE[] = "Brindlex shell menu";

BEGIN_MESSAGE_MAP(CShellMenuOwner, CWnd)
    ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopup)
    ON_MESSAGE(WM_DRAWITEM, OnDrawItem)
    ON_MESSAGE(WM_MEASUREITEM, OnMeasureItem)
    ON_MESSAGE(WM_MENUCHAR, OnMenuChar)
END_MESSAGE_MAP()

CShellMenuOwner::CShellMenuOwner(IContextMenu* menu)
{
    if (FAILED(menu->QueryInterface(IID_IContextMenu3, (void**)m_menu3.Receive()))) m_menu3.Release();
    if (FAILED(menu->QueryInterface(IID_IContextMenu2, (void**)m_menu2.Receive()))) m_menu2.Release();
}

LRESULT CShellMenuOwner::Forward(UINT msg, WPARAM wp, LPARAM lp)
{
    LRESULT result = 0;
    if (m_menu3 && SUCCEEDED(m_menu3->HandleMenuMsg2(msg, wp, lp, &result))) return result;
    // The older interface has no answer to give: WM_MENUCHAR is its caller's to answer.
    if (m_menu2 && msg != WM_MENUCHAR && SUCCEEDED(m_menu2->HandleMenuMsg(msg, wp, lp)))
        return msg == WM_INITMENUPOPUP ? 0 : TRUE;
    return DefWindowProc(msg, wp, lp);
}

bool CShellMenuOwner::TrackMenu(IContextMenu* menu, HWND hInvoker, int x, int y)
{
    if (!menu) return false;
    CShellMenuOwner owner(menu);
    RECT none = {};
    if (!owner.CreateEx(0, nullptr, SHELL_MENU_OWNER_TITLE, 0, none, HWND_MESSAGE, 0)) return false;
    CMenuHandle popup(::CreatePopupMenu());
    if (!popup.IsValid()) return false;
    // Filled and invoked through the newest interface the object offers.
    IContextMenu* verbs = owner.m_menu3 ? owner.m_menu3.Get() : owner.m_menu2 ? owner.m_menu2.Get() : menu;
    if (FAILED(verbs->QueryContextMenu(popup, 0, 1, SHELL_MENU_LAST_ID, CMF_EXPLORE))) return false;
    UINT id = (UINT)::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, owner.m_hWnd, nullptr);
    if (id > 0) {
        CMINVOKECOMMANDINFO ici = {};
        ici.cbSize = sizeof ici;
        ici.hwnd = hInvoker;
        ici.lpVerb = MAKEINTRESOURCEA(id - 1);
        ici.nShow = SW_SHOWNORMAL;
        verbs->InvokeCommand(&ici);
    }
    return true;
}
