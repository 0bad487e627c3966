#include "NameAnswerer.h"
#include "DialogAnswerer.h"
#include "res/resource.h"

CNameAnswerer::CNameAnswerer(const char* name, int button, DWORD pid, int timeoutMs)
    : m_name(name), m_button(button), m_pid(pid ? pid : ::GetCurrentProcessId()), m_timeoutMs(timeoutMs)
{
    m_thread = ::CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

CNameAnswerer::~CNameAnswerer() { Wait(); }

static std::string TextOf(HWND h)
{
    char buf[1024] = "";
    ::SendMessageA(h, WM_GETTEXT, sizeof buf, (LPARAM)buf);
    return buf;
}

DWORD WINAPI CNameAnswerer::Run(LPVOID self)
{
    CNameAnswerer* a = (CNameAnswerer*)self;
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < (DWORD)a->m_timeoutMs) {
        HWND h = FindDialogOf(a->m_pid);
        HWND edit = h ? ::GetDlgItem(h, IDC_NAME_EDIT) : nullptr;
        if (edit) {
            a->m_caption = TextOf(h);
            a->m_label = TextOf(::GetDlgItem(h, IDC_NAME_LABEL));
            a->m_initial = TextOf(edit);
            DWORD s = 0, e = 0;
            ::SendMessageA(edit, EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
            a->m_selStart = s;
            a->m_selEnd = e;
            GUITHREADINFO gti = {};
            gti.cbSize = sizeof gti;
            if (::GetGUIThreadInfo(::GetWindowThreadProcessId(h, nullptr), &gti)) a->m_bEditFocused = gti.hwndFocus == edit;
            ::SendMessageA(edit, WM_SETTEXT, 0, (LPARAM)a->m_name.c_str());
            ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(a->m_button, BN_CLICKED), (LPARAM)::GetDlgItem(h, a->m_button));
            a->m_bAnswered = true;
            return 0;
        }
        ::Sleep(20);
    }
    return 0;
}

bool CNameAnswerer::Wait()
{
    if (m_thread) {
        ::WaitForSingleObject(m_thread, INFINITE);
        ::CloseHandle(m_thread);
        m_thread = nullptr;
    }
    return m_bAnswered;
}
