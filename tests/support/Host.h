// The Linux side of the machine, for tests that change the disk from outside every Windows
// program (as another user or a backup tool would) or make what Windows calls cannot.
#pragma once

#include <string>
#include <vector>

// Starts a Linux program with its arguments (Wine starts it directly); false when it could
// not be started. Wine gives no waitable handle for it: callers wait for its effect.
bool RunLinux(const char* program, const std::vector<std::string>& args);
// The Linux path of a Windows path; "" when Wine cannot name it.
std::string LinuxPathOf(const char* windowsPath);
