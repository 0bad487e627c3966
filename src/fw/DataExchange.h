// Field exchange between a dialog's members and its controls, both ways. Reading stops at
// the first field that fails validation: its message is shown and the field gets the focus.
#pragma once

#include "fw/afx.h"

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog* pDlg, BOOL bSaveAndValidate) : m_pDlgWnd(pDlg), m_bSaveAndValidate(bSaveAndValidate) {}

    // Shows text, selects and focuses control id, and stops the exchange.
    void Fail(int id, const char* text);

    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
    BOOL m_bFailed = FALSE;
};

void DDX_Text(CDataExchange* pDX, int id, CString& value);
// A signed 32-bit decimal integer; anything else fails with "Enter an integer.".
void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Check(CDataExchange* pDX, int id, BOOL& value);
// The index of the checked button of the group that starts with id, -1 for none.
void DDX_Radio(CDataExchange* pDX, int id, int& value);

// Whether text is a signed 32-bit decimal integer with optional blanks around it.
BOOL ParseInteger(const char* text, int& value);
