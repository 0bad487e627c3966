// The directory watcher: a process-wide service that posts the registered message
// "FileWatchNotify" to a window when a folder it watches changes.
//
// A watch on a folder path ending in a backslash (or a drive root such as "C:\") fires for
// every change of the entries directly inside that folder: created, deleted, renamed,
// written. A watch on a file fires when the file's last-write time changes. A path without a
// trailing backslash is watched through its parent folder. A folder watch also fires when its
// folder vanishes (removed, renamed, gone with its parent), so that the receiver can look for
// what is left. One low-priority worker thread
// serves all watches; it runs from the first watch added until the last one is removed.
// All functions are for the user-interface thread.
//
// Receiving the message:
//
//     LRESULT CLeftView::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
//     {
//         if (IsFileWatchNotify(msg)) {
//             CString strPath = TakeFileWatchPath(lp);  // exactly once per message
//             ...                                        // wp is the watch's data
//             return 0;
//         }
//         ...
//     }
//
// wParam is the watch's data (SetFileWatchData, 0 by default). lParam points to the message's
// own NUL-terminated copy of the watch's path, exactly as it was passed to AddFileWatch. The
// copy stays readable until the receiver hands lParam to TakeFileWatchPath, even when the
// watch has been removed or the worker stopped meanwhile. TakeFileWatchPath returns the text
// and frees the copy; an lParam that is not an untaken notification (taken already, 0, any
// other value) gives an empty string and is never freed. Copies that are never taken are
// dropped once their window is gone (looked at when many are outstanding) and at program end.
#pragma once

#include "fw/afx.h"

// One watch; a plain record copied by value.
struct FILEWATCHITEM {
    CString strPath;                   // as passed to AddFileWatch
    unsigned __int64 ftLastWrite = 0;  // a file's last-write time when last seen; 0 for a folder
    HWND hWnd = nullptr;               // receives the message; nothing is posted for null
    DWORD dwData = 0;                  // sent as wParam
    bool bFolder = false;              // added as a folder: fires even once the folder is gone
};

// The id of the registered message "FileWatchNotify"; 0 until the first successful add.
extern UINT g_uFileWatchNotify;

// At most this many distinct folders are watched at once; an add that needs one more fails.
const int FILEWATCH_MAX_DIRS = MAXIMUM_WAIT_OBJECTS - 1;

// Adds a watch and returns its id (1, 2, ..., never reused), or 0 when path is neither a
// folder nor a readable file, is empty or too long, or needs a folder beyond the limit.
// Starts the worker when none runs.
DWORD AddFileWatch(const char* path, HWND hWnd);
// Removes a watch; unknown ids (0 included) are ignored. Removing the last watch stops the
// worker and returns after it has ended.
void RemoveFileWatch(DWORD id);
// Sets the value sent as wParam; unknown ids are ignored.
void SetFileWatchData(DWORD id, DWORD data);
// Starts the worker when none runs.
void StartFileWatchThread();
// Stops the worker, forgets all watches and returns after the worker has ended; returns at
// once when no worker runs.
void StopFileWatchThread();

// True when msg is "FileWatchNotify" (never for a message before the first add).
bool IsFileWatchNotify(UINT msg);
// The path carried by a "FileWatchNotify" message; frees the message's copy (see above).
CString TakeFileWatchPath(LPARAM lParam);
