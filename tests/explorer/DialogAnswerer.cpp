#include "DialogAnswerer.h"
#include "res/resource.h"

namespace {
struct DialogSearch {
    DWORD pid;
    bool skipNameDialog;
    HWND found;
};
bool IsNameDialog(HWND h)
{
    char cls[32] = "";
    HWND edit = ::GetDlgItem(h, IDC_NAME_EDIT);
    if (!edit || !::GetDlgItem(h, IDC_NAME_LABEL)) return false;
    ::GetClassNameA(edit, cls, sizeof cls);
    return !_stricmp(cls, "Edit");
}
BOOL CALLBACK FindDialog(HWND h, LPARAM lp)
{
    DialogSearch* s = (DialogSearch*)lp;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(h, &pid);
    char cls[32] = "";
    ::GetClassNameA(h, cls, sizeof cls);
    if (pid == s->pid && !strcmp(cls, "#32770") && ::IsWindowVisible(h) && !(s->skipNameDialog && IsNameDialog(h))) {
        s->found = h;
        return FALSE;
    }
    return TRUE;
}
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

HWND FindDialogOf(DWORD pid, bool bSkipNameDialog)
{
    DialogSearch s = {pid ? pid : ::GetCurrentProcessId(), bSkipNameDialog, nullptr};
    ::EnumWindows(FindDialog, (LPARAM)&s);
    return s.found;
}

bool Exists(const char* path) { return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

CDialogAnswerer::CDialogAnswerer(int button, DWORD pid, int timeoutMs)
    : m_button(button), m_pid(pid ? pid : ::GetCurrentProcessId()), m_timeoutMs(timeoutMs)
{
    m_thread = ::CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

CDialogAnswerer::~CDialogAnswerer() { Wait(); }

DWORD WINAPI CDialogAnswerer::Run(LPVOID self)
{
    CDialogAnswerer* a = (CDialogAnswerer*)self;
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < (DWORD)a->m_timeoutMs) {
        HWND h = FindDialogOf(a->m_pid, true);
        if (h) {
            char buf[512] = "";
            ::SendMessageA(h, WM_GETTEXT, sizeof buf, (LPARAM)buf);
            a->m_caption = buf;
            ::EnumChildWindows(h, CollectStatic, (LPARAM)&a->m_text);
            HWND button = ::GetDlgItem(h, a->m_button);
            ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(a->m_button, BN_CLICKED), (LPARAM)button);
            a->m_bAnswered = true;
            return 0;
        }
        ::Sleep(20);
    }
    return 0;
}

bool CDialogAnswerer::Wait()
{
    if (m_thread) {
        ::WaitForSingleObject(m_thread, INFINITE);
        ::CloseHandle(m_thread);
        m_thread = nullptr;
    }
    return m_bAnswered;
}
