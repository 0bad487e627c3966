#include "DialogAnswerer.h"
#include "support/Wait.h"
#include "res/resource.h"

bool IsNameDialog(HWND h)
{
    char cls[32] = "";
    HWND edit = ::GetDlgItem(h, IDC_NAME_EDIT);
    if (!edit || !::GetDlgItem(h, IDC_NAME_LABEL)) return false;
    ::GetClassNameA(edit, cls, sizeof cls);
    return !_stricmp(cls, "Edit");
}

HWND FindDialogOf(DWORD pid, bool bSkipNameDialog)
{
    return FindTopWindowWhere(
        0, [&](HWND h) { return IsWindowOf(h, pid, "#32770") && !(bSkipNameDialog && IsNameDialog(h)); });
}

bool Exists(const char* path) { return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

CDialogAnswerer::CDialogAnswerer(int button, DWORD pid, int timeoutMs) : CDialogAnswerer({button}, pid, timeoutMs) {}

CDialogAnswerer::CDialogAnswerer(std::initializer_list<int> buttons, DWORD pid, int timeoutMs)
    : m_buttons(buttons),
      // Visible again after the look for the name field: a name dialog closing meanwhile has
      // lost its field and is no other dialog.
      m_watch([pid](HWND h) { return IsWindowOf(h, pid, "#32770") && !IsNameDialog(h) && ::IsWindowVisible(h); },
              [this](HWND h, size_t k) {
                  // A dialog found while the platform still makes it has neither its caption nor
                  // its buttons: a click then would be lost.
                  WaitFor([&] {
                      char title[8] = "";
                      ::SendMessageA(h, WM_GETTEXT, sizeof title, (LPARAM)title);
                      return !::IsWindow(h) || (*title && ::GetDlgItem(h, m_buttons[k]));
                  }, 5000);
                  char caption[512] = "";
                  ::SendMessageA(h, WM_GETTEXT, sizeof caption, (LPARAM)caption);
                  m_captions.push_back(caption);
                  m_texts.push_back(StaticTexts(h));
                  int button = m_buttons[k];
                  ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), (LPARAM)::GetDlgItem(h, button));
              },
              buttons.size(), timeoutMs, true)
{
}
