// Splitting the viewer's command line into the names to view.
#pragma once

#include "fw/afx.h"

// A line that begins with a double quote holds quoted names; anything else is one name,
// blanks included. The last name is this window's file; the others go to new viewers.
// Names made only of blanks (left between quoted names) are skipped.
void SplitViewerCommandLine(const char* cmdLine, CArray<CString>& names);
// The same for the program's command line in its Unicode form (after the program's name).
// A name the code page cannot hold exactly comes out empty, which no file has: in its ANSI
// form '?' would stand for a character it lacks, or a look-alike letter would name another file.
void SplitViewerCommandLine(const wchar_t* cmdLine, CArray<CString>& names);
// The name with its last component as the directory listing stores it (long name, case);
// a pattern ('*', '?') becomes its first match. Unchanged when nothing is found or the result
// would not fit 256 characters. A listed name the code page cannot hold exactly gives way to
// its short name; without one the name stays as given.
CString LookUpLongName(const CString& name);
// A command-line name made into the path the viewer opens and stores: full (a relative
// name or one written with '/' resolves against the working folder), then its long name.
CString ResolveViewerName(const CString& name);
// "\"exe\" path": the program's own path quoted so that blanks in it cannot start
// another program; the file path follows unquoted, as the command line expects.
CString MakeViewerCommandLine(const char* exePath, const char* filePath);

// Tells the processes started meanwhile that a viewer started them (they inherit it).
void SetStartedByViewerMark(bool on);
// TRUE when a viewer started this process; the mark is then taken away, so that programs
// this process starts do not inherit it.
bool TakeStartedByViewerMark();
