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

// Why a name cannot be one entry of a folder, in the words the user is told; empty when it can:
// not empty, under 256 characters, none of \\ / : * ? " < > | or control characters, not
// ending in a dot or a blank, not a device name such as "con" or "lpt1.txt".
CString NameRefusalText(const char* name);
bool IsValidEntryName(const char* name);
// What New says of a name it cannot make.
const char* CannotCreateText(bool bFolder);
// Why Rename (or Copy and Rename, bCopy) refuses to give the entry oldName of folder (ending
// with a backslash) the name newName; empty when it may go on. A name taken by another entry
// is refused ("X already exists."), as is a path of MAX_PATH characters or more; Rename may
// change the letter case of the entry's own name; Copy and Rename onto a file is left to the
// shell, which asks (CanCopyOnto).
CString NewNameRefusalText(const CString& folder, const char* oldName, const char* newName, bool bCopy);
// Whether Copy and Rename may hand source and destination to the shell. The shell copies
// into an existing folder rather than onto it, so a folder there, or anything there when
// the source is a folder, is refused; a file onto a file is left to the shell, which asks.
bool CanCopyOnto(const char* source, const char* destination);
