// The name and the parent folder of a path. Both walk the path character by character: in a
// double-byte code page a character's trail byte may be 0x5C, and that byte is no separator.
#pragma once

#include <windows.h>
#include "fw/String.h"

// The part after the last separator ('\\' or '/'), pointing into path; the whole path when it
// has none, empty when it ends with one. codePage: the code page the path is written in.
const char* NameOfPath(const char* path, UINT codePage = CP_ACP);
// The path up to and including its last separator ("C:\Data\Sub" gives "C:\Data\", "C:\Data"
// gives "C:\"); empty when it has none.
CString ParentOfPath(const char* path, UINT codePage = CP_ACP);
