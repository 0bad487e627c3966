// Find Files through its window beside the engine alone:
//   bench_find_files FOLDER ROUNDS        "engine|replace|add <matches> <seconds>" (best rounds)
//   bench_find_files --gap FILE           "gap <ms> <pumps> <seconds>": the longest time between
//                                         two message-pump runs while FILE is scanned for text
#include "BenchClock.h"
#include "fw/afx.h"
#include "fw/WinApp.h"
#include "search/FindFilesDlg.h"
#include "res/resource.h"
#include <stdlib.h>

static CWinApp g_app("Brindlex");

static double Engine(const char* folder, int& found)
{
    CFileFinder finder;
    FILEFINDPARAMS params;
    params.folder = folder;
    params.mask = "**";
    params.subfolders = TRUE;
    params.flags = FIND_ATTRIBUTES;
    params.attributes = FILE_ATTRIBUTE_ARCHIVE;
    double t0 = BenchNow();
    found = finder.FindFiles(params);
    return BenchNow() - t0;
}

static double Dialog(CFindFilesDlg& dlg, const char* folder, int mode, int& rows)
{
    ::SetDlgItemTextA(dlg.m_hWnd, IDC_FIND_LOOK_IN, folder);
    ::CheckDlgButton(dlg.m_hWnd, IDC_FIND_SUBFOLDERS, BST_CHECKED);
    for (int id = IDC_FIND_REPLACE; id <= IDC_FIND_REMOVE; id++)
        ::CheckDlgButton(dlg.m_hWnd, id, id == IDC_FIND_REPLACE + mode ? BST_CHECKED : BST_UNCHECKED);
    ::SetDlgItemTextA(dlg.m_hWnd, IDC_FIND_NAMED, "");
    if (mode != LIST_REPLACE) {
        // Emptied the window's own way: a Replace search that finds nothing.
        ::SetDlgItemTextA(dlg.m_hWnd, IDC_FIND_NAMED, "|");
        ::CheckDlgButton(dlg.m_hWnd, IDC_FIND_REPLACE + mode, BST_UNCHECKED);
        ::CheckDlgButton(dlg.m_hWnd, IDC_FIND_REPLACE, BST_CHECKED);
        dlg.OnSearch();
        ::SetDlgItemTextA(dlg.m_hWnd, IDC_FIND_NAMED, "");
        ::CheckDlgButton(dlg.m_hWnd, IDC_FIND_REPLACE, BST_UNCHECKED);
        ::CheckDlgButton(dlg.m_hWnd, IDC_FIND_REPLACE + mode, BST_CHECKED);
    }
    double t0 = BenchNow();
    dlg.OnSearch();
    double t = BenchNow() - t0;
    rows = (int)::SendMessageA(dlg.GetDlgItem(IDC_FIND_RESULTS), LVM_GETITEMCOUNT, 0, 0);
    return t;
}

struct GapProbe {
    CFindFilesDlg* dlg;
    double last;
    double longest;
    int pumps;
    static void Callback(CFileFinder* f, int code, void* p)
    {
        GapProbe* g = (GapProbe*)p;
        CFindFilesDlg::FindFilesCallback(f, code, g->dlg);
        double now = BenchNow();
        if (now - g->last > g->longest) g->longest = now - g->last;
        g->last = now;
        g->pumps++;
    }
};

int main(int argc, char** argv)
{
    if (argc < 3) {
        printf("usage: bench_find_files FOLDER ROUNDS | --gap FILE\n");
        return 2;
    }
    ::InitCommonControls();
    CFindFilesDlg dlg;
    if (!dlg.Create(nullptr, nullptr)) {
        printf("no window (error %lu)\n", ::GetLastError());
        return 1;
    }

    if (!strcmp(argv[1], "--gap")) {
        CPath file(argv[2]);
        GapProbe probe = {&dlg, 0, 0, 0};
        CFileFinder finder;
        finder.SetCallback(&GapProbe::Callback, &probe);
        FILEFINDPARAMS params;
        params.folder = file.GetLocation();
        params.mask = file.GetFileName();
        params.flags = FIND_TEXT;
        params.text = "a text that is not there";
        double t0 = BenchNow();
        probe.last = t0;
        finder.FindFiles(params);
        double end = BenchNow();
        if (end - probe.last > probe.longest) probe.longest = end - probe.last;
        double t = end - t0;
        printf("gap %.2f %d %.3f\n", probe.longest * 1000, probe.pumps, t);
        return 0;
    }

    int rounds = atoi(argv[2]);
    double best[3] = {1e30, 1e30, 1e30};
    int counts[3] = {0, 0, 0};
    for (int r = 0; r < rounds; r++) {
        double t = Engine(argv[1], counts[0]);
        if (t < best[0]) best[0] = t;
        for (int mode : {LIST_REPLACE, LIST_ADD}) {
            t = Dialog(dlg, argv[1], mode, counts[1 + mode]);
            if (t < best[1 + mode]) best[1 + mode] = t;
        }
    }
    printf("engine %d %.4f\n", counts[0], best[0]);
    printf("replace %d %.4f\n", counts[1], best[1]);
    printf("add %d %.4f\n", counts[2], best[2]);
    dlg.DestroyWindow();
    return 0;
}
