#include "explorer/NameDialog.h"
#include "explorer/NameIndex.h"
#include "fw/PathParts.h"
#include "res/resource.h"

CNewf::CNewf() : CDialog(IDD_NAME) {}

const char* CNewf::GetPrompt(int nMode)
{
    switch (nMode) {
    case NEWF_FILE: return "New File:";
    case NEWF_RENAME: return "Rename:";
    case NEWF_COPY_RENAME: return "Copy and Rename:";
    default: return "New Folder:";
    }
}

BOOL CNewf::OnInitDialog()
{
    CString label(GetPrompt(m_nMode));
    CString caption(std::string((const char*)label, (size_t)label.GetLength() - 1).c_str());
    SetWindowText(caption);
    SetDlgItemText(IDC_NAME_LABEL, label);
    SetDlgItemText(IDC_NAME_EDIT, m_strName);
    HWND edit = GetDlgItem(IDC_NAME_EDIT);
    ::SetFocus(edit);
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    CDialog::OnInitDialog();
    return FALSE;
}

void CNewf::OnOK()
{
    m_strName = GetDlgItemText(IDC_NAME_EDIT);
    CDialog::OnOK();
}

CString RunNameDialog(int nMode, const CString& strInitial)
{
    CNewf dlg;
    dlg.m_strName = strInitial;
    dlg.m_nMode = nMode;
    if (dlg.DoModal() == IDOK) return dlg.m_strName;
    return CString();
}

CString TrimEnteredName(const CString& strName)
{
    const char* s = strName;
    if (*s == '\\') s++;
    const char* last = LastCharacterOf(s);
    return CString(s, (int)(*last == '\\' ? last - s : strlen(s)));
}

CString NameRefusalText(const char* name)
{
    if (!name || !*name) return "A file name cannot be empty.";
    size_t n = strlen(name);
    if (n >= 256) return "The name is too long.";
    if (FindCharacterIn(name, "\\/:*?\"<>|")) return "A file name cannot contain any of the following characters: \\ / : * ? \" < > |";
    for (const unsigned char* p = (const unsigned char*)name; *p; p++)
        if (*p < 0x20) return "A file name cannot contain control characters.";
    if (name[n - 1] == '.' || name[n - 1] == ' ') return "A file name cannot end with a dot or a space.";
    // Device names stay devices whatever extension follows.
    std::string stem(name, strcspn(name, "."));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    bool device = false;
    static const char* const devices[] = {"con", "prn", "aux", "nul"};
    for (const char* d : devices)
        if (!lstrcmpiA(stem.c_str(), d)) device = true;
    if (stem.size() == 4 && (!_strnicmp(stem.c_str(), "com", 3) || !_strnicmp(stem.c_str(), "lpt", 3)) && stem[3] >= '1' &&
        stem[3] <= '9')
        device = true;
    if (device) return CString(name) + " is a reserved device name.";
    return CString();
}

bool IsValidEntryName(const char* name) { return NameRefusalText(name).IsEmpty(); }

const char* CannotCreateText(bool bFolder) { return bFolder ? "Could not create folder!" : "Could not create file!"; }

bool CanCopyOnto(const char* source, const char* destination)
{
    DWORD there = ::GetFileAttributesA(destination);
    if (there == INVALID_FILE_ATTRIBUTES) return true;
    if (there & FILE_ATTRIBUTE_DIRECTORY) return false;
    DWORD from = ::GetFileAttributesA(source);
    return from == INVALID_FILE_ATTRIBUTES || !(from & FILE_ATTRIBUTE_DIRECTORY);
}

CString NewNameRefusalText(const CString& folder, const char* oldName, const char* newName, bool bCopy)
{
    CString refusal = NameRefusalText(newName);
    if (!refusal.IsEmpty()) return refusal;
    CString destination = folder + newName;
    if (destination.GetLength() >= MAX_PATH) return "The name is too long.";
    if (bCopy) {
        if (!CanCopyOnto(folder + oldName, destination)) return CString(newName) + " already exists.";
        return CString();
    }
    if (!CNameIndex::Same(oldName, newName) && ::GetFileAttributesA(destination) != INVALID_FILE_ATTRIBUTES)
        return CString(newName) + " already exists.";
    return CString();
}
