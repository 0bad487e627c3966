// Where the viewer window goes: the placement commands on a screen of cx by cy pixels, and
// a stored place brought back onto a screen.
#pragma once

#include <windows.h>

// FALSE for an id that is not a placement command.
BOOL PlacementRect(UINT nID, int cx, int cy, RECT* rc);

// How much of the caption bar a work area must show for the user to reach the window:
// its whole height, and this much of its width (or all of it, when it is narrower).
const int PLACE_CAPTION_GRAB = 60;

// Whether the work area shows a usable part of the caption bar of a window placed at rc, whose
// frame is `frame` pixels thick and whose caption bar is `caption` pixels high.
bool CaptionOnWorkArea(const RECT& rc, const RECT& work, int frame, int caption);
// rc moved into the work area, and made no larger than it.
RECT MoveIntoWorkArea(const RECT& rc, const RECT& work);
// A stored place, as the system will size it, moved onto the nearest monitor's work area when
// no monitor shows its caption bar (a place saved while minimised, or on a monitor since removed).
RECT PlaceOnAScreen(const RECT& rc);
// The place of the window as the user sees it: a minimised window's is where it comes back to.
RECT ShownWindowRect(HWND hwnd);
