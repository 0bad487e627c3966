// Path texts as the explorer panes build them: folder, backslash, name.
#pragma once

#include "fw/afx.h"

// True when the last character (not byte: a double-byte character may end in 0x5C) is '\'.
bool EndsWithBackslash(const char* path);
// path plus a backslash unless it already ends with one.
CString WithBackslash(const char* path);
// folder, a backslash unless folder ends with one, then name.
CString JoinPath(const char* folder, const char* name);
