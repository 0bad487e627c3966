#include "watch/FileWatchState.h"
#include "watch/WatchPaths.h"

namespace {

const DWORD kChangeFilter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE;

// Under the lock, when no worker runs.
void StartWorker()
{
    g_bFileWatchStop = false;
    ::SetEvent(g_fileWatchEvent);
    CWinThread* pThread = AfxBeginThread(FileWatchThreadProc, nullptr, THREAD_PRIORITY_LOWEST, 0, CREATE_SUSPENDED);
    if (!pThread) return;
    // The thread object deletes itself as the worker ends; this handle lets stopping wait
    // for the end itself rather than for the worker's last write.
    HANDLE hEnd = nullptr;
    ::DuplicateHandle(::GetCurrentProcess(), pThread->m_hThread, ::GetCurrentProcess(), &hEnd, SYNCHRONIZE,
                      FALSE, 0);
    g_hFileWatchThreadEnd.Attach(hEnd);
    g_pFileWatchThread = pThread;
    pThread->ResumeThread();
}

DWORD NextWatchId()
{
    // 0 means failure; an id still in use is never handed out again, even after wrapping.
    while (g_dwNextWatchId == 0 || g_fileWatches.count(g_dwNextWatchId)) ++g_dwNextWatchId;
    return g_dwNextWatchId++;
}

}  // namespace

DWORD AddFileWatch(const char* path, HWND hWnd)
{
    if (!path || !*path || strlen(path) >= MAX_PATH || !g_fileWatchEvent.IsValid()) return 0;
    CSingleLock lock(g_fileWatchLock);
    CString dir = GetWatchDirectory(path);
    unsigned __int64 time = 0;
    bool bFolder = IsFolderPath(path);
    if (!bFolder && !ReadLastWriteTime(path, &time)) return 0;
    // A relative file name has no folder to watch.
    if (dir.IsEmpty()) return 0;
    int iDir = g_watchedDirs.Find(dir);
    // One wait covers the event and every folder: beyond that the wait itself would fail.
    if (iDir < 0 && g_watchedDirs.GetSize() >= FILEWATCH_MAX_DIRS) return 0;

    if (!g_uFileWatchNotify) g_uFileWatchNotify = ::RegisterWindowMessageA("FileWatchNotify");
    DWORD id = NextWatchId();
    FILEWATCHITEM item;
    item.strPath = path;
    item.ftLastWrite = time;
    item.hWnd = hWnd;
    item.dwData = 0;
    item.bFolder = bFolder;
    g_fileWatches[id] = item;

    if (iDir < 0) {
        ::SetEvent(g_fileWatchEvent);
        // A folder the platform refuses to watch is kept with the failed value: it never reports.
        g_watchedDirs.Add(dir);
        g_watchHandles.Add(CChangeHandle(::FindFirstChangeNotificationA(dir, FALSE, kChangeFilter)));
        ++g_dwWatchDirsGeneration;
    }
    if (!g_pFileWatchThread) StartWorker();
    return id;
}

void RemoveFileWatch(DWORD id)
{
    bool bEmpty;
    {
        CSingleLock lock(g_fileWatchLock);
        auto it = g_fileWatches.find(id);
        if (it != g_fileWatches.end()) {
            CString dir = GetWatchDirectory(it->second.strPath);
            g_fileWatches.erase(it);
            bool bShared = false;
            for (const auto& kv : g_fileWatches)
                if (GetWatchDirectory(kv.second.strPath) == dir) {
                    bShared = true;
                    break;
                }
            int iDir = bShared ? -1 : g_watchedDirs.Find(dir);
            if (iDir >= 0) {
                ::SetEvent(g_fileWatchEvent);
                g_watchedDirs.RemoveAt(iDir);
                g_watchHandles.RemoveAt(iDir);
                ++g_dwWatchDirsGeneration;
            }
        }
        bEmpty = g_fileWatches.empty();
    }
    if (bEmpty && g_pFileWatchThread) StopFileWatchThread();
}

void SetFileWatchData(DWORD id, DWORD data)
{
    CSingleLock lock(g_fileWatchLock);
    auto it = g_fileWatches.find(id);
    if (it != g_fileWatches.end()) it->second.dwData = data;
}

void StartFileWatchThread()
{
    if (!g_fileWatchEvent.IsValid()) return;
    CSingleLock lock(g_fileWatchLock);
    if (!g_pFileWatchThread) StartWorker();
}

void StopFileWatchThread()
{
    if (!g_pFileWatchThread) {
        g_hFileWatchThreadEnd.Close();
        return;
    }
    {
        CSingleLock lock(g_fileWatchLock);
        g_bFileWatchStop = true;
        ::SetEvent(g_fileWatchEvent);
    }
    // The worker takes the lock to clear the registry, clears the thread pointer after
    // releasing it, and then ends.
    for (;;) {
        bool bCleared = !g_pFileWatchThread;
        bool bEnded = g_hFileWatchThreadEnd.IsValid()
                          ? ::WaitForSingleObject(g_hFileWatchThreadEnd, 0) == WAIT_OBJECT_0
                          : bCleared;
        if (bCleared && bEnded) break;
        if (bEnded) {
            // Ended without finishing its work (killed): do its clearing here.
            CSingleLock lock(g_fileWatchLock);
            ForgetAllWatches();
            g_pFileWatchThread = nullptr;
            break;
        }
        ::Sleep(10);
    }
    g_hFileWatchThreadEnd.Close();
}

bool IsFileWatchNotify(UINT msg) { return g_uFileWatchNotify != 0 && msg == g_uFileWatchNotify; }
