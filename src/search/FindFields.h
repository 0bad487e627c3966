// CFindFields: the values of the Find Files window's fields, and the search they ask for.
// They outlive the window: the next window shows the values of the last one.
#pragma once

#include "fw/afx.h"
#include "search/FileFinder.h"

class CFindFields {
public:
    CString m_strLookIn;
    CString m_strNamed;
    CString m_strContaining;
    BOOL m_bSubfolders = TRUE;
    BOOL m_bSizeLimits = FALSE;
    int m_nMinKB = 0;
    int m_nMaxKB = 0;
    int m_nListMode = 0;  // LIST_REPLACE, LIST_ADD or LIST_REMOVE

    // Fills a fresh record from the fields. FALSE (nothing to search) when Look in is
    // empty; a trailing backslash of Look in is dropped, from the field too.
    BOOL MakeParams(FILEFINDPARAMS& params);
};

// Whether the engine may be pointed at path: an existing folder, not a device. Device
// names (CON, NUL, COM1, ... in any folder) and the "\\.\" and "\\?\" namespaces are
// refused before the platform is asked, for opening one may block.
BOOL IsSearchableFolder(const char* path);
