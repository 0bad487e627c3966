// The About box (dialog 100).
#pragma once

#include "res/resource.h"
#include "fw/Dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD_ABOUT) {}
};
