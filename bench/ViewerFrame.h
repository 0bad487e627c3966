// Finding a running viewer's window from outside, as the benchmarks that start brindlex.exe do.
#pragma once

#include <windows.h>

namespace bench_detail {

struct FrameSearch {
    DWORD pid;
    HWND frame;
};

inline BOOL CALLBACK MatchFrame(HWND h, LPARAM lp)
{
    FrameSearch* f = (FrameSearch*)lp;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(h, &pid);
    if (pid != f->pid || !::FindWindowExA(h, nullptr, "RichEdit20A", nullptr)) return TRUE;
    f->frame = h;
    return FALSE;
}

}  // namespace bench_detail

// The viewer's frame in process pid: its top-level window holding the text control (message
// boxes hold none); nullptr until it has one.
inline HWND ViewerFrameOf(DWORD pid)
{
    bench_detail::FrameSearch f = {pid, nullptr};
    ::EnumWindows(bench_detail::MatchFrame, (LPARAM)&f);
    return f.frame;
}
