// What a running process has loaded, read from outside through a module snapshot.
#pragma once

#include <windows.h>
#include <string>

// The full path of the module `name` (e.g. "comctl32.dll") in process pid; "" when not loaded.
std::string LoadedModulePath(DWORD pid, const char* name);

// True when path is the side-by-side Common Controls 6.x of this build's own architecture,
// the one the program's manifest asks for.
bool IsOwnCommonControls6(const std::string& path);
