// The options dialog of both modes (template 132).
#pragma once

#include "res/resource.h"
#include "fw/Dialog.h"
#include "viewer/ViewerFonts.h"

class CSetDlg : public CDialog {
public:
    CSetDlg() : CDialog(IDD_OPTIONS) {}
    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void OnTextFont();
    void OnHexFont();
    DECLARE_MESSAGE_MAP()
};

// Loads the values, runs the dialog and, on OK, stores and applies changed fonts.
void RunOptionsDialog();
// Stores the values the options dialog holds for a changed font and makes its font;
// a viewer window of this process in the matching mode reloads its section with it.
void ApplyChangedFonts();
