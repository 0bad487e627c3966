// The directory watcher's process-wide state, all of it guarded by g_fileWatchLock
// (the two atomics are also read without it).
#pragma once

#include "fw/afx.h"
#include "fw/Handle.h"
#include "fw/Thread.h"
#include "fw/ArrayEx.h"
#include "watch/FileWatch.h"
#include <atomic>
#include <map>
#include <memory>

extern std::map<DWORD, FILEWATCHITEM> g_fileWatches;  // by watch id
extern DWORD g_dwNextWatchId;                         // starts at 1, never reused
extern CArrayEx<CString> g_watchedDirs;               // distinct watch directories, in order of first add
// Change notifications, parallel to g_watchedDirs; a folder the platform refused to watch (or
// one that can no longer be re-armed) keeps an invalid handle.
typedef CArrayEx<CChangeHandle, CChangeHandle&&> CChangeHandleArray;
extern CChangeHandleArray g_watchHandles;
// Counts every change of the two arrays, so that the worker can tell whether the wait set it
// built still matches them.
extern DWORD g_dwWatchDirsGeneration;
extern CCriticalSection g_fileWatchLock;
extern CHandle g_fileWatchEvent;  // auto-reset: wakes the worker to rebuild its wait set or stop
extern std::atomic<CWinThread*> g_pFileWatchThread;  // the worker; cleared by it as its last act
extern std::atomic<bool> g_bFileWatchStop;
// The worker's own thread handle, kept by the user-interface thread so that stopping can
// wait for the thread's real end.
extern CHandle g_hFileWatchThreadEnd;

// A message's copy of a watch path, outstanding until TakeFileWatchPath.
struct FILEWATCHNOTICE {
    std::unique_ptr<char[]> pszPath;
    HWND hWnd;
};
extern std::map<LPARAM, FILEWATCHNOTICE> g_fileWatchNotices;  // keyed by the copy's address

UINT FileWatchThreadProc(LPVOID);
// Posts "FileWatchNotify" with a copy of path; under the lock.
void PostFileWatchNotice(HWND hWnd, DWORD dwData, const CString& path);
// Closes every change notification and forgets all watches and folders; under the lock.
void ForgetAllWatches();
