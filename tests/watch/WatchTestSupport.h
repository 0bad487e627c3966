// Helpers of the watcher tests: a message-only window that collects "FileWatchNotify"
// messages, and a look at the worker thread from outside.
#pragma once

#include "support/Wait.h"
#include "support/TestSupport.h"
#include "fw/Handle.h"
#include <functional>
#include <vector>

struct RECEIVED_NOTICE {
    WPARAM wParam;
    CString strPath;  // read with TakeFileWatchPath
};

class CNoticeWindow {
public:
    CNoticeWindow();
    ~CNoticeWindow();
    CNoticeWindow(const CNoticeWindow&) = delete;
    CNoticeWindow& operator=(const CNoticeWindow&) = delete;

    HWND Handle() const { return m_hWnd; }
    const std::vector<RECEIVED_NOTICE>& Notices() const { return m_notices; }
    int Count(const char* path) const;
    void Clear() { m_notices.clear(); }

    bool WaitForCount(const char* path, int n, DWORD timeoutMs = 5000)
    {
        return ::WaitFor([&] { return Count(path) >= n; }, (int)timeoutMs);
    }
    // Returns once every round of the worker that has begun is posted and taken here: call it
    // after a notice of the latest change's round has come, and the rest of that round is in.
    void Settle();
    // Pumps until no notice came for quietMs (at most a few seconds): for changes that make an
    // unknown number of rounds, such as a folder deleted with what it holds.
    void Quiet(DWORD quietMs = 300);

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp);

    HWND m_hWnd = nullptr;
    std::vector<RECEIVED_NOTICE> m_notices;
    bool m_bMarkerTaken = false;
};

// The running worker: the one thread of this process at the lowest priority; an empty
// handle when there is none.
CHandle OpenWorkerThread();
// User plus kernel time of a thread, in 100 ns units.
unsigned __int64 ThreadCpuTime(HANDLE hThread);
// Deletes a folder and its contents with the host's own rm, as another program would.
bool DeleteOnHost(const char* path);
// Appends text to an existing file with a single write: one change of its last-write time.
bool AppendOnce(const char* path, const char* text);
