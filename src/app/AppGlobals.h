// Process-wide values set up at start-up.
#pragma once

#include "fw/afx.h"

extern bool g_bIsNT;                 // the NT family: top bit of GetVersion clear
extern int g_bExplorerMaximized;     // setting "emax" read at explorer start-up

bool ComputeIsNT();
