// Watches for a popup menu of this process, keeps its item texts and closes it with Escape
// (or picks an item by its text, or types a character into it), from another thread while the
// test's thread tracks it.
#pragma once

#include "support/TestSupport.h"
#include "support/WindowWatcher.h"
#include <string>
#include <vector>

// The visible popup menu window of process pid, or null.
HWND FindPopupMenu(DWORD pid);
// A menu of this process as CMenuCloser::Layout gives it.
std::string MenuLayout(HMENU menu);

class CMenuCloser {
public:
    // pick: the text of the item to choose (up to a tab); key: a character to type instead;
    // neither: close with Escape.
    explicit CMenuCloser(const char* pick = "", int timeoutMs = 10000, char key = 0);

    bool Wait() { return m_watch.Wait() > 0; }  // false when no menu came
    std::vector<std::string> Items() { Wait(); return m_items; }
    // The whole menu with its sub-menus: items "text=id" joined by '|', a separator "-",
    // a sub-menu "text{...}".
    std::string Layout() { Wait(); return m_layout; }
    // What a check of the caller's saw while the menu was open.
    bool m_bCheckWhileOpen = false;
    bool (*m_pfnCheck)() = nullptr;

private:
    void Answer(HWND menuWindow);

    std::string m_pick;
    char m_key;
    std::vector<std::string> m_items;
    std::string m_layout;
    CWindowWatcher m_watch;
};
