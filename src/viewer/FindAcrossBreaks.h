// Find for the matches the control cannot see: those running across a line break the
// viewer added to a long line.
#pragma once

#include "viewer/AddedBreaks.h"
#include <richedit.h>
#include <string>

// The first position of what in text (the characters from cp first on, one a position, the
// added break inside it at cp brk), with its start at or after cp from, before cp before
// (negative: anywhere) and the break inside it; -1 when none. options: FR_MATCHCASE, FR_WHOLEWORD.
LONG FindAcrossBreak(const std::wstring& text, LONG first, LONG brk, const std::wstring& what, LONG from,
                     LONG before, WPARAM options);

// The first such match in the control from cp start on, beginning before cp before
// (negative: anywhere): its range, the break included; cpMin -1 when none.
CHARRANGE FindAcrossBreaks(HWND ctl, const CAddedBreaks& breaks, const char* what, LONG start, LONG before,
                           WPARAM options);
