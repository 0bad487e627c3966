// Opening a large file in the viewer, one open per run (bench/viewer_open.sh takes turns
// between these and cp):
//   bench_viewer_open.exe open FILE
//       the real window opens FILE through the file model; prints "copy S", "section S"
//       (the first section streamed into the control), "paint S", "rest S" (the model's
//       other steps) and "open S" (copy to painted section).
//   bench_viewer_open.exe copy FILE
//       only the real window's copy onto its temporary copy, the open's first step;
//       prints "copy S".
//   bench_viewer_open.exe copyex FILE TARGET
//       CopyFileExA with a progress routine that only counts; prints "copyex S" and
//       "callbacks N": what the platform's copy costs without the viewer's progress display.
//   bench_viewer_open.exe launch EXE FILE [text|hex [FACE]]
//       starts "EXE FILE" (in hex mode with hex; the mode's font face FACE when given) and
//       waits until its text control holds the whole first section; prints "launch S".
#include "ViewerBench.h"
#include "ViewerFrame.h"
#include <string.h>

namespace {

int OpenOnce(const char* path)
{
    CTimedViewer* dlg = StartTimedViewer();
    if (!dlg) return 1;
    double t = BenchNow();
    BOOL ok = OpenViewedFile(path);
    double opened = BenchNow() - t;
    double paint = PaintControl();
    int shown = g_richEdit ? ::GetWindowTextLengthA(g_richEdit) : 0;
    printf("copy %.3f\nsection %.3f\npaint %.3f\nrest %.3f\nopen %.3f\nfile %.0f\nchars %d\n", dlg->m_copy,
           dlg->m_stream, paint, opened - dlg->m_copy - dlg->m_stream, opened + paint, (double)g_nFileLength,
           shown);
    CloseTimedViewer(dlg);
    if (!ok || shown == 0) {
        fprintf(stderr, "the file did not open\n");
        return 1;
    }
    return 0;
}

int CopyOnce(const char* path)
{
    CTimedViewer* dlg = StartTimedViewer();
    if (!dlg) return 1;
    int copied = g_szTempCopy[0] ? dlg->CopyForViewing(path, g_szTempCopy) : 0;
    printf("copy %.3f\n", dlg->m_copy);
    CloseTimedViewer(dlg);
    if (copied != 1) {
        fprintf(stderr, "the copy failed\n");
        return 1;
    }
    return 0;
}

DWORD CALLBACK CountProgress(LARGE_INTEGER, LARGE_INTEGER, LARGE_INTEGER, LARGE_INTEGER, DWORD, DWORD, HANDLE,
                             HANDLE, LPVOID data)
{
    ++*(unsigned*)data;
    return PROGRESS_CONTINUE;
}

int CopyExOnce(const char* source, const char* target)
{
    unsigned calls = 0;
    BOOL cancel = FALSE;
    double t = BenchNow();
    BOOL ok = ::CopyFileExA(source, target, CountProgress, &calls, &cancel, 0);
    double s = BenchNow() - t;
    ::DeleteFileA(target);
    if (!ok) {
        fprintf(stderr, "CopyFileExA failed: %lu\n", ::GetLastError());
        return 1;
    }
    printf("copyex %.3f\ncallbacks %u\n", s, calls);
    return 0;
}

// The viewer's text length, asked the way another program would; 0 until the whole first
// section is in. The control is re-created on open, so it is looked up each time.
int ControlTextLength(DWORD pid)
{
    HWND frame = ViewerFrameOf(pid);
    if (!frame || ::GetPropA(frame, VIEWER_LOADING_PROP)) return 0;
    HWND ctl = ::FindWindowExA(frame, nullptr, "RichEdit20A", nullptr);
    DWORD_PTR len = 0;
    if (!ctl || !::SendMessageTimeoutA(ctl, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 120000, &len)) return 0;
    // The length is answered once the window's thread is free: a load may have begun meanwhile.
    if (::GetPropA(frame, VIEWER_LOADING_PROP)) return 0;
    return (int)len;
}

int LaunchOnce(const char* exe, const char* path, bool hex, const char* face)
{
    BenchApp();  // fresh settings: text mode
    if (hex) BenchApp().WriteProfileInt("settings", "hex", 1);
    if (face) BenchApp().WriteProfileString("settings", hex ? "hfname" : "tfname", face);
    char cmd[1024];
    if (snprintf(cmd, sizeof cmd, "\"%s\" %s", exe, path) >= (int)sizeof cmd) return 2;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    double t = BenchNow();
    if (!::CreateProcessA(nullptr, cmd, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        fprintf(stderr, "cannot start %s\n", exe);
        return 1;
    }
    CHandle process(pi.hProcess), thread(pi.hThread);
    int len = 0;
    while (BenchNow() - t < 300 && (len = ControlTextLength(pi.dwProcessId)) == 0) ::Sleep(5);
    double s = BenchNow() - t;
    if (HWND frame = ViewerFrameOf(pi.dwProcessId)) ::PostMessageA(frame, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process, 30000) != WAIT_OBJECT_0) ::TerminateProcess(process, 1);
    if (len == 0) {
        fprintf(stderr, "the viewer showed no text\n");
        return 1;
    }
    printf("launch %.3f\nchars %d\n", s, len);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && !strcmp(argv[1], "open")) return OpenOnce(argv[2]);
    if (argc == 3 && !strcmp(argv[1], "copy")) return CopyOnce(argv[2]);
    if (argc == 4 && !strcmp(argv[1], "copyex")) return CopyExOnce(argv[2], argv[3]);
    if (argc >= 4 && argc <= 6 && !strcmp(argv[1], "launch"))
        return LaunchOnce(argv[2], argv[3], argc >= 5 && !strcmp(argv[4], "hex"), argc == 6 ? argv[5] : nullptr);
    fprintf(stderr, "usage: bench_viewer_open open FILE | copy FILE | copyex FILE TARGET | launch EXE FILE [text|hex [FACE]]\n");
    return 2;
}
