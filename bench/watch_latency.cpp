// Latency of the directory watcher: from a file created in a watched folder until the
// "FileWatchNotify" message arrives in the watching window's queue.
//   bench_watch_latency.exe FOLDER [COUNT]   prints "watcher median_ms <m> min_ms <a> max_ms <b> n <count>"
// FOLDER must exist and be empty; the files made in it are left for the caller to remove.
#include "fw/afx.h"
#include "watch/FileWatch.h"
#include <algorithm>
#include <stdlib.h>
#include <vector>

namespace {

int g_nReceived = 0;

LRESULT CALLBACK NoticeProc(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (IsFileWatchNotify(msg)) {
        TakeFileWatchPath(lp);
        ++g_nReceived;
        return 0;
    }
    return ::DefWindowProcA(hWnd, msg, wp, lp);
}

// Dispatches messages until one more notice came or timeoutMs passed; true when one came.
bool PumpForNotice(DWORD timeoutMs)
{
    int before = g_nReceived;
    DWORD start = ::GetTickCount();
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
        if (g_nReceived != before) return true;
        DWORD spent = ::GetTickCount() - start;
        if (spent >= timeoutMs) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - spent, QS_ALLINPUT);
    }
}

double Ms(const LARGE_INTEGER& a, const LARGE_INTEGER& b, const LARGE_INTEGER& freq)
{
    return (double)(b.QuadPart - a.QuadPart) * 1000.0 / (double)freq.QuadPart;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: bench_watch_latency FOLDER [COUNT]\n");
        return 2;
    }
    CString folder = argv[1];
    if (folder.IsEmpty() || folder[folder.GetLength() - 1] != '\\') folder += '\\';
    int count = argc > 2 ? atoi(argv[2]) : 50;
    if (count < 1 || count > 10000) count = 50;

    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = NoticeProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "BlxBenchNotice";
    ::RegisterClassA(&wc);
    HWND hWnd = ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    DWORD id = AddFileWatch(folder, hWnd);
    if (!hWnd || !id) {
        fprintf(stderr, "cannot watch %s\n", folder.c_str());
        return 1;
    }

    LARGE_INTEGER freq;
    ::QueryPerformanceFrequency(&freq);
    std::vector<double> ms;
    for (int i = 0; i < count; ++i) {
        // Let the worker's later rounds for the previous file pass first.
        while (PumpForNotice(50)) {
        }
        CString name;
        name.Format("%sw%05d.tmp", folder.c_str(), i);
        LARGE_INTEGER t0, t1;
        ::QueryPerformanceCounter(&t0);
        HANDLE h = ::CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            fprintf(stderr, "cannot create %s\n", name.c_str());
            return 1;
        }
        ::CloseHandle(h);
        bool got = PumpForNotice(5000);
        ::QueryPerformanceCounter(&t1);
        if (!got) {
            fprintf(stderr, "no message for %s\n", name.c_str());
            return 1;
        }
        ms.push_back(Ms(t0, t1, freq));
    }
    RemoveFileWatch(id);
    ::DestroyWindow(hWnd);

    std::sort(ms.begin(), ms.end());
    double median = ms.size() % 2 ? ms[ms.size() / 2] : (ms[ms.size() / 2 - 1] + ms[ms.size() / 2]) / 2;
    printf("watcher median_ms %.3f min_ms %.3f max_ms %.3f n %d\n", median, ms.front(), ms.back(), count);
    return 0;
}
