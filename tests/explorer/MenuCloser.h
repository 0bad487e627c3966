// Watches for a popup menu of this process, keeps its item texts and closes it with Escape
// (or picks an item by its text, or types a character into it), from another thread while the
// test's thread tracks it.
#pragma once

#include "support/TestSupport.h"
#include <string>
#include <vector>

// The visible popup menu window of process pid, or null.
HWND FindPopupMenu(DWORD pid);

class CMenuCloser {
public:
    // pick: the text of the item to choose (up to a tab); key: a character to type instead;
    // neither: close with Escape.
    explicit CMenuCloser(const char* pick = "", int timeoutMs = 10000, char key = 0);
    ~CMenuCloser();
    CMenuCloser(const CMenuCloser&) = delete;
    CMenuCloser& operator=(const CMenuCloser&) = delete;

    bool Wait();  // false when no menu came
    std::vector<std::string> Items() { Wait(); return m_items; }
    // What a check of the caller's saw while the menu was open.
    bool m_bCheckWhileOpen = false;
    bool (*m_pfnCheck)() = nullptr;

private:
    static DWORD WINAPI Run(LPVOID self);
    HANDLE m_thread = nullptr;
    std::string m_pick;
    char m_key;
    int m_timeoutMs;
    bool m_bSeen = false;
    std::vector<std::string> m_items;
};
