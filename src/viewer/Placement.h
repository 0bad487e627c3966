// Where the placement commands put the viewer window on a screen of cx by cy pixels.
#pragma once

#include <windows.h>

// FALSE for an id that is not a placement command.
BOOL PlacementRect(UINT nID, int cx, int cy, RECT* rc);
