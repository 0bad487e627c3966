// CNameRefusal: the entries a command must leave alone because no 8-bit name of theirs is
// their own. A command filters its rows through it at its start; the rows it keeps go on,
// and once the command is over one message names what was left.
#pragma once

#include "fw/afx.h"
#include "fw/Array.h"

class CFolderModel;

// "The name of X cannot be used in this code page." for each name (one line each; past a
// few, how many more).
CString NameRefusalText(const CArray<CString>& names);

class CNameRefusal {
public:
    explicit CNameRefusal(HWND hOwner) : m_hOwner(hOwner) {}
    ~CNameRefusal();
    CNameRefusal(const CNameRefusal&) = delete;
    CNameRefusal& operator=(const CNameRefusal&) = delete;

    // The rows of entries a command may act on, in their order; the others' names are kept
    // for the message and, when pRefused is given, their rows there.
    CArray<int> Filter(const CFolderModel& model, const CArray<int>& rows, CArray<int>* pRefused = nullptr);
    // Whether a command may act on the row (an entry of the model); a refused one is kept.
    bool Allows(const CFolderModel& model, int row);
    // A name refused by the caller itself (an item of the tree, say).
    void Refuse(const CString& name) { m_names.Add(name); }
    const CArray<CString>& GetNames() const { return m_names; }

private:
    HWND m_hOwner;
    CArray<CString> m_names;
};
