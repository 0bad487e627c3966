#include "MenuCloser.h"

#ifndef MN_GETHMENU
#define MN_GETHMENU 0x01E1
#endif

namespace {
// The menu a popup menu window shows, once it has its items.
HMENU MenuOf(HWND h)
{
    HMENU menu = (HMENU)::SendMessageA(h, MN_GETHMENU, 0, 0);
    return menu && ::GetMenuItemCount(menu) > 0 ? menu : nullptr;
}
}  // namespace

std::string MenuLayout(HMENU menu)
{
    std::string layout;
    int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; i++) {
        if (i) layout += "|";
        char text[256] = "";
        MENUITEMINFOA mii = {};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        mii.dwTypeData = text;
        mii.cch = sizeof text;
        if (!::GetMenuItemInfoA(menu, (UINT)i, TRUE, &mii)) continue;
        if (mii.fType & MFT_SEPARATOR)
            layout += "-";
        else if (mii.hSubMenu)
            layout += std::string(text) + "{" + MenuLayout(mii.hSubMenu) + "}";
        else
            layout += std::string(text) + "=" + std::to_string(mii.wID);
    }
    return layout;
}

HWND FindPopupMenu(DWORD pid)
{
    return FindTopWindowWhere(0, [pid](HWND h) { return IsWindowOf(h, pid, "#32768"); });
}

CMenuCloser::CMenuCloser(const char* pick, int timeoutMs, char key)
    : m_pick(pick), m_key(key),
      m_watch([](HWND h) { return IsWindowOf(h, 0, "#32768") && MenuOf(h); }, [this](HWND h, size_t) { Answer(h); },
              1, timeoutMs)
{
}

void CMenuCloser::Answer(HWND found)
{
    HMENU menu = MenuOf(found);
    int count = menu ? ::GetMenuItemCount(menu) : 0;
    int chosen = -1;
    if (menu) m_layout = MenuLayout(menu);
    for (int i = 0; i < count; i++) {
        char text[256] = "";
        ::GetMenuStringA(menu, (UINT)i, text, sizeof text, MF_BYPOSITION);
        m_items.push_back(text);
        std::string plain(text);
        plain = plain.substr(0, plain.find('\t'));
        if (!m_pick.empty() && plain == m_pick) chosen = i;
    }
    if (m_pfnCheck) m_bCheckWhileOpen = m_pfnCheck();
    if (chosen >= 0) {
        // Down to the item, then Enter, as the keyboard would.
        for (int i = 0; i <= chosen; i++) ::PostMessageA(found, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(found, WM_KEYDOWN, VK_RETURN, 0);
    } else if (m_key) {
        // Escape after it: a key the menu does not take leaves it open otherwise.
        ::PostMessageA(found, WM_CHAR, (WPARAM)(unsigned char)m_key, 0);
        ::PostMessageA(found, WM_KEYDOWN, VK_ESCAPE, 0);
    } else {
        ::PostMessageA(found, WM_KEYDOWN, VK_ESCAPE, 0);
    }
}
