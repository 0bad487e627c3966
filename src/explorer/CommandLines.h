// The command lines with which the explorer starts programs. Each fits a fixed buffer; a line
// that would not fit is refused whole (empty result), never cut.
#pragma once

#include "fw/afx.h"

const int VIEW_COMMAND_BUFFER = 512;        // View: this program in viewer mode
const int OPEN_WITH_COMMAND_BUFFER = 512;   // Open With, Choose Program
const int RECENT_COMMAND_BUFFER = 1024;     // Open With, a recent program

// "program" path: the program quoted (a path with blanks must not start another program),
// the entry as the viewer takes it, unquoted. Empty when longer than bufferSize - 1.
CString MakeViewCommandLine(const char* program, const char* path, int bufferSize = VIEW_COMMAND_BUFFER);
// "program" "path": both quoted. Empty when longer than bufferSize - 1, or when a path holds a
// double quote (it would end the quoting early).
CString MakeQuotedCommandLine(const char* program, const char* path, int bufferSize);
