// Renders the section on show as text or hex lines, one transfer buffer per call.
#pragma once

#include <windows.h>

// The rich edit control's stream-in callback: fills buf with at most cb bytes of
// text, *pcb = the count; a count of 0 ends the stream. Returns 0.
DWORD CALLBACK StreamSectionChunk(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* pcb);

// Bytes the stream may still hand out before it ends early, so that a section can go into
// the control in pieces (the first screen shows before the rest is rendered); negative for
// no limit. The pieces end where the chunks end, at line ends.
extern LONG g_nStreamPieceLeft;
