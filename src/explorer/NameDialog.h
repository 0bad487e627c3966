// CNewf: the dialog that asks for one name (new folder, new file, rename, copy and rename),
// and RunNameDialog, which runs it.
#pragma once

#include "fw/Dialog.h"

enum { NEWF_FOLDER = 0, NEWF_FILE = 1, NEWF_RENAME = 2, NEWF_COPY_RENAME = 3 };

class CNewf : public CDialog {
public:
    CNewf();

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The label of a mode ("New Folder:"); a mode out of range gives the new-folder label.
    static const char* GetPrompt(int nMode);

    CString m_strName;  // the initial text; the entered text after OK
    int m_nMode = NEWF_FOLDER;
};

// The name as typed after OK; empty after Cancel.
CString RunNameDialog(int nMode, const CString& strInitial);

// An entered name without one leading and then one trailing backslash.
CString TrimEnteredName(const CString& strName);

// Whether a name can be one entry of a folder: not empty, none of \\ / : * ? " < > | or control
// characters, not a device name such as "con" or "lpt1.txt", not ending in a dot or a blank.
bool IsValidEntryName(const char* name);
// What New says of a name it cannot make; Rename and Copy and Rename say the same of a name
// that is no plain entry name or that is taken already.
const char* CannotCreateText(bool bFolder);
// Whether Copy and Rename may hand source and destination to the shell. The shell copies
// into an existing folder rather than onto it, so a folder there, or anything there when
// the source is a folder, is refused; a file onto a file is left to the shell, which asks.
bool CanCopyOnto(const char* source, const char* destination);
