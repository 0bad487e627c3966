// CShellMenuOwner: the owner of a shell context menu while it is tracked. A message-only
// window of its own receives what the menu sends its owner and hands WM_INITMENUPOPUP,
// WM_DRAWITEM, WM_MEASUREITEM and WM_MENUCHAR to the shell's menu object, so the sub-menus
// the shell builds and draws itself work, whichever pane asked for the menu.
#pragma once

#include "fw/ComPtr.h"
#include "fw/Wnd.h"
#include <shlobj.h>

// The command ids the shell may give its verbs: 1 up to this.
const UINT SHELL_MENU_LAST_ID = 0x7FFF;
// The title of the owner's window, by which it can be found while the menu is up.
extern const char SHELL_MENU_OWNER_TITLE[];

class CShellMenuOwner : public CWnd {
public:
    // Lets menu fill a new popup (the explorer's verbs), tracks it at screen (x, y) and invokes
    // the chosen verb with hInvoker as the owner of whatever the verb shows. False when the
    // shell filled no menu; true when it was shown, chosen from or not.
    static bool TrackMenu(IContextMenu* menu, HWND hInvoker, int x, int y);

protected:
    explicit CShellMenuOwner(IContextMenu* menu);
    LRESULT OnInitMenuPopup(WPARAM wp, LPARAM lp) { return Forward(WM_INITMENUPOPUP, wp, lp); }
    LRESULT OnDrawItem(WPARAM wp, LPARAM lp) { return Forward(WM_DRAWITEM, wp, lp); }
    LRESULT OnMeasureItem(WPARAM wp, LPARAM lp) { return Forward(WM_MEASUREITEM, wp, lp); }
    LRESULT OnMenuChar(WPARAM wp, LPARAM lp) { return Forward(WM_MENUCHAR, wp, lp); }
    // The shell's answer when it takes the message, else the default one.
    LRESULT Forward(UINT msg, WPARAM wp, LPARAM lp);

    CComPtr<IContextMenu2> m_menu2;
    CComPtr<IContextMenu3> m_menu3;

    DECLARE_MESSAGE_MAP()
};
