// Listing a big folder into the file list (FillFolder with its sort) beside a bare
// FindFirstFileA/FindNextFileA enumeration of the same folder, and the time from a file
// created by another process until its row is in the list.
//   bench_listing.exe FOLDER...      listing figures and change-to-screen time for each folder
//   bench_listing.exe --creator DIR N  (internal) the other process that creates the files
#include "BenchClock.h"
#include "fw/afx.h"
#include "fw/Handle.h"
#include "app/AppGlobals.h"
#include "explorer/BrindlexDoc.h"
#include "explorer/list/BrindlexView.h"
#include "explorer/list/SortClass.h"
#include "explorer/ShellIcons.h"
#include "fw/Redraw.h"
#include "explorer/tree/LeftView.h"
#include <shellapi.h>
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

// The two panes over one document in a hidden window, as the frame makes them.
struct Panes {
    Panes()
    {
        AttachSystemImageList();
        RECT rc = {0, 0, 1000, 700}, left = {0, 0, 350, 700}, right = {350, 0, 1000, 700};
        host.CreateEx(0, nullptr, "bench", WS_OVERLAPPEDWINDOW, rc, nullptr, 0);
        doc.reset(new CBrindlexDoc);
        CCreateContext context;
        context.m_pCurrentDoc = doc.get();
        tree = new CLeftView;
        list = new CBrindlexView;
        tree->Create(nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, left, host.m_hWnd, 0xE900, &context);
        list->Create(nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, right, host.m_hWnd, 0xE901, &context);
        tree->OnInitialUpdate();
        list->OnInitialUpdate();
        tree->m_bRedirectSelection = 0;
    }
    ~Panes() { host.DestroyWindow(); }
    CWnd host;
    std::unique_ptr<CBrindlexDoc> doc;
    CLeftView* tree = nullptr;
    CBrindlexView* list = nullptr;
};

static void ListingFigures(Panes& p, const char* folder)
{
    const int runs = 3;
    std::vector<double> bare, fill, rows, sort, clear;
    int entries = 0, shown = 0;
    for (int r = 0; r < runs; r++) {
        double t0 = BenchNow();
        entries = Enumerate(folder);
        double t1 = BenchNow();
        p.tree->FillFolder(nullptr, folder, false);
        double t2 = BenchNow();
        shown = p.list->GetListCtrl().GetItemCount();
        bare.push_back(t1 - t0);
        fill.push_back(t2 - t1);
        // The parts of a listing, one by one: the rows with their cells, then the sort.
        std::vector<WIN32_FIND_DATAA> found;
        {
            WIN32_FIND_DATAA fd;
            CFindHandle h(::FindFirstFileA(CString(folder) + "\\*.*", &fd));
            if (h.IsValid()) do found.push_back(fd);
            while (::FindNextFileA(h, &fd));
        }
        double t3 = BenchNow();
        p.list->DeleteAllEntries();
        double t4 = BenchNow();
        CRedrawOff quiet(p.list->m_hWnd);
        CShellIcons::Clear();
        for (const WIN32_FIND_DATAA& fd : found)
            if (strcmp(fd.cFileName, ".") && strcmp(fd.cFileName, "..")) p.list->AddFileEntry(fd, folder);
        double t5 = BenchNow();
        {
            CSortClass sorter(p.list, 0, false);
            sorter.Sort(true);
        }
        double t6 = BenchNow();
        clear.push_back(t4 - t3);
        rows.push_back(t5 - t4);
        sort.push_back(t6 - t5);
    }
    double b = BenchMedian(bare), f = BenchMedian(fill);
    printf("%s: %d entries, %d rows\n", folder, entries - 2, shown);
    printf("  bare FindFirstFileA/FindNextFileA  %8.1f ms\n", b * 1000);
    printf("  FillFolder into the list, sorted   %8.1f ms   ratio %.1fx   %.1f us per row\n", f * 1000, f / b,
           f * 1e6 / (shown ? shown : 1));
    printf("    parts: emptying the list %.1f ms, rows with icons and cells %.1f ms, name sort %.1f ms"
           " (enumeration in both)\n",
           BenchMedian(clear) * 1000, BenchMedian(rows) * 1000, BenchMedian(sort) * 1000);
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
    for (int i = 1; i < argc; i++) ChangeToScreen(panes, argv[i], argv[0]);
    return 0;
}
