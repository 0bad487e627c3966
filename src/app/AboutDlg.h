// The About box (dialog 100).
#pragma once

#include "fw/Dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(100) {}
};
