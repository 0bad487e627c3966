#include "viewer/PrintProgress.h"
#include "fw/String.h"

CPrintProgressDlg* CPrintProgressDlg::s_current = nullptr;

CPrintProgressDlg::~CPrintProgressDlg()
{
    if (s_current == this) s_current = nullptr;
    // The owner first, so that it is the window activated when the box goes.
    if (m_owner) ::EnableWindow(m_owner, TRUE);
    DestroyWindow();
}

BOOL CPrintProgressDlg::Open(HWND owner, HDC dc, const char* path)
{
    if (s_current || !Create(IDD_PRINTING, owner)) return FALSE;
    s_current = this;
    const char* name = strrchr(path, '\\');
    SetDlgItemText(IDC_PRINT_FILE, name ? name + 1 : path);
    m_owner = owner;
    if (m_owner) ::EnableWindow(m_owner, FALSE);
    ShowWindow(SW_SHOW);
    UpdateWindow();
    ::SetAbortProc(dc, AbortProc);
    return TRUE;
}

void CPrintProgressDlg::ShowPage(int page)
{
    CString text;
    text.Format("Page %d", page);
    SetDlgItemText(IDC_PRINT_PAGE, text);
}

bool CPrintProgressDlg::Pump()
{
    MSG msg;
    while (!m_bCancelled && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The application is ending: the job stops, and the quit goes on afterwards.
            m_bCancelled = true;
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (m_hWnd && ::IsDialogMessageA(m_hWnd, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return !m_bCancelled;
}

bool CPrintProgressDlg::CancelRunningJob()
{
    if (!s_current) return false;
    s_current->m_bCancelled = true;
    return true;
}

BOOL CALLBACK CPrintProgressDlg::AbortProc(HDC, int)
{
    return s_current ? s_current->Pump() : TRUE;
}
