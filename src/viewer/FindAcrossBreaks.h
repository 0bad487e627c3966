// Find in the file's text of the section on show, where the control holds line breaks the
// viewer added to long lines: matches running across such a break, and whole words cut by one.
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
// text: the control's whole text (ControlText).
CHARRANGE FindAcrossBreaks(const std::wstring& text, const CAddedBreaks& breaks, const wchar_t* what, LONG start,
                           LONG before, WPARAM options);

// Whether the match cr the control found in text is cut from the rest of its word by an added
// break (at either end): no whole word in the file's text.
bool IsCutFromItsWord(const std::wstring& text, const CAddedBreaks& breaks, CHARRANGE cr);

// The first match of the characters what in the control from cp start on, as in the file's
// text: without whole words only the added breaks made, and with the matches across them;
// case ignored for the letters of every script unless FR_MATCHCASE; a match ends at stop at
// the latest (negative: the end of the text). cpMin -1 when none.
CHARRANGE FindInSection(const CRichEditCtrl& ctl, const CAddedBreaks& breaks, const wchar_t* what, LONG start,
                        LONG stop, WPARAM options);
