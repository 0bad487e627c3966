// Process-wide values set up at start-up.
#pragma once

#include "fw/afx.h"
#include "fw/ImageList.h"

extern bool g_bIsNT;                 // the NT family: top bit of GetVersion clear
extern int g_bExplorerMaximized;     // setting "emax" read at explorer start-up
extern CImageList g_systemImageList; // the shell's small-icon list: attached, never destroyed

bool ComputeIsNT();
