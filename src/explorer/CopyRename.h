// Copy and Rename, as list and tree both do it: a copy of an entry beside it under a new name.
#pragma once

#include "fw/afx.h"

class CWnd;

// Copies source to destination (its folder and newName). Refuses, saying why, a name that is
// no plain entry name or a copy onto what the shell would copy into (NewNameRefusalText). True
// when the shell copied it.
bool CopyUnderNewName(CWnd& owner, const CString& source, const CString& destination, const char* newName);
