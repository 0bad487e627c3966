#include "watch/WatchTestSupport.h"
#include "watch/FileWatch.h"
#include "support/Host.h"
#include <tlhelp32.h>

namespace {
const char kNoticeClass[] = "BlxTestNoticeWindow";
const UINT kMarker = WM_APP;
}

CNoticeWindow::CNoticeWindow()
{
    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = &CNoticeWindow::WndProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kNoticeClass;
    ::RegisterClassA(&wc);  // fails harmlessly when registered already
    m_hWnd = ::CreateWindowExA(0, kNoticeClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, (LONG_PTR)this);
}

CNoticeWindow::~CNoticeWindow()
{
    if (m_hWnd) ::DestroyWindow(m_hWnd);
}

LRESULT CALLBACK CNoticeWindow::WndProc(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (IsFileWatchNotify(msg)) {
        CNoticeWindow* self = (CNoticeWindow*)::GetWindowLongPtrA(hWnd, GWLP_USERDATA);
        CString path = TakeFileWatchPath(lp);
        if (self) self->m_notices.push_back(RECEIVED_NOTICE{wp, path});
        return 0;
    }
    if (msg == kMarker) {
        CNoticeWindow* self = (CNoticeWindow*)::GetWindowLongPtrA(hWnd, GWLP_USERDATA);
        if (self) self->m_bMarkerTaken = true;
        return 0;
    }
    return ::DefWindowProcA(hWnd, msg, wp, lp);
}

int CNoticeWindow::Count(const char* path) const
{
    int n = 0;
    for (const RECEIVED_NOTICE& r : m_notices)
        if (r.strPath == path) ++n;
    return n;
}

void CNoticeWindow::Settle()
{
    // The worker posts a whole round while it holds the watcher's lock, which TakeFileWatchPath
    // takes too (no notice has key 0): once it returns, every round that had begun is posted.
    // A message posted now comes back after all of them.
    TakeFileWatchPath(0);
    m_bMarkerTaken = false;
    ::PostMessageA(m_hWnd, kMarker, 0, 0);
    WaitFor([&] { return m_bMarkerTaken; }, 5000);
}

void CNoticeWindow::Quiet(DWORD quietMs)
{
    DWORD start = ::GetTickCount();
    size_t seen = m_notices.size();
    while (::GetTickCount() - start < 5000) {
        WaitFor([&] { return m_notices.size() != seen; }, (int)quietMs);
        if (m_notices.size() == seen) return;
        seen = m_notices.size();
    }
}

CHandle OpenWorkerThread()
{
    CHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (snapshot.Get() == INVALID_HANDLE_VALUE) {
        snapshot.Detach();
        return CHandle();
    }
    THREADENTRY32 te;
    te.dwSize = sizeof te;
    for (BOOL ok = ::Thread32First(snapshot, &te); ok; ok = ::Thread32Next(snapshot, &te)) {
        if (te.th32OwnerProcessID != ::GetCurrentProcessId()) continue;
        CHandle thread(::OpenThread(SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, te.th32ThreadID));
        if (thread.IsValid() && ::GetThreadPriority(thread) == THREAD_PRIORITY_LOWEST &&
            ::WaitForSingleObject(thread, 0) == WAIT_TIMEOUT)
            return thread;
    }
    return CHandle();
}

bool AppendOnce(const char* path, const char* text)
{
    // The file system's clock can be a few milliseconds coarse: first it must have passed the
    // file's time, as a new stamp on a file of its own shows (outside the watched folders).
    WIN32_FILE_ATTRIBUTE_DATA file, probe;
    if (!::GetFileAttributesExA(path, GetFileExInfoStandard, &file)) return false;
    char tmp[MAX_PATH];
    ::GetTempPathA(sizeof tmp, tmp);
    CString probePath;
    probePath.Format("%sclockprobe-%lu.txt", tmp, ::GetCurrentProcessId());
    bool passed = WaitFor([&] {
        ::DeleteFileA(probePath);  // a new file: its stamp is the clock's now
        return WriteFileBytes(probePath, "") && ::GetFileAttributesExA(probePath, GetFileExInfoStandard, &probe) &&
               ::CompareFileTime(&probe.ftLastWriteTime, &file.ftLastWriteTime) > 0;
    }, 5000);
    ::DeleteFileA(probePath);
    if (!passed) return false;
    // Opening without truncation and one write: the time stamp moves exactly once.
    CFileHandle h(::CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h.IsValid()) return false;
    ::SetFilePointer(h, 0, nullptr, FILE_END);
    DWORD n = (DWORD)strlen(text), done = 0;
    return ::WriteFile(h, text, n, &done, nullptr) && done == n;
}

unsigned __int64 ThreadCpuTime(HANDLE hThread)
{
    FILETIME created, exited, kernel, user;
    if (!::GetThreadTimes(hThread, &created, &exited, &kernel, &user)) return 0;
    auto ticks = [](const FILETIME& ft) { return ((unsigned __int64)ft.dwHighDateTime << 32) | ft.dwLowDateTime; };
    return ticks(kernel) + ticks(user);
}

bool DeleteOnHost(const char* path)
{
    std::string host = LinuxPathOf(path);
    if (host.empty() || !RunLinux("/bin/rm", {"-rf", host})) return false;
    return WaitFor([&] { return ::GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES; }, 10000);
}
