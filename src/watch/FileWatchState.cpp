#include "watch/FileWatchState.h"

// Created before the application starts; the lock and the event outlive every use, because
// the shutdown guard below (destroyed first) stops a worker still running at program end.
CCriticalSection g_fileWatchLock;
CHandle g_fileWatchEvent(::CreateEventA(nullptr, FALSE, FALSE, nullptr));

std::map<DWORD, FILEWATCHITEM> g_fileWatches;
DWORD g_dwNextWatchId = 1;
CArrayEx<CString> g_watchedDirs;
CChangeHandleArray g_watchHandles;
DWORD g_dwWatchDirsGeneration = 0;
std::atomic<CWinThread*> g_pFileWatchThread{nullptr};
std::atomic<bool> g_bFileWatchStop{false};
CHandle g_hFileWatchThreadEnd;
std::map<LPARAM, FILEWATCHNOTICE> g_fileWatchNotices;
UINT g_uFileWatchNotify = 0;

namespace {
struct CFileWatchShutdown {
    ~CFileWatchShutdown() { StopFileWatchThread(); }
} g_fileWatchShutdown;
}  // namespace

void ForgetAllWatches()
{
    g_fileWatches.clear();
    g_watchedDirs = CArrayEx<CString>();
    g_watchHandles = CChangeHandleArray();  // closes every notification
    ++g_dwWatchDirsGeneration;
}
