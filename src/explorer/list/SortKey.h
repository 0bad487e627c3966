// Sort keys of file list rows, built from cell texts alone.
#pragma once

#include "fw/afx.h"

// Text key of a row for a sort column: text is the row's cell in that column, size its Size
// cell (empty for a folder). Folders lead with 0x0A so that they come first; dated rows
// lead with the year so that "%m-%d-%Y" dates sort in time order; undated files are 0x0D.
CString MakeTextSortKey(const CString& text, const CString& size, int column);
// Numeric key: the text read as a decimal integer the way atoi reads it (blanks, a sign,
// digits up to the first other character), saturating at the limits of 64 bits, so that
// files of 2 GiB and more keep their order.
long long MakeNumericSortKey(const char* text);
