// The cell texts of a file list row, from the entry's directory data.
#pragma once

#include "fw/afx.h"

// Empty for a folder; otherwise the 64-bit size in decimal digits ("0", "4294967296").
CString FormatSizeCell(const WIN32_FIND_DATAA& fd);
// The local date "%m-%d-%Y" (03-07-2024) of a time stamp; empty when the stamp's low 32 bits
// are zero or the platform cannot convert it to a local date.
CString FormatDateCell(const FILETIME& ft);
// The local date FormatDateCell shows, false when it shows none.
bool LocalDateOf(const FILETIME& ft, SYSTEMTIME* pDate);
// A number that orders time stamps as their date cells order by the sort's text keys (the
// last four digits of the year, then the cell "%m-%d-%Y" as text); 0 for an empty cell,
// which comes first.
ULONGLONG DateCellOrder(const FILETIME& ft);
// The row's list-control state from the shell's attributes of the entry: LVIS_CUT (drawn
// dimmed) when the shell calls it ghosted, otherwise none.
UINT RowStateOf(DWORD shellAttributes);
