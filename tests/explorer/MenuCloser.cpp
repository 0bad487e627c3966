#include "MenuCloser.h"

#ifndef MN_GETHMENU
#define MN_GETHMENU 0x01E1
#endif

namespace {
struct MenuSearch {
    DWORD pid;
    HWND found;
};
BOOL CALLBACK FindMenuWindow(HWND h, LPARAM lp)
{
    MenuSearch* s = (MenuSearch*)lp;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(h, &pid);
    char cls[32] = "";
    ::GetClassNameA(h, cls, sizeof cls);
    if (pid == s->pid && !strcmp(cls, "#32768") && ::IsWindowVisible(h)) {
        s->found = h;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND FindPopupMenu(DWORD pid)
{
    MenuSearch s = {pid, nullptr};
    ::EnumWindows(FindMenuWindow, (LPARAM)&s);
    return s.found;
}

CMenuCloser::CMenuCloser(const char* pick, int timeoutMs, char key) : m_pick(pick), m_key(key), m_timeoutMs(timeoutMs)
{
    m_thread = ::CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

CMenuCloser::~CMenuCloser() { Wait(); }

DWORD WINAPI CMenuCloser::Run(LPVOID self)
{
    CMenuCloser* c = (CMenuCloser*)self;
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < (DWORD)c->m_timeoutMs) {
        HWND found = FindPopupMenu(::GetCurrentProcessId());
        HMENU menu = found ? (HMENU)::SendMessageA(found, MN_GETHMENU, 0, 0) : nullptr;
        int count = menu ? ::GetMenuItemCount(menu) : 0;
        if (count > 0) {
            int chosen = -1;
            for (int i = 0; i < count; i++) {
                char text[256] = "";
                ::GetMenuStringA(menu, (UINT)i, text, sizeof text, MF_BYPOSITION);
                c->m_items.push_back(text);
                std::string plain(text);
                plain = plain.substr(0, plain.find('\t'));
                if (!c->m_pick.empty() && plain == c->m_pick) chosen = i;
            }
            if (c->m_pfnCheck) c->m_bCheckWhileOpen = c->m_pfnCheck();
            c->m_bSeen = true;
            if (chosen >= 0) {
                // Down to the item, then Enter, as the keyboard would.
                for (int i = 0; i <= chosen; i++) ::PostMessageA(found, WM_KEYDOWN, VK_DOWN, 0);
                ::PostMessageA(found, WM_KEYDOWN, VK_RETURN, 0);
            } else if (c->m_key) {
                // Escape after it: a key the menu does not take leaves it open otherwise.
                ::PostMessageA(found, WM_CHAR, (WPARAM)(unsigned char)c->m_key, 0);
                ::PostMessageA(found, WM_KEYDOWN, VK_ESCAPE, 0);
            } else {
                ::PostMessageA(found, WM_KEYDOWN, VK_ESCAPE, 0);
            }
            return 0;
        }
        ::Sleep(20);
    }
    return 0;
}

bool CMenuCloser::Wait()
{
    if (m_thread) {
        ::WaitForSingleObject(m_thread, INFINITE);
        ::CloseHandle(m_thread);
        m_thread = nullptr;
    }
    return m_bSeen;
}
