// How the directory watcher reads a watched path: its folder, its kind, its time stamp.
#pragma once

#include "fw/afx.h"

// Drive and directory of path (both slash kinds): "C:\Data\" -> "C:\Data\", "C:\Data" ->
// "C:\", "C:\" -> "C:\"; a UNC path keeps its server and share. Empty for a path of
// MAX_PATH characters or more.
CString GetWatchDirectory(const char* path);
// A drive root "X:\", or a path (one trailing backslash ignored) the shell reports as a folder.
bool IsFolderPath(const char* path);
// The last-write time of a file that can be opened for reading; false for folders, missing
// files and files locked against reading.
bool ReadLastWriteTime(const char* path, unsigned __int64* pTime);
