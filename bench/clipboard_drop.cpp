// Copy of many selected rows onto the clipboard and the drop of that block into another
// folder (one shell copy per path), with the parts timed apart: building and reading the
// file-drop block, the clipboard, the shell's copies; beside a bare CopyFileA loop.
//   bench_clipboard_drop.exe SOURCE DEST DEST_BARE
#include "BenchClock.h"
#include "fw/afx.h"
#include "fw/Handle.h"
#include "explorer/DropPaths.h"
#include "explorer/FileDrop.h"
#include "explorer/ShellIcons.h"
#include "explorer/list/BrindlexView.h"
#include "fw/OleDataObject.h"
#include "res/resource.h"
#include <algorithm>
#include <vector>

static void ListFolder(CBrindlexView* view, const char* folder)
{
    view->ShowFolder(folder);
    WIN32_FIND_DATAA fd;
    CFindHandle h(::FindFirstFileA(CString(folder) + "\\*.*", &fd));
    if (!h.IsValid()) return;
    do
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) view->AddFileEntry(fd, folder);
    while (::FindNextFileA(h, &fd));
}

int main(int argc, char** argv)
{
    if (argc < 4) return 2;
    ::OleInitialize(nullptr);
    AttachSystemImageList();
    CWnd host;
    RECT rc = {0, 0, 800, 600};
    host.CreateEx(0, nullptr, "bench", WS_OVERLAPPEDWINDOW, rc, nullptr, 0);
    CBrindlexView* view = new CBrindlexView;
    view->Create(nullptr, WS_CHILD | WS_VISIBLE, rc, host.m_hWnd, AFX_IDW_PANE_FIRST, nullptr);
    view->OnInitialUpdate();
    ListFolder(view, argv[1]);
    int n = view->GetModel().GetCount();
    view->GetListCtrl().SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
    CArray<CString> paths = view->GetSelectedPaths();

    // The block alone: built and read back, many times.
    std::vector<double> build, read;
    for (int r = 0; r < 21; r++) {
        double t0 = BenchNow();
        CGlobalMemory block = MakeFileDropBlock(paths);
        double t1 = BenchNow();
        FILEDROPLIST list;
        ReadFileDropBlock(block.Get(), &list);
        double t2 = BenchNow();
        build.push_back(t1 - t0);
        read.push_back(t2 - t1);
        if (list.paths.GetSize() != n) return 3;
    }
    // Copy: the selected rows' paths, the block, the clipboard.
    std::vector<double> copy;
    for (int r = 0; r < 5; r++) {
        double t0 = BenchNow();
        ::SendMessageA(view->m_hWnd, WM_COMMAND, ID_EDIT_COPY, 0);
        copy.push_back(BenchNow() - t0);
    }
    // The drop: the block from the clipboard, then one shell copy per path.
    ListFolder(view, argv[2]);
    double t0 = BenchNow();
    COleDataObject data;
    data.AttachClipboard();
    CGlobalMemory block(data.GetGlobalData(CF_HDROP));
    FILEDROPLIST list;
    ReadFileDropBlock(block.Get(), &list);
    double tRead = BenchNow() - t0;
    t0 = BenchNow();
    int arrived = DropPathsInto(view->m_hWnd, list.paths, CString(argv[2]) + "\\", false);
    double tDrop = BenchNow() - t0;
    data.Release();
    // The same files with a bare CopyFileA each.
    t0 = BenchNow();
    for (int i = 0; i < paths.GetSize(); i++) {
        CString name = paths[i].Mid(paths[i].ReverseFind('\\') + 1);
        ::CopyFileA(paths[i], CString(argv[3]) + "\\" + name, TRUE);
    }
    double tBare = BenchNow() - t0;

    printf("paths %d\n", n);
    printf("block build ms/1000 paths %.3f\n", BenchMedian(build) * 1000 * 1000 / n);
    printf("block read ms/1000 paths %.3f\n", BenchMedian(read) * 1000 * 1000 / n);
    printf("copy command s %.4f\n", BenchMedian(copy));
    printf("clipboard read s %.4f\n", tRead);
    printf("drop s %.3f (arrived %d)\n", tDrop, arrived);
    printf("bare CopyFileA s %.3f\n", tBare);
    host.DestroyWindow();
    ::OleUninitialize();
    return arrived == n ? 0 : 1;
}
