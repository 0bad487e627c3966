// Finding a running viewer's window from outside, as the benchmarks that start brindlex.exe do.
#pragma once

#include "fw/afx.h"
#include "fw/WinApp.h"
#include <windows.h>
#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

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

// Starts "EXE FILE" as a viewer with fresh settings in the given mode; false (and a word on
// stderr) when it cannot. The caller owns the handles in pi.
inline bool StartViewerProcess(const char* exe, const char* file, bool hex, PROCESS_INFORMATION* pi)
{
    CWinApp app("Brindlex");
    app.SetRegistryKey("Quenbridge");
    ::SHDeleteKeyA(HKEY_CURRENT_USER, app.GetAppKeyPath());
    app.WriteProfileInt("settings", "hex", hex ? 1 : 0);
    char cmd[1024];
    if (snprintf(cmd, sizeof cmd, "\"%s\" %s", exe, file) >= (int)sizeof cmd) return false;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    if (::CreateProcessA(nullptr, cmd, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, pi)) return true;
    fprintf(stderr, "cannot start %s\n", exe);
    return false;
}

// A probe's start: "NAME EXE FILE [text|hex]" read, the viewer started on FILE in that mode.
// 2 when the arguments are not that (the usage on stderr), 1 when the viewer cannot start,
// else 0. The caller owns the handles in pi.
inline int StartProbedViewer(int argc, char** argv, const char* name, PROCESS_INFORMATION* pi)
{
    if (argc < 3 || argc > 4) {
        fprintf(stderr, "usage: %s EXE FILE [text|hex]\n", name);
        return 2;
    }
    bool hex = argc == 4 && !strcmp(argv[3], "hex");
    return StartViewerProcess(argv[1], argv[2], hex, pi) ? 0 : 1;
}
