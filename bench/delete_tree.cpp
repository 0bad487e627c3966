// Removing a folder tree: bench_delete_tree FOLDER WHICH. WHICH "tree" runs DeleteFolderTree,
// "bare" the floor under it: a plain enumerate-and-delete walk without attribute handling or
// link checks. Prints "<which> <seconds>".
#include "fw/afx.h"
#include "fw/Handle.h"
#include "explorer/DeleteFolderTree.h"
#include <stdio.h>
#include <string.h>

static bool BareDelete(const CString& folder)
{
    WIN32_FIND_DATAA fd;
    bool ok = true;
    {
        CFindHandle find(::FindFirstFileA(folder + "\\*.*", &fd));
        if (!find.IsValid()) return false;
        do {
            if (!strcmp(fd.cFileName, ".") || !strcmp(fd.cFileName, "..")) continue;
            CString path = folder + "\\" + fd.cFileName;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                ok = BareDelete(path) && ok;
            else
                ok = ::DeleteFileA(path) && ok;
        } while (::FindNextFileA(find, &fd));
    }
    return ::RemoveDirectoryA(folder) && ok;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        printf("usage: bench_delete_tree FOLDER tree|bare\n");
        return 2;
    }
    LARGE_INTEGER freq, t0, t1;
    ::QueryPerformanceFrequency(&freq);
    ::QueryPerformanceCounter(&t0);
    bool ok = !strcmp(argv[2], "bare") ? BareDelete(argv[1]) : DeleteFolderTree(argv[1]);
    ::QueryPerformanceCounter(&t1);
    printf("%s %.4f %s\n", argv[2], (double)(t1.QuadPart - t0.QuadPart) / (double)freq.QuadPart, ok ? "ok" : "failed");
    return ok ? 0 : 1;
}
