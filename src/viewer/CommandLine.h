// Splitting the viewer's command line into the names to view.
#pragma once

#include "fw/afx.h"

// A line that begins with a double quote holds quoted names; anything else is one name,
// blanks included. The last name is this window's file; the others go to new viewers.
void SplitViewerCommandLine(const char* cmdLine, CArray<CString>& names);
// The name with its last component as the directory listing stores it (long name, case).
// Unchanged when the name is not found or the result would not fit 256 characters.
CString LookUpLongName(const CString& name);
// "\"exe\" path": the program's own path quoted so that blanks in it cannot start
// another program; the file path follows unquoted, as the command line expects.
CString MakeViewerCommandLine(const char* exePath, const char* filePath);
