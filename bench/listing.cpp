// Listing a big folder into the file list (FillFolder with its sort and the first paint)
// beside a bare FindFirstFileA/FindNextFileA enumeration of the same folder; each column's
// sort beside a plain std::stable_sort of the same keys, and the memory per row; the time
// from a file created by another process until its row is in the list.
//   bench_listing.exe FOLDER...      listing figures and change-to-screen time for each folder
//   bench_listing.exe --creator DIR N  (internal) the other process that creates the files
#include "BenchClock.h"
#include "BenchPanes.h"
#include "fw/afx.h"
#include "fw/Handle.h"
#include "app/AppGlobals.h"
#include "explorer/BrindlexDoc.h"
#include "explorer/list/BrindlexView.h"
#include "explorer/list/SortClass.h"
#include "explorer/ShellIcons.h"
#include "fw/Redraw.h"
#include "explorer/tree/LeftView.h"
#include "explorer/RowCells.h"
#include "explorer/NameIndex.h"
#include <shellapi.h>
#include <psapi.h>
#include <string>
#include <algorithm>
#include <memory>
#include <vector>

// The reference: enumerate the folder and nothing else.
static int Enumerate(const char* folder)
{
    WIN32_FIND_DATAA fd;
    CFindHandle h(::FindFirstFileA(CString(folder) + "\\*.*", &fd));
    int n = 0;
    if (!h.IsValid()) return 0;
    do n++;
    while (::FindNextFileA(h, &fd));
    return n;
}

using Panes = BenchPanes;

// The process's private bytes (0 when the platform does not say).
static double PrivateBytes()
{
    typedef BOOL(WINAPI * MemoryInfoFn)(HANDLE, PROCESS_MEMORY_COUNTERS*, DWORD);
    static MemoryInfoFn info =
        (MemoryInfoFn)(void (*)())::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "K32GetProcessMemoryInfo");
    PROCESS_MEMORY_COUNTERS_EX pmc = {};
    pmc.cb = sizeof pmc;
    if (!info || !info(::GetCurrentProcess(), (PROCESS_MEMORY_COUNTERS*)&pmc, sizeof pmc)) return 0;
    // Wine may leave the private figure out; the commit charge is the same memory.
    return (double)(pmc.PrivateUsage ? pmc.PrivateUsage : pmc.PagefileUsage);
}

static void ListingFigures(Panes& p, const char* folder)
{
    const int runs = 3;
    std::vector<double> bare, fill, load, sort, count;
    int entries = 0, shown = 0;
    CListCtrl list = p.list->GetListCtrl();
    for (int r = 0; r < runs; r++) {
        // From another folder, as a selection change comes.
        p.list->ShowFolder("C:\\");
        double t0 = BenchNow();
        entries = Enumerate(folder);
        double t1 = BenchNow();
        p.tree->FillFolder(nullptr, folder, false);
        ::UpdateWindow(p.list->m_hWnd);  // the first screenful of rows, with their icons
        double t2 = BenchNow();
        shown = list.GetItemCount();
        bare.push_back(t1 - t0);
        fill.push_back(t2 - t1);
        // The parts: the model reads, the model sorts, the control takes the count and paints.
        CFolderModel& model = p.list->GetModel();
        double t3 = BenchNow();
        model.Load(folder);
        double t4 = BenchNow();
        model.Sort(0);
        double t5 = BenchNow();
        ::SendMessageA(p.list->m_hWnd, LVM_SETITEMCOUNT, 0, 0);
        ::SendMessageA(p.list->m_hWnd, LVM_SETITEMCOUNT, (WPARAM)model.GetCount(), LVSICF_NOSCROLL);
        ::InvalidateRect(p.list->m_hWnd, nullptr, TRUE);
        ::UpdateWindow(p.list->m_hWnd);
        double t6 = BenchNow();
        load.push_back(t4 - t3);
        sort.push_back(t5 - t4);
        count.push_back(t6 - t5);
    }
    double b = BenchMedian(bare), f = BenchMedian(fill);
    printf("%s: %d entries, %d rows\n", folder, entries - 2, shown);
    printf("  bare FindFirstFileA/FindNextFileA  %8.1f ms\n", b * 1000);
    printf("  listed, sorted and painted         %8.1f ms   ratio %.2fx (goal 1.5x)   %.2f us per row\n", f * 1000,
           f / b, f * 1e6 / (shown ? shown : 1));
    printf("    parts: the model reads %.1f ms, sorts by name %.1f ms, the control counts and paints %.1f ms\n",
           BenchMedian(load) * 1000, BenchMedian(sort) * 1000, BenchMedian(count) * 1000);
}

// Each column's sort of the rows on show (the view's own, selection kept) beside a plain
// std::stable_sort of the same keys; and the memory the rows take.
static void SortFigures(Panes& p, const char* folder)
{
    p.list->ShowFolder("C:\\");
    double before = PrivateBytes();
    p.tree->FillFolder(nullptr, folder, false);
    double after = PrivateBytes();
    CFolderModel& model = p.list->GetModel();
    int n = model.GetCount();
    printf("%s: %d rows\n", folder, n);
    if (before > 0 && after > 0 && n)
        printf("  memory: %.0f bytes per row (private bytes %.1f MB more for the listing; goal 250)\n",
               (after - before) / n, (after - before) / 1e6);
    const char* names[] = {"name", "size", "created", "modified"};
    for (int column = 0; column < 4; column++) {
        std::vector<double> view, plain;
        for (int r = 0; r < 3; r++) {
            // The same keys, made before the clock starts.
            std::vector<std::pair<ULONGLONG, int>> numbers;
            std::vector<std::pair<std::string, int>> texts;
            for (int i = 0; i < n; i++) {
                const CFolderEntry& e = model.GetAt(i);
                if (column == 0)
                    texts.push_back({(e.IsFolder() ? std::string("\n") : std::string()) + e.strName.str(), i});
                else if (column == 1)
                    numbers.push_back({e.IsFolder() ? 0 : e.nSize, i});
                else
                    numbers.push_back({DateCellOrder(column == 2 ? e.ftCreated : e.ftModified), i});
            }
            double t0 = BenchNow();
            if (column == 0)
                std::stable_sort(texts.begin(), texts.end(), [](const std::pair<std::string, int>& a,
                                                                 const std::pair<std::string, int>& b) {
                    return CNameIndex::Compare(a.first.c_str(), b.first.c_str()) < 0;
                });
            else
                std::stable_sort(numbers.begin(), numbers.end(),
                                 [](const std::pair<ULONGLONG, int>& a, const std::pair<ULONGLONG, int>& b) {
                                     return a.first < b.first;
                                 });
            double t1 = BenchNow();
            // The view's sort from a shuffled order, as after another column's sort.
            model.Sort((column + 1) % 4);
            double t2 = BenchNow();
            p.list->SortRows(column);
            ::UpdateWindow(p.list->m_hWnd);
            double t3 = BenchNow();
            plain.push_back(t1 - t0);
            view.push_back(t3 - t2);
        }
        double v = BenchMedian(view), s = BenchMedian(plain);
        printf("  sort by %-8s %8.1f ms; plain std::stable_sort of the keys %8.1f ms; ratio %.2fx (goal 2x)\n",
               names[column], v * 1000, s * 1000, v / s);
    }
}

// Selects the folder in the tree (so that it is watched), has another process create files
// one at a time and measures until each file's row is in the list.
static void ChangeToScreen(Panes& p, const char* folder, const char* self)
{
    // The folder's item, its ancestors expanded the way the user opens them, so that the
    // selection watches it and its parent.
    CTreeCtrl tree = p.tree->GetTreeCtrl();
    CString path(folder);
    HTREEITEM item = tree.GetRootItem();
    while (item && tree.GetItemText(item).CompareNoCase(path.Left(3)) != 0) item = tree.GetNextSiblingItem(item);
    for (int i = 3; item && i < path.GetLength();) {
        int end = path.Find('\\', i);
        if (end < 0) end = path.GetLength();
        tree.Expand(item, TVE_EXPAND);
        CString name = path.Mid(i, end - i);
        for (item = tree.GetChildItem(item); item && tree.GetItemText(item).CompareNoCase(name) != 0;)
            item = tree.GetNextSiblingItem(item);
        i = end + 1;
    }
    if (!item) return;
    tree.SelectItem(item);
    const int files = 9;
    CHandle go(::CreateEventA(nullptr, FALSE, FALSE, "BlxBenchListingGo"));
    char cmd[600];
    snprintf(cmd, sizeof cmd, "\"%s\" --creator \"%s\" %d", self, folder, files);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(nullptr, cmd, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
    CHandle process(pi.hProcess), thread(pi.hThread);
    std::vector<double> delays;
    for (int i = 0; i < files; i++) {
        char name[32];
        snprintf(name, sizeof name, "zz-bench-%d.txt", i);
        ::SetEvent(go);
        double start = BenchNow();
        while (!p.list->HasEntry(name) && BenchNow() - start < 10) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            MSG msg;
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
        }
        double seen = BenchNow();
        std::string stamp = [&] {
            CFileHandle f(::CreateFileA(CString(folder) + "\\" + name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
            char buf[64] = "";
            DWORD got = 0;
            if (f.IsValid()) ::ReadFile(f, buf, sizeof buf - 1, &got, nullptr);
            buf[got] = 0;
            return std::string(buf);
        }();
        delays.push_back(seen - atof(stamp.c_str()));
        ::Sleep(50);  // let the next change come on its own
    }
    ::WaitForSingleObject(process, 5000);
    for (int i = 0; i < files; i++) {
        char name[32];
        snprintf(name, sizeof name, "\\zz-bench-%d.txt", i);
        ::DeleteFileA(CString(folder) + name);
    }
    int rows = p.list->GetListCtrl().GetItemCount();
    printf("  change to screen, %d rows on show: median %.1f ms (min %.1f, max %.1f) over %d files\n", rows,
           BenchMedian(delays) * 1000, *std::min_element(delays.begin(), delays.end()) * 1000,
           *std::max_element(delays.begin(), delays.end()) * 1000, files);
}

static int Creator(const char* folder, int files)
{
    CHandle go(::OpenEventA(SYNCHRONIZE | EVENT_MODIFY_STATE, FALSE, "BlxBenchListingGo"));
    if (!go.IsValid()) return 1;
    for (int i = 0; i < files; i++) {
        if (::WaitForSingleObject(go, 20000) != WAIT_OBJECT_0) return 1;
        char path[600], stamp[64];
        snprintf(path, sizeof path, "%s\\zz-bench-%d.txt", folder, i);
        snprintf(stamp, sizeof stamp, "%.9f", BenchNow());
        CFileHandle f(::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        DWORD done = 0;
        if (f.IsValid()) ::WriteFile(f, stamp, (DWORD)strlen(stamp), &done, nullptr);
    }
    return 0;
}

int main(int argc, char** argv)
{
    setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc == 4 && !strcmp(argv[1], "--creator")) return Creator(argv[2], atoi(argv[3]));
    if (argc < 2) {
        printf("usage: bench_listing FOLDER...\n");
        return 2;
    }
    Panes panes;
    for (int i = 1; i < argc; i++) ListingFigures(panes, argv[i]);
    SortFigures(panes, argv[argc > 2 ? 2 : 1]);
    for (int i = 1; i < argc; i++) ChangeToScreen(panes, argv[i], argv[0]);
    return 0;
}
