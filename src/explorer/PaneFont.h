// The font of both explorer panes: the control's own font with the face "Tahoma", one pixel taller.
#pragma once

#include "fw/afx.h"

// A new font for the control hWnd (null when none could be made); the caller owns it.
HFONT CreateTallerTahoma(HWND hWnd);
