#include "explorer/NameRefusal.h"
#include "explorer/FileErrors.h"
#include "explorer/FolderModel.h"

CString NameRefusalText(const CArray<CString>& names)
{
    const int shown = 10;
    CString text;
    for (int i = 0; i < names.GetSize() && i < shown; i++) {
        char line[400];
        wsprintfA(line, "The name of %.300s cannot be used in this code page.", (const char*)names[i]);
        if (i) text += "\n";
        text += line;
    }
    if (names.GetSize() > shown) {
        char more[64];
        wsprintfA(more, "\n(%d more)", names.GetSize() - shown);
        text += more;
    }
    return text;
}

CNameRefusal::~CNameRefusal()
{
    if (!m_names.IsEmpty()) ::MessageBoxA(m_hOwner, NameRefusalText(m_names), FILE_ERROR, MB_OK);
}

bool CNameRefusal::Allows(const CFolderModel& model, int row)
{
    if (row < 0 || row >= model.GetCount()) return false;
    if (model.GetAt(row).IsUsable()) return true;
    m_names.Add(model.GetAt(row).strName);
    return false;
}

CArray<int> CNameRefusal::Filter(const CFolderModel& model, const CArray<int>& rows, CArray<int>* pRefused)
{
    CArray<int> usable;
    for (int k = 0; k < rows.GetSize(); k++) {
        if (Allows(model, rows[k]))
            usable.Add(rows[k]);
        else if (pRefused && rows[k] >= 0 && rows[k] < model.GetCount())
            pRefused->Add(rows[k]);
    }
    return usable;
}
