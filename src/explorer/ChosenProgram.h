// The program's one file-open dialog and the path it leaves behind, as the explorer's Open
// With uses them (defined with the application's start-up code).
#pragma once

#include "fw/afx.h"

extern char g_szChosenFile[260];
// Non-zero when a file was chosen; its path is then in g_szChosenFile. programs: offer
// "Programs (*.exe)" first.
BOOL ChooseFile(const char* title, int programs);
