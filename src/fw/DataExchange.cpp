#include "fw/DataExchange.h"
#include "fw/Dialog.h"
#include "fw/WinApp.h"

void CDataExchange::Fail(int id, const char* text)
{
    m_bFailed = TRUE;
    HWND h = m_pDlgWnd->GetDlgItem(id);
    ::MessageBoxA(m_pDlgWnd->m_hWnd, text, AfxGetAppName(), MB_OK | MB_ICONEXCLAMATION);
    if (h) {
        ::SetFocus(h);
        ::SendMessageA(h, EM_SETSEL, 0, -1);
    }
}

BOOL ParseInteger(const char* text, int& value)
{
    if (!text) return FALSE;
    const char* p = text;
    while (*p == ' ' || *p == '\t') p++;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (*p < '0' || *p > '9') return FALSE;
    __int64 v = 0;
    while (*p >= '0' && *p <= '9') {
        v = v * 10 + (*p++ - '0');
        if (v > 2147483648LL) return FALSE;
    }
    while (*p == ' ' || *p == '\t') p++;
    if (*p) return FALSE;
    if (negative) v = -v;
    if (v > 2147483647LL) return FALSE;
    value = (int)v;
    return TRUE;
}

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    if (pDX->m_bFailed) return;
    if (pDX->m_bSaveAndValidate)
        value = pDX->m_pDlgWnd->GetDlgItemText(id);
    else
        pDX->m_pDlgWnd->SetDlgItemText(id, value);
}

void DDX_Text(CDataExchange* pDX, int id, int& value)
{
    if (pDX->m_bFailed) return;
    if (!pDX->m_bSaveAndValidate) {
        char text[16];
        snprintf(text, sizeof text, "%d", value);
        pDX->m_pDlgWnd->SetDlgItemText(id, text);
        return;
    }
    int v = 0;
    if (ParseInteger(pDX->m_pDlgWnd->GetDlgItemText(id), v))
        value = v;
    else
        pDX->Fail(id, "Enter an integer.");
}

void DDX_Check(CDataExchange* pDX, int id, BOOL& value)
{
    if (pDX->m_bFailed) return;
    if (pDX->m_bSaveAndValidate)
        value = pDX->m_pDlgWnd->IsDlgButtonChecked(id) == BST_CHECKED;
    else
        pDX->m_pDlgWnd->CheckDlgButton(id, value ? BST_CHECKED : BST_UNCHECKED);
}

void DDX_Radio(CDataExchange* pDX, int id, int& value)
{
    if (pDX->m_bFailed) return;
    HWND h = pDX->m_pDlgWnd->GetDlgItem(id);
    if (pDX->m_bSaveAndValidate) value = -1;
    for (int i = 0; h; i++) {
        if (pDX->m_bSaveAndValidate) {
            if (::SendMessageA(h, BM_GETCHECK, 0, 0) == BST_CHECKED) value = i;
        } else {
            ::SendMessageA(h, BM_SETCHECK, i == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        h = ::GetWindow(h, GW_HWNDNEXT);
        if (!h || (::GetWindowLongA(h, GWL_STYLE) & WS_GROUP)) break;
    }
}
