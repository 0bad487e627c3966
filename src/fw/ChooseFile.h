// The program's one file-open dialog, shared by the viewer's Open and Open With and the
// document template's open prompt.
#pragma once

#include "fw/afx.h"
#include "fw/String.h"

extern char g_szChosenFile[260];

// The open-file dialog: returns the chosen existing file's path, or "" on Cancel.
// filter is a double-NUL list of name/pattern pairs; initial is the dialog's first file name.
CString AfxPromptOpenFile(const char* title, const char* filter, const char* defaultExt, const char* initial = "");

// Non-zero when a file was chosen; its path is then in g_szChosenFile, whose previous
// content is the dialog's initial file name.
BOOL ChooseFile(const char* title, int programs);
