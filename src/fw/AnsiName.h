// Names between Unicode, as the file system keeps them, and the 8-bit code page the program
// works in. A name reaches a command only when its 8-bit form converts back to exactly the
// file's own name: anything else ('?' for a missing character, a look-alike letter) would
// name another file, or many of them as a pattern.
#pragma once

#include "fw/afx.h"

// TRUE when the path holds '?' or '*'. Only a name the user typed is taken as a pattern:
// '?' is also what an ANSI program receives for a character its code page lacks.
bool HasWildcard(const char* path);
// The ANSI form of a Unicode text when the code page holds every character of it exactly
// (no character dropped, none replaced by a look-alike); FALSE otherwise.
bool ExactAnsi(const wchar_t* wide, CString& out);
// The ANSI form as the code page shows it (what the "A" functions give): a look-alike or
// '?' for what the code page lacks.
CString ShownAnsi(const wchar_t* wide);
// The Unicode form of an ANSI text (empty when it does not convert).
std::wstring WideOf(const char* ansi);
