#include "watch/FileWatchState.h"
#include <new>

namespace {

// Copies left behind by a destroyed window are never taken: drop them once there are many.
const size_t kPurgeNoticesAt = 64;

void DropNoticesOfGoneWindows()
{
    for (auto it = g_fileWatchNotices.begin(); it != g_fileWatchNotices.end();) {
        if (::IsWindow(it->second.hWnd))
            ++it;
        else
            it = g_fileWatchNotices.erase(it);
    }
}

}  // namespace

void PostFileWatchNotice(HWND hWnd, DWORD dwData, const CString& path)
{
    // Runs on the worker: a failure here loses one message, never the process.
    try {
        if (g_fileWatchNotices.size() >= kPurgeNoticesAt) DropNoticesOfGoneWindows();
        size_t n = (size_t)path.GetLength() + 1;
        std::unique_ptr<char[]> copy(new (std::nothrow) char[n]);
        if (!copy) return;
        memcpy(copy.get(), path.c_str(), n);
        LPARAM key = (LPARAM)copy.get();
        FILEWATCHNOTICE& notice = g_fileWatchNotices[key];
        notice.pszPath = std::move(copy);
        notice.hWnd = hWnd;
        if (!::PostMessageA(hWnd, g_uFileWatchNotify, dwData, key)) g_fileWatchNotices.erase(key);
    } catch (...) {
    }
}

CString TakeFileWatchPath(LPARAM lParam)
{
    CSingleLock lock(g_fileWatchLock);
    auto it = g_fileWatchNotices.find(lParam);
    if (it == g_fileWatchNotices.end()) return CString();
    CString path(it->second.pszPath.get());
    g_fileWatchNotices.erase(it);
    return path;
}
