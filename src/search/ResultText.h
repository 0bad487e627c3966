// The texts of the Find Files window: the cells of a result row and the status line.
#pragma once

#include "fw/afx.h"

// "%u KB" of the whole kibibytes from 10 KB up, else "%u B"; 64-bit throughout, so a
// file of 3 TiB shows 3221225472 KB.
CString FormatResultSize(unsigned __int64 size);
// The instant broken down in UTC as "%d-%m-%Y %I:%M %p" (25-12-2024 03:07 PM); empty when
// it cannot be broken down.
CString FormatResultTime(const CTime& time);
// "(%d) - %s" with a folder, "%d items found" without.
CString FormatFindStatus(int count, const char* folder = nullptr);
