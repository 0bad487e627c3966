// The memory a section costs the viewer: starts "EXE FILE", reads the process's committed
// memory every 2 ms until the whole section is in (text there and the frame no longer marked as
// loading) or the process has ended, and reports:
//   whole    seconds from the start to the whole section (-1 when it never came)
//   peak     the highest committed (private) memory seen, in MB
//   end      the committed memory once the section is whole, in MB
//   chars    the control's final length
//   shown    bytes of the section on show: the number in the viewer's note after a section
//            shown in part, else the whole section
//   alive    1 when the process still ran at the end, 0 when it had ended by itself
// Usage: bench_section_memory.exe EXE FILE [text|hex]
#include "BenchClock.h"
#include "ViewerFrame.h"
#include "fw/afx.h"
#include "fw/Handle.h"
#include "fw/WinApp.h"
#include "viewer/ViewerWindow.h"
#include <psapi.h>
#include <shlwapi.h>
#include <stdio.h>
#include <string.h>
#include <string>
#include <vector>

namespace {

struct CMemory {
    double priv = 0;
};

CMemory MemoryOf(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS_EX pmc = {};
    pmc.cb = sizeof pmc;
    CMemory m;
    if (!::GetProcessMemoryInfo(process, (PROCESS_MEMORY_COUNTERS*)&pmc, sizeof pmc)) return m;
    SIZE_T priv = pmc.PrivateUsage > pmc.PagefileUsage ? pmc.PrivateUsage : pmc.PagefileUsage;
    if (pmc.PeakPagefileUsage > priv) priv = pmc.PeakPagefileUsage;
    m.priv = priv / 1048576.0;
    return m;
}

// The bytes the viewer says it shows, from its note at the end of the text; -1 without a note.
long ShownByNote(HWND ctl, DWORD_PTR len)
{
    std::vector<char> text((size_t)len + 1);
    DWORD_PTR got = 0;
    if (!::SendMessageTimeoutA(ctl, WM_GETTEXT, text.size(), (LPARAM)text.data(), SMTO_NORMAL, 600000, &got)) return -1;
    std::string s(text.data(), (size_t)got);
    const std::string lead = "[Shown: the first ";
    size_t at = s.rfind(lead);
    return at == std::string::npos ? -1 : strtol(s.c_str() + at + lead.size(), nullptr, 10);
}

}  // namespace

int main(int argc, char** argv)
{
    PROCESS_INFORMATION pi = {};
    double t0 = BenchNow();
    if (int failed = StartProbedViewer(argc, argv, "bench_section_memory", &pi)) return failed;
    bool hex = argc == 4 && !strcmp(argv[3], "hex");
    CHandle process(pi.hProcess), thread(pi.hThread);
    double whole = -1, peak = 0, end = 0;
    DWORD_PTR len = 0;
    HWND frame = nullptr, ctl = nullptr;
    bool alive = true;
    while (BenchNow() - t0 < 600 && whole < 0) {
        if (::WaitForSingleObject(process, 2) == WAIT_OBJECT_0) {
            alive = false;
            break;
        }
        CMemory m = MemoryOf(process);
        if (m.priv > peak) peak = m.priv;
        if (!frame) frame = ViewerFrameOf(pi.dwProcessId);
        if (!frame || ::GetPropA(frame, VIEWER_LOADING_PROP)) continue;
        // Only a window that answers can be asked for its text; a busy one is seen as loading.
        DWORD_PTR r = 0;
        if (!::SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_NORMAL, 5, &r)) continue;
        if (::GetPropA(frame, VIEWER_LOADING_PROP)) continue;
        ctl = ::FindWindowExA(frame, nullptr, "RichEdit20A", nullptr);
        len = 0;
        if (ctl) ::SendMessageTimeoutA(ctl, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 600000, &len);
        if (len > 0 && !::GetPropA(frame, VIEWER_LOADING_PROP)) whole = BenchNow() - t0;
    }
    if (alive) {
        // Whatever the control does once the stream has ended (its layout) counts too.
        ::Sleep(300);
        CMemory m = MemoryOf(process);
        if (m.priv > peak) peak = m.priv;
        end = m.priv;
        alive = ::WaitForSingleObject(process, 0) != WAIT_OBJECT_0;
    }
    long shown = alive && ctl && len ? ShownByNote(ctl, len) : -1;
    if (shown < 0) {
        WIN32_FILE_ATTRIBUTE_DATA fa = {};
        unsigned section = hex ? 0x80000 : 0x300000;
        shown = ::GetFileAttributesExA(argv[2], GetFileExInfoStandard, &fa) ? (long)fa.nFileSizeLow : 0;
        if (fa.nFileSizeHigh || (unsigned long)shown > section) shown = (long)section;
        if (!alive || whole < 0) shown = 0;
    }
    if (frame && alive) ::PostMessageA(frame, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process, 30000) != WAIT_OBJECT_0) ::TerminateProcess(process, 1);
    printf("whole %.3f\npeak %.1f\nend %.1f\nchars %lu\nshown %ld\nalive %d\n", whole, peak, end, (unsigned long)len, shown,
           alive ? 1 : 0);
    return alive && whole >= 0 ? 0 : 1;
}
