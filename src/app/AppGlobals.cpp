#include "app/AppGlobals.h"

bool ComputeIsNT() { return (::GetVersion() & 0x80000000u) == 0; }

bool g_bIsNT = ComputeIsNT();
int g_bExplorerMaximized = 0;
