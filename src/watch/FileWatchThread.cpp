#include "watch/FileWatchState.h"
#include "watch/WatchPaths.h"

namespace {

// The worker's own copy of what it waits on: element 0 is the event, each further element
// the change notification of one watched folder, with that folder's index in g_watchedDirs.
// Indices and handles are only valid while g_dwWatchDirsGeneration still equals generation.
struct WAITSET {
    HANDLE handles[MAXIMUM_WAIT_OBJECTS];
    int dirIndex[MAXIMUM_WAIT_OBJECTS];
    DWORD count;
    DWORD generation;
};

void BuildEventOnly(WAITSET& ws, DWORD generation)
{
    ws.handles[0] = g_fileWatchEvent;
    ws.dirIndex[0] = -1;
    ws.count = 1;
    ws.generation = generation;
}

// Under the lock.
void BuildWaitSet(WAITSET& ws)
{
    BuildEventOnly(ws, g_dwWatchDirsGeneration);
    for (int i = 0; i < g_watchHandles.GetSize() && ws.count < MAXIMUM_WAIT_OBJECTS; ++i) {
        const CChangeHandle& h = g_watchHandles[i];
        // A folder whose notification failed never reports; its failed value would also
        // repeat in the set, which the wait refuses.
        if (!h.IsValid()) continue;
        ws.handles[ws.count] = h.Get();
        ws.dirIndex[ws.count] = i;
        ++ws.count;
    }
}

// Under the lock: posts for every watch on dir that fires.
void NotifyWatchesOf(const CString& dir)
{
    for (auto& kv : g_fileWatches) {
        FILEWATCHITEM& item = kv.second;
        if (GetWatchDirectory(item.strPath) != dir) continue;
        unsigned __int64 time = 0;
        if (!item.bFolder && !IsFolderPath(item.strPath)) {
            // A file fires only when its time stamp moved; one that cannot be read keeps
            // its old time and fires once it can be read again with a new one.
            if (!ReadLastWriteTime(item.strPath, &time) || time == item.ftLastWrite) continue;
        }
        if (item.hWnd) PostFileWatchNotice(item.hWnd, item.dwData, item.strPath);
        item.ftLastWrite = time;
    }
}

DWORD WaitOn(const WAITSET& ws) { return ::WaitForMultipleObjects(ws.count, ws.handles, FALSE, INFINITE); }

}  // namespace

UINT FileWatchThreadProc(LPVOID)
{
    WAITSET ws;
    BuildEventOnly(ws, 0);
    DWORD result = WaitOn(ws);
    g_fileWatchLock.Lock();
    while (!g_bFileWatchStop) {
        if (result == WAIT_OBJECT_0) {
            ::ResetEvent(g_fileWatchEvent);
            BuildWaitSet(ws);
        } else if (ws.generation != g_dwWatchDirsGeneration) {
            // Folders came or went between the wake-up and the lock: the index may point to
            // another folder now and the handle may be closed. An unhandled change stays
            // signalled and shows again in the rebuilt set.
            BuildWaitSet(ws);
        } else if (result > WAIT_OBJECT_0 && result < WAIT_OBJECT_0 + ws.count) {
            DWORD k = result - WAIT_OBJECT_0;
            int iDir = ws.dirIndex[k];
            // Re-armed before the files are read: a change that lands while they are read
            // then wakes the next round. Wine keeps no change that comes while the
            // notification is not armed, so re-arming after the read could lose one.
            CString dir = g_watchedDirs[iDir];
            if (!::FindNextChangeNotification(ws.handles[k])) {
                // It cannot be re-armed (its folder is gone): it would stay signalled and
                // the worker would spin, so the folder stops reporting instead.
                g_watchHandles[iDir].Close();
                ++g_dwWatchDirsGeneration;
                BuildWaitSet(ws);
            }
            NotifyWatchesOf(dir);
        } else if (result == WAIT_FAILED) {
            // Never spin on a failing wait: sleep on the event until the folders change.
            BuildEventOnly(ws, g_dwWatchDirsGeneration);
        }
        g_fileWatchLock.Unlock();
        result = WaitOn(ws);
        g_fileWatchLock.Lock();
    }
    ForgetAllWatches();
    g_fileWatchLock.Unlock();
    g_pFileWatchThread = nullptr;
    return 0;
}
