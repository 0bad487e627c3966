#include "fw/afx.h"
#include "fw/Dialog.h"
#include "fw/DataExchange.h"
#include "fw/WinApp.h"
#include <new>
#include <exception>

INT_PTR CDialog::DoModal(HWND hParent)
{
    m_bModal = TRUE;
    if (!hParent && AfxGetMainWnd()) hParent = AfxGetMainWnd()->m_hWnd;
    return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), hParent, DlgProc,
                             (LPARAM)this);
}

BOOL CDialog::Create(UINT nIDTemplate, HWND hParent)
{
    m_nIDTemplate = nIDTemplate;
    m_bModal = FALSE;
    HWND h = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIDTemplate), hParent, DlgProc,
                                  (LPARAM)this);
    if (h) AfxAddModeless(h);
    return h != nullptr;
}

void CDialog::EndDialog(INT_PTR result)
{
    if (m_bModal)
        ::EndDialog(m_hWnd, result);
    else
        DestroyWindow();
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

CString CDialog::GetDlgItemText(int id) const
{
    HWND h = GetDlgItem(id);
    CString s;
    int n = h ? ::GetWindowTextLengthA(h) : 0;
    ::GetDlgItemTextA(m_hWnd, id, s.GetBuffer(n + 1), n + 1);
    s.ReleaseBuffer();
    return s;
}

BOOL CDialog::OnCommand(WPARAM wp, LPARAM lp)
{
    if (CWnd::OnCommand(wp, lp)) return TRUE;
    if (HIWORD(wp) == BN_CLICKED || lp == 0) {
        if (LOWORD(wp) == IDOK) { OnOK(); return TRUE; }
        if (LOWORD(wp) == IDCANCEL) { OnCancel(); return TRUE; }
    }
    return FALSE;
}

INT_PTR CALLBACK CDialog::DlgProc(HWND hDlg, UINT msg, WPARAM wp, LPARAM lp)
{
    CDialog* dlg = (CDialog*)::GetWindowLongPtrA(hDlg, GWLP_USERDATA);
    if (!dlg && msg == WM_INITDIALOG) {
        dlg = (CDialog*)lp;
        dlg->Attach(hDlg);
        return dlg->OnInitDialog();
    }
    if (!dlg) return FALSE;
    if (msg == WM_NCDESTROY && !dlg->m_bModal) AfxRemoveModeless(hDlg);
    BOOL handled = FALSE;
    LRESULT r = Dispatch(dlg, hDlg, msg, wp, lp, &handled);
    if (msg == WM_NCDESTROY) return FALSE;
    if (handled && msg == WM_NOTIFY) ::SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, r);
    // These answer through the procedure's own result.
    if (handled && (msg == WM_QUERYDRAGICON || (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC))) return (INT_PTR)r;
    return handled;
}
