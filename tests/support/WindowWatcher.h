// Waits from a thread of its own for top-level windows that match, and acts on each as it
// comes: a modal window in the test's own thread (or another process) cannot block it.
// Message boxes, dialogs, the name dialog and popup menus are all answered through it.
#pragma once

#include <windows.h>
#include <atomic>
#include <functional>
#include <string>

class CWindowWatcher {
public:
    using Match = std::function<bool(HWND)>;
    // Gets the window and how many came before it.
    using Action = std::function<void(HWND, size_t)>;

    // Acts on up to count windows, one after the other; gives up when none matches for
    // timeoutMs. untilGone: after acting, waits for the window to go (hidden or destroyed), so a
    // window that stays open is never answered twice and Wait() returns once it has gone.
    CWindowWatcher(Match match, Action act, size_t count = 1, int timeoutMs = 10000, bool untilGone = false);
    ~CWindowWatcher();
    CWindowWatcher(const CWindowWatcher&) = delete;
    CWindowWatcher& operator=(const CWindowWatcher&) = delete;

    // Waits for the watch to end; how many windows it acted on.
    size_t Wait();
    // For when whatever could open a window has returned, so no other can come: acts on a
    // window that is open now, then ends without waiting out the timeout.
    size_t Stop();

private:
    static DWORD WINAPI Run(LPVOID self);
    HWND Find() const;

    Match m_match;
    Action m_act;
    size_t m_count;
    int m_timeoutMs;
    bool m_bUntilGone;
    std::atomic<bool> m_bStop{false};
    size_t m_acted = 0;
    HANDLE m_thread = nullptr;
};

// The first top-level window of process pid (0: any) that match accepts, visible or not.
HWND FindTopWindowWhere(DWORD pid, const std::function<bool(HWND)>& match);
// Top-level windows of a process (pid 0: this one), visible, of a window class.
bool IsWindowOf(HWND h, DWORD pid, const char* className);
// A message box: a dialog with the static text of id 0xFFFF.
bool IsMessageBox(HWND h);
// The static texts of a dialog, joined by '|'.
std::string StaticTexts(HWND dialog);
