#include "support/WindowWatcher.h"
#include "support/Wait.h"
#include <string>

CWindowWatcher::CWindowWatcher(Match match, Action act, size_t count, int timeoutMs, bool untilGone)
    : m_match(std::move(match)), m_act(std::move(act)), m_count(count), m_timeoutMs(timeoutMs), m_bUntilGone(untilGone)
{
    m_thread = ::CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

CWindowWatcher::~CWindowWatcher() { Wait(); }

size_t CWindowWatcher::Wait()
{
    if (m_thread) {
        // The action may send to this thread's windows (a dialog it owns): those messages are
        // answered while waiting, nothing else is taken from the queue.
        MSG msg;
        while (::MsgWaitForMultipleObjects(1, &m_thread, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0)
            ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        ::CloseHandle(m_thread);
        m_thread = nullptr;
    }
    return m_acted;
}

size_t CWindowWatcher::Stop()
{
    m_bStop = true;
    return Wait();
}

namespace {
struct Search {
    DWORD pid;
    const std::function<bool(HWND)>& match;
    HWND found;
};
BOOL CALLBACK Visit(HWND h, LPARAM lp)
{
    Search* s = (Search*)lp;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(h, &pid);
    if ((s->pid && pid != s->pid) || !s->match(h)) return TRUE;
    s->found = h;
    return FALSE;
}
}  // namespace

HWND FindTopWindowWhere(DWORD pid, const std::function<bool(HWND)>& match)
{
    Search s = {pid, match, nullptr};
    ::EnumWindows(Visit, (LPARAM)&s);
    return s.found;
}

HWND CWindowWatcher::Find() const { return FindTopWindowWhere(0, m_match); }

DWORD WINAPI CWindowWatcher::Run(LPVOID self)
{
    CWindowWatcher* w = (CWindowWatcher*)self;
    while (w->m_acted < w->m_count) {
        HWND h = nullptr;
        // Looked for once more after a stop: a window already open is still answered.
        WaitFor([&] { return (h = w->Find()) != nullptr || w->m_bStop; }, w->m_timeoutMs);
        if (!h) break;
        w->m_act(h, w->m_acted);
        w->m_acted++;
        if (w->m_bUntilGone)
            WaitFor([&] { return !::IsWindow(h) || !::IsWindowVisible(h) || w->m_bStop; }, w->m_timeoutMs);
        if (w->m_bStop) break;
    }
    return 0;
}

bool IsWindowOf(HWND h, DWORD pid, const char* className)
{
    DWORD owner = 0;
    ::GetWindowThreadProcessId(h, &owner);
    if (owner != (pid ? pid : ::GetCurrentProcessId()) || !::IsWindowVisible(h)) return false;
    char cls[64] = "";
    ::GetClassNameA(h, cls, sizeof cls);
    return !strcmp(cls, className);
}

bool IsMessageBox(HWND h) { return ::GetDlgItem(h, 0xFFFF) != nullptr; }

namespace {
BOOL CALLBACK CollectStatic(HWND h, LPARAM lp)
{
    std::string* text = (std::string*)lp;
    char cls[32] = "";
    ::GetClassNameA(h, cls, sizeof cls);
    if (!_stricmp(cls, "Static")) {
        char buf[1024] = "";
        ::SendMessageA(h, WM_GETTEXT, sizeof buf, (LPARAM)buf);
        if (buf[0]) {
            if (!text->empty()) *text += "|";
            *text += buf;
        }
    }
    return TRUE;
}
}  // namespace

std::string StaticTexts(HWND dialog)
{
    std::string text;
    ::EnumChildWindows(dialog, CollectStatic, (LPARAM)&text);
    return text;
}
