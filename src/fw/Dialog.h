// CDialog: modal and modeless dialogs from templates, dispatched through message maps.
#pragma once

#include "fw/Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate = 0) : m_nIDTemplate(nIDTemplate) {}

    virtual INT_PTR DoModal(HWND hParent = nullptr);
    BOOL Create(UINT nIDTemplate, HWND hParent);  // modeless
    void EndDialog(INT_PTR result);

    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Members to controls (FALSE) or controls to members (TRUE); FALSE when a field fails.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange*) {}

    LRESULT DefWindowProc(UINT, WPARAM, LPARAM) override { return 0; }
    BOOL OnCommand(WPARAM wp, LPARAM lp) override;

    void SetDlgItemText(int id, const char* text) { ::SetDlgItemTextA(m_hWnd, id, text); }
    CString GetDlgItemText(int id) const;
    void CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
    UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }

    UINT m_nIDTemplate;

    // The dialog procedure of every framework dialog (the window base recognises them by it).
    static INT_PTR CALLBACK DlgProc(HWND hDlg, UINT msg, WPARAM wp, LPARAM lp);

protected:
    BOOL m_bModal = FALSE;
};
