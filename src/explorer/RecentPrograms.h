// The programs chosen with Open With, most recent first: registry section "mre", values
// "mre1" to "mre8". The list is the run of non-empty values from "mre1" on.
#pragma once

#include "fw/afx.h"
#include "fw/Array.h"

class CWinApp;

const int RECENT_PROGRAM_COUNT = 8;

// The listed programs, at most eight, stopping at the first empty value.
CArray<CString> ReadRecentPrograms(CWinApp* app);
// Value k (1 to 8); empty when absent.
CString ReadRecentProgram(CWinApp* app, int k);
// Puts program first and moves the others down one, dropping the eighth; a program already
// listed (in any letter case) keeps its place and nothing is written.
void AddRecentProgram(CWinApp* app, const char* program);
// The text of a program in the Open With menu: its product name, or else its file name
// without the last four characters ("edit.exe" gives "edit"; a name of four or fewer stays).
CString RecentProgramText(const char* programPath);
