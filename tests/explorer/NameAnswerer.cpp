#include "NameAnswerer.h"
#include "DialogAnswerer.h"
#include "res/resource.h"

CNameAnswerer::CNameAnswerer(const char* name, int button, DWORD pid, int timeoutMs)
    : m_name(name), m_button(button),
      m_watch([pid](HWND h) { return IsWindowOf(h, pid, "#32770") && ::GetDlgItem(h, IDC_NAME_EDIT); },
              [this](HWND h, size_t) { Answer(h); }, 1, timeoutMs)
{
}

static std::string TextOf(HWND h)
{
    char buf[1024] = "";
    ::SendMessageA(h, WM_GETTEXT, sizeof buf, (LPARAM)buf);
    return buf;
}

void CNameAnswerer::Answer(HWND h)
{
    HWND edit = ::GetDlgItem(h, IDC_NAME_EDIT);
    m_caption = TextOf(h);
    m_label = TextOf(::GetDlgItem(h, IDC_NAME_LABEL));
    m_initial = TextOf(edit);
    DWORD s = 0, e = 0;
    ::SendMessageA(edit, EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
    m_selStart = s;
    m_selEnd = e;
    GUITHREADINFO gti = {};
    gti.cbSize = sizeof gti;
    if (::GetGUIThreadInfo(::GetWindowThreadProcessId(h, nullptr), &gti)) m_bEditFocused = gti.hwndFocus == edit;
    ::SendMessageA(edit, WM_SETTEXT, 0, (LPARAM)m_name.c_str());
    ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(m_button, BN_CLICKED), (LPARAM)::GetDlgItem(h, m_button));
}
