// Renders the section on show as text or hex lines, one transfer buffer per call.
#pragma once

#include <windows.h>

// The rich edit control's stream-in callback: fills buf with at most cb bytes of
// text, *pcb = the count; a count of 0 ends the stream. Returns 0.
DWORD CALLBACK StreamSectionChunk(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* pcb);
