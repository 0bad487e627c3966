// Small questions asked of the path texts the viewer is given.
#pragma once

#include "fw/afx.h"

// TRUE when the path holds '?' or '*'. Only a name the user typed is taken as a pattern:
// '?' is also what an ANSI program receives for a character its code page lacks.
bool HasWildcard(const char* path);
// The ANSI form of a Unicode text when the code page holds every character of it exactly
// (no character dropped, none replaced by a look-alike); FALSE otherwise.
bool ExactAnsi(const wchar_t* wide, CString& out);
// The ANSI form of a Unicode path that names the same file: the path itself when the code
// page represents it, else its short form when that exists and is representable. Empty when
// neither is.
CString AnsiPathOf(const wchar_t* path);
