// Copies of global memory blocks, as the clipboard and OLE data objects hand them around.
#pragma once

#include <windows.h>

// A new moveable block with the same bytes as h; null when h cannot be read or there is no
// memory. The caller owns the copy.
HGLOBAL CopyGlobalMemory(HGLOBAL h);
// The bytes of from into the existing block to; false when to is smaller or either cannot
// be read.
bool CopyGlobalMemoryInto(HGLOBAL from, HGLOBAL to);
