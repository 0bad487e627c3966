// Small questions asked of the path texts the viewer is given.
#pragma once

#include "fw/afx.h"
#include "fw/AnsiName.h"

// The ANSI form of a Unicode path that names the same file: the path itself when the code
// page represents it, else its short form when that exists and is representable. Empty when
// neither is.
CString AnsiPathOf(const wchar_t* path);
