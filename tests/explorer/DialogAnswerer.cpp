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

CDialogAnswerer::CDialogAnswerer(int button, DWORD pid, int timeoutMs) : CDialogAnswerer({button}, pid, timeoutMs) {}

CDialogAnswerer::CDialogAnswerer(std::initializer_list<int> buttons, DWORD pid, int timeoutMs)
    : m_buttons(buttons), m_pid(pid ? pid : ::GetCurrentProcessId()), m_timeoutMs(timeoutMs)
{
    m_thread = ::CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

CDialogAnswerer::~CDialogAnswerer() { Wait(); }

DWORD WINAPI CDialogAnswerer::Run(LPVOID self)
{
    CDialogAnswerer* a = (CDialogAnswerer*)self;
    for (int button : a->m_buttons) {
        HWND h = nullptr;
        DWORD start = ::GetTickCount();
        while (!(h = FindDialogOf(a->m_pid, true))) {
            if (::GetTickCount() - start > (DWORD)a->m_timeoutMs) return 0;
            ::Sleep(20);
        }
        char buf[512] = "";
        ::SendMessageA(h, WM_GETTEXT, sizeof buf, (LPARAM)buf);
        std::string text;
        ::EnumChildWindows(h, CollectStatic, (LPARAM)&text);
        a->m_captions.push_back(buf);
        a->m_texts.push_back(text);
        if (a->m_captions.size() == 1) {
            a->m_caption = buf;
            a->m_text = text;
        }
        ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), (LPARAM)::GetDlgItem(h, button));
        a->m_bAnswered = true;
        // The next dialog is another window: wait for this one to go.
        start = ::GetTickCount();
        while (::IsWindow(h) && ::IsWindowVisible(h)) {
            if (::GetTickCount() - start > (DWORD)a->m_timeoutMs) return 0;
            ::Sleep(20);
        }
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
