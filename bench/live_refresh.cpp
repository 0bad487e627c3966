// The explorer kept live while another program changes the disk, with the real tree and list:
// - a burst of files created (then deleted) in the folder on show: how long after the burst's
//   end until the rows match the disk, and the longest time the window took to answer a
//   message meanwhile (a WM_NULL sent from another thread every few ms);
// - a single file created in a big and in a small folder on show: until its row is there;
// - a burst at a drive root with folders expanded: whether any of them collapsed;
// each beside a bare FindFirstFileA/FindNextFileA enumeration of the same folder.
//   bench_live_refresh.exe BURSTDIR BIGDIR SMALLDIR DRIVE: DRIVEDIR N
// BURSTDIR and SMALLDIR start empty; DRIVE: (such as "K:") is defined over DRIVEDIR (a folder
// with sub-folders, reached through the prefix's drive link the caller made) for the run.
// The bursts are made by a host shell, as another program would.
#include "fw/afx.h"
#include "fw/Handle.h"
#include "BenchClock.h"
#include "BenchPanes.h"
#include "explorer/ShellIcons.h"
#include "explorer/BrindlexDoc.h"
#include "explorer/list/BrindlexView.h"
#include "explorer/tree/LeftView.h"
#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

double Now() { return BenchNow(); }
double Median(const std::vector<double>& v) { return BenchMedian(v); }

// The names in a folder, sorted; the time it took goes to *pSeconds.
std::vector<std::string> NamesOnDisk(const char* folder, double* pSeconds = nullptr)
{
    std::vector<std::string> names;
    double t0 = Now();
    WIN32_FIND_DATAA fd;
    CFindHandle h(::FindFirstFileA(CString(folder) + "\\*.*", &fd));
    if (h.IsValid()) {
        do
            if (strcmp(fd.cFileName, ".") && strcmp(fd.cFileName, "..")) names.push_back(fd.cFileName);
        while (::FindNextFileA(h, &fd));
    }
    if (pSeconds) *pSeconds = Now() - t0;
    std::sort(names.begin(), names.end());
    return names;
}

// The bare enumeration alone, median of three.
double BareEnumeration(const char* folder)
{
    std::vector<double> t;
    for (int i = 0; i < 3; i++) {
        double s = 0;
        NamesOnDisk(folder, &s);
        t.push_back(s);
    }
    return Median(t);
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Dispatches messages until done() holds or seconds pass.
template <class Done>
bool PumpUntil(Done done, double seconds)
{
    double start = Now();
    for (;;) {
        Pump();
        if (done()) return true;
        if (Now() - start > seconds) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
    }
}

// Runs a host shell command line as another program; Wine gives no handle to wait on, so
// callers watch for its effect.
bool RunShell(const std::string& script)
{
    std::string line = "/bin/sh -c \"" + script + "\"";
    std::vector<char> buf(line.begin(), line.end());
    buf.push_back(0);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA("Z:\\bin\\sh", buf.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    CHandle process(pi.hProcess), thread(pi.hThread);
    return true;
}

// The host path of a Windows path, for the shell.
std::string HostPath(const char* path)
{
    typedef char*(__cdecl * UnixNameFn)(LPCWSTR);
    // Wine's own export; the cast goes through the generic function type, as GetProcAddress needs.
    UnixNameFn toUnix =
        (UnixNameFn)(void (*)())::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
    WCHAR wide[MAX_PATH];
    if (!toUnix || !::MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH)) return std::string();
    char* unixPath = toUnix(wide);
    if (!unixPath) return std::string();
    std::string s(unixPath);
    ::HeapFree(::GetProcessHeap(), 0, unixPath);
    return s;
}

// Sends WM_NULL to a window from its own thread every few ms and keeps the longest wait
// for the answer.
class CProbe {
public:
    explicit CProbe(HWND hWnd) : m_hWnd(hWnd), m_thread([this] { Run(); }) {}
    ~CProbe()
    {
        m_bStop = true;
        // The window's thread may be the one stopping us: keep answering until the probe ends.
        while (!m_bEnded) {
            Pump();
            ::Sleep(1);
        }
        m_thread.join();
    }
    double LongestMs() const { return m_longestMs; }
    int Probes() const { return m_nProbes; }

private:
    void Run()
    {
        while (!m_bStop) {
            double t0 = Now();
            DWORD_PTR result = 0;
            ::SendMessageTimeoutA(m_hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 120000, &result);
            double ms = (Now() - t0) * 1000;
            if (ms > m_longestMs) m_longestMs = ms;
            ++m_nProbes;
            ::Sleep(4);
        }
        m_bEnded = true;
    }

    HWND m_hWnd;
    std::atomic<bool> m_bStop{false}, m_bEnded{false};
    std::atomic<double> m_longestMs{0};
    std::atomic<int> m_nProbes{0};
    std::thread m_thread;
};

// The two panes, and what the benchmark does with them.
struct Panes : BenchPanes {
    // Expands the ancestors of a folder ("K:\a\b") and returns its item.
    HTREEITEM Open(const char* folder)
    {
        CTreeCtrl t = tree->GetTreeCtrl();
        CString path(folder);
        HTREEITEM item = t.GetRootItem();
        while (item && t.GetItemText(item).CompareNoCase(path.Left(3)) != 0) item = t.GetNextSiblingItem(item);
        for (int i = 3; item && i < path.GetLength();) {
            int end = path.Find('\\', i);
            if (end < 0) end = path.GetLength();
            t.Expand(item, TVE_EXPAND);
            CString name = path.Mid(i, end - i);
            for (item = t.GetChildItem(item); item && t.GetItemText(item).CompareNoCase(name) != 0;)
                item = t.GetNextSiblingItem(item);
            i = end + 1;
        }
        return item;
    }
    bool Show(const char* folder)
    {
        HTREEITEM item = Open(folder);
        if (item) tree->GetTreeCtrl().SelectItem(item);
        Pump();
        return item != nullptr;
    }
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        const CFolderModel& model = list->GetModel();
        for (int i = 0; i < model.GetCount(); i++) rows.push_back(model.GetAt(i).strName.str());
        std::sort(rows.begin(), rows.end());
        return rows;
    }
};

// Where the shell leaves its marker when a burst is done: away from every folder on show.
CString MarkerPath()
{
    char temp[MAX_PATH] = "";
    DWORD n = ::GetTempPathA(sizeof temp, temp);
    if (!n || n >= sizeof temp) return CString();
    return CString(temp) + "blx-live-refresh.done";
}

// Runs a shell script and returns once its marker is there (or after a minute).
bool RunShellAndWait(const std::string& script)
{
    CString marker = MarkerPath();
    ::DeleteFileA(marker);
    if (!RunShell(script + " && : > '" + HostPath(marker) + "'")) return false;
    bool done = PumpUntil([&] { return ::GetFileAttributesA(marker) != INVALID_FILE_ATTRIBUTES; }, 60);
    ::DeleteFileA(marker);
    return done;
}

// A burst made by the shell in the folder on show. Another thread notes when the shell's
// marker appears (the burst's end) and then reads what is on disk; this thread only answers
// messages and compares the rows when their count is right. Prints the time from the
// burst's end until the rows match the disk, and the longest wait for an answer meanwhile.
void Burst(Panes& p, const char* what, const char* folder, const std::string& script)
{
    CString marker = MarkerPath();
    ::DeleteFileA(marker);
    std::atomic<double> end{0};
    std::atomic<bool> read{false}, quit{false};
    std::vector<std::string> onDisk;
    double start, matched = 0, longest = 0;
    int probes = 0;
    bool ok = false;
    {
        CProbe probe(p.tree->m_hWnd);
        start = Now();
        if (!RunShell(script + " && : > '" + HostPath(marker) + "'")) {
            printf("  %s: cannot start the shell\n", what);
            return;
        }
        std::thread watcher([&] {
            while (!quit && ::GetFileAttributesA(marker) == INVALID_FILE_ATTRIBUTES) ::Sleep(1);
            end = Now();
            onDisk = NamesOnDisk(folder);
            read = true;
        });
        ok = PumpUntil(
            [&] {
                if (!read) return false;
                return (size_t)p.list->GetListCtrl().GetItemCount() == onDisk.size() && p.Rows() == onDisk;
            },
            300);
        matched = Now();
        quit = true;
        watcher.join();
        longest = probe.LongestMs();
        probes = probe.Probes();
    }
    ::DeleteFileA(marker);
    double bare = BareEnumeration(folder);
    printf("  %-30s burst %5.0f ms; rows match the disk %6.0f ms after its end (%s, %d rows);"
           " longest answer %6.0f ms (%d probes); bare enumeration %6.1f ms\n",
           what, (end - start) * 1000, (matched - end) * 1000, ok ? "ok" : "NOT MATCHED", (int)onDisk.size(),
           longest, probes, bare * 1000);
}

// One change at a time made by another thread (a file created, renamed, deleted): from the
// change until the list shows it.
void SingleChanges(Panes& p, const char* what, const char* folder)
{
    if (!p.Show(folder)) {
        printf("  %s: cannot show %s\n", what, folder);
        return;
    }
    int rows = p.list->GetListCtrl().GetItemCount();
    std::vector<double> delays[3];
    const char* kinds[3] = {"created", "renamed", "deleted"};
    const int files = 15;
    for (int i = 0; i < files; i++) {
        char name[40], renamed[40];
        snprintf(name, sizeof name, "zz-single-%d.txt", i);
        snprintf(renamed, sizeof renamed, "zz-renamed-%d.txt", i);
        CString path = CString(folder) + "\\" + name, newPath = CString(folder) + "\\" + renamed;
        for (int kind = 0; kind < 3; kind++) {
            std::atomic<double> made{0};
            std::thread maker([&] {
                made = Now();
                if (kind == 0) CFileHandle f(::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
                if (kind == 1) ::MoveFileA(path, newPath);
                if (kind == 2) ::DeleteFileA(newPath);
            });
            bool seen = PumpUntil(
                [&] {
                    if (kind == 0) return p.list->HasEntry(name);
                    if (kind == 1) return p.list->HasEntry(renamed) && !p.list->HasEntry(name);
                    return !p.list->HasEntry(renamed);
                },
                20);
            double at = Now();
            maker.join();
            if (seen) delays[kind].push_back(at - made);
            // Let the later rounds of this change pass before the next one.
            PumpUntil([] { return false; }, 0.1);
        }
    }
    PumpUntil([&] { return p.list->GetListCtrl().GetItemCount() == rows; }, 20);
    double bare = BareEnumeration(folder);
    for (int kind = 0; kind < 3; kind++) {
        const std::vector<double>& d = delays[kind];
        if (d.empty()) {
            printf("  %s: no %s row showed\n", what, kinds[kind]);
            continue;
        }
        printf("  %-22s %6d rows: file %s -> on screen median %6.1f ms (min %.1f, max %.1f, %d of %d);"
               " bare enumeration %6.1f ms\n",
               what, rows, kinds[kind], Median(d) * 1000, *std::min_element(d.begin(), d.end()) * 1000,
               *std::max_element(d.begin(), d.end()) * 1000, (int)d.size(), files, bare * 1000);
    }
}

std::string BurstCreate(const char* folder, int n)
{
    return "cd '" + HostPath(folder) + "' && seq -f b%05g.txt 1 " + std::to_string(n) + " | xargs touch";
}
std::string BurstDelete(const char* folder)
{
    return "cd '" + HostPath(folder) + "' && find . -maxdepth 1 -name 'b*.txt' -delete";
}

// The drive root on show with some folders expanded; a burst of files at the root.
void DriveRootBurst(Panes& p, const char* root, int n)
{
    CTreeCtrl t = p.tree->GetTreeCtrl();
    HTREEITEM drive = p.Open(root);
    if (!drive) {
        printf("  drive root: %s not in the tree\n", root);
        return;
    }
    t.Expand(drive, TVE_EXPAND);
    std::vector<HTREEITEM> expanded;
    for (HTREEITEM h = t.GetChildItem(drive); h; h = t.GetNextSiblingItem(h)) {
        if (!t.GetChildItem(h)) continue;
        t.Expand(h, TVE_EXPAND);
        expanded.push_back(h);
    }
    t.SelectItem(drive);
    Pump();
    Burst(p, "create at the drive root", root, BurstCreate(root, n));
    int still = 0;
    for (HTREEITEM h : expanded)
        if (t.GetItemState(h, TVIS_EXPANDED) & TVIS_EXPANDED) still++;
    printf("  expanded folders still expanded after it: %d of %d\n", still, (int)expanded.size());
    RunShellAndWait(BurstDelete(root));
}

}  // namespace

int main(int argc, char** argv)
{
    setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc < 7) {
        printf("usage: bench_live_refresh BURSTDIR BIGDIR SMALLDIR DRIVE: DRIVEDIR N\n");
        return 2;
    }
    const char* burst = argv[1];
    const char* big = argv[2];
    const char* small = argv[3];
    char drive[3] = {argv[4][0], ':', 0};
    CString driveTarget = CString("\\??\\") + argv[5];
    int n = atoi(argv[6]);
    if (n < 1) n = 3000;
    bool defined = ::DefineDosDeviceA(DDD_RAW_TARGET_PATH, drive, driveTarget) != 0;

    Panes p;
    printf("bursts of %d files from a host shell, folder on show %s\n", n, burst);
    if (p.Show(burst)) {
        Burst(p, "create in the folder on show", burst, BurstCreate(burst, n));
        Burst(p, "delete in the folder on show", burst, BurstDelete(burst));
    }
    printf("single changes\n");
    SingleChanges(p, "big folder on show", big);
    SingleChanges(p, "small folder on show", small);
    if (defined) {
        printf("drive root %s on show, its folders expanded\n", drive);
        char root[4] = {drive[0], ':', '\\', 0};
        DriveRootBurst(p, root, n);
        ::DefineDosDeviceA(DDD_REMOVE_DEFINITION | DDD_RAW_TARGET_PATH | DDD_EXACT_MATCH_ON_REMOVE, drive,
                           driveTarget);
    }
    return 0;
}
