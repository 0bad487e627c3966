// A probe from outside while the viewer loads a section: starts "EXE FILE", pings the frame
// every 2 ms (WM_NULL, answered only when the window's thread is free) and reports:
//   first  seconds from the start to the first answer with text in the control
//   whole  seconds from the start to the first answer with the whole section in (text there
//          and the frame no longer marked as loading; a viewer that loads in one go answers
//          only once the section is whole)
//   gap    the longest time without an answer, from the frame's showing to the whole section
//   gapend when that longest gap ended, in seconds from the start
//   chars  the final length;  peak  the process's peak working set in MB
// Usage: bench_load_probe.exe EXE FILE [text|hex]
#include "BenchClock.h"
#include "ViewerFrame.h"
#include "fw/afx.h"
#include "fw/Handle.h"
#include "fw/WinApp.h"
#include "viewer/BrindlexDlg.h"
#include <psapi.h>
#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

int main(int argc, char** argv)
{
    PROCESS_INFORMATION pi = {};
    double t0 = BenchNow();
    if (int failed = StartProbedViewer(argc, argv, "bench_load_probe", &pi)) return failed;
    CHandle process(pi.hProcess), thread(pi.hThread);
    double first = -1, whole = -1, last = -1, gap = 0, gapEnd = 0;
    DWORD_PTR len = 0;
    HWND frame = nullptr;
    while (BenchNow() - t0 < 600 && whole < 0) {
        if (!frame && (frame = ViewerFrameOf(pi.dwProcessId)) != nullptr) last = BenchNow() - t0;
        DWORD_PTR r = 0;
        if (!frame || !::SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_NORMAL, 600000, &r)) {
            ::Sleep(2);
            continue;
        }
        double now = BenchNow() - t0;
        if (last >= 0 && now - last > gap) {
            gap = now - last;
            gapEnd = now;
        }
        last = now;
        // The mark first (the window has just answered, so it is up to date): a piece that comes
        // in after it was read is still counted.
        bool loading = ::GetPropA(frame, VIEWER_LOADING_PROP) != nullptr;
        // The control counts its text anew for every length asked (it takes long in a big
        // section): asked only until text shows and once the load has ended.
        if (first >= 0 && loading) {
            ::Sleep(2);
            continue;
        }
        HWND ctl = ::FindWindowExA(frame, nullptr, "RichEdit20A", nullptr);
        len = 0;
        if (ctl) ::SendMessageTimeoutA(ctl, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 600000, &len);
        if (len > 0 && first < 0) first = now;
        // A load may have begun while the length was asked: the mark is read again.
        if (len > 0 && !loading && !::GetPropA(frame, VIEWER_LOADING_PROP)) whole = now;
        ::Sleep(2);
    }
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    double peak = ::GetProcessMemoryInfo(process, &pmc, sizeof pmc) ? pmc.PeakWorkingSetSize / 1048576.0 : 0;
    if (frame) ::PostMessageA(frame, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process, 30000) != WAIT_OBJECT_0) ::TerminateProcess(process, 1);
    if (whole < 0) {
        fprintf(stderr, "the viewer showed no whole section\n");
        return 1;
    }
    printf("first %.3f\nwhole %.3f\ngap %.3f\ngapend %.3f\nchars %lu\npeak %.1f\n", first, whole, gap, gapEnd, (unsigned long)len, peak);
    return 0;
}
