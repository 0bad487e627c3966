// Renders the section on show as text or hex lines, one transfer buffer per call.
#pragma once

#include <windows.h>

// The rich edit control's stream-in callback: fills buf with at most cb bytes of UTF-16
// text (streamed with SF_TEXT | SF_UNICODE), *pcb = the count; a count of 0 ends the stream.
// Returns 0.
DWORD CALLBACK StreamSectionChunk(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* pcb);

// Characters the stream may still hand out before it ends early, so that a section can go into
// the control in pieces (the first screen shows before the rest is rendered); negative for
// no limit. The pieces end where the chunks end, at line ends.
extern LONG g_nStreamPieceLeft;

// The control lays a paragraph out in more than linear time: a text line longer than this
// many bytes goes to the control as several, with a CR LF of the viewer's own after each
// run of this many bytes of the file (a character is never split: a run it would pass ends
// before it).
// Measured: a 3 MiB line in runs of 1,024 loads in 1.3x the time of ordinary lines (2,048: 1.5x).
const unsigned TEXT_LINE_BOUND = 1024;

// Characters of the control the stream has handed out so far in this section (a CR LF
// counts as the one the control keeps). The window
// sets it to the control's own count before each piece, so a miscount never carries on.
extern LONG g_nStreamChars;
