// The program's one file-open dialog.
#pragma once

#include "fw/afx.h"

extern char g_szChosenFile[260];

// Non-zero when a file was chosen; its path is then in g_szChosenFile.
BOOL ChooseFile(const char* title, int programs);
