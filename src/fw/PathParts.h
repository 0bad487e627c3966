// The parts of a path and the checks on its separators. All of them walk the path character by
// character: in a double-byte code page a character's trail byte may be 0x5C ('\') or 0x7C
// ('|'), and such a byte is neither a separator nor a character of its own. codePage: the code
// page the text is written in.
#pragma once

#include <windows.h>
#include "fw/String.h"

// The part after the last separator ('\\' or '/'), pointing into path; the whole path when it
// has none, empty when it ends with one.
const char* NameOfPath(const char* path, UINT codePage = CP_ACP);
// The path up to and including its last separator ("C:\Data\Sub" gives "C:\Data\", "C:\Data"
// gives "C:\"); empty when it has none.
CString ParentOfPath(const char* path, UINT codePage = CP_ACP);

// The first byte of text's last character, pointing into text; its terminating zero when empty.
const char* LastCharacterOf(const char* text, UINT codePage = CP_ACP);
// The first character of text that is one of the single-byte characters in set, pointing into
// text; nullptr when there is none.
const char* FindCharacterIn(const char* text, const char* set, UINT codePage = CP_ACP);

// Whether the last character of path is a separator.
bool EndsWithSeparator(const char* path, UINT codePage = CP_ACP);
// The index of the first separator at or after from (the start of a character), -1 when none.
int NextSeparator(const char* path, int from = 0, UINT codePage = CP_ACP);
// path without its trailing separators, except the one of a root: "C:\Data\\" gives "C:\Data",
// "C:\" and "\" stay as they are.
CString WithoutTrailingSeparators(const char* path, UINT codePage = CP_ACP);
