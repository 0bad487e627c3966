// The content scan of the file search over one large file: bench_content_scan FILE TEXT ROUNDS.
// Prints "scan <found> <seconds> <MB/s>" for the best round.
#include "fw/afx.h"
#include "search/FileFinder.h"
#include <stdlib.h>

int main(int argc, char** argv)
{
    if (argc < 3) {
        printf("usage: bench_content_scan FILE TEXT [ROUNDS]\n");
        return 2;
    }
    int rounds = argc > 3 ? atoi(argv[3]) : 3;
    CPath file(argv[1]);
    unsigned __int64 size = 0;
    if (!file.GetFileSize(size)) {
        printf("cannot read %s\n", argv[1]);
        return 1;
    }
    LARGE_INTEGER freq, t0, t1;
    ::QueryPerformanceFrequency(&freq);
    double best = 1e30;
    int found = 0;
    for (int r = 0; r < rounds; r++) {
        CFileFinder finder;
        FILEFINDPARAMS params;
        params.folder = file.GetDrive() + file.GetDirectory();
        params.folder = params.folder.Left(params.folder.GetLength() - 1);
        params.mask = file.GetFileName();
        params.flags = FIND_TEXT;
        params.text = argv[2];
        ::QueryPerformanceCounter(&t0);
        found = finder.FindFiles(params);
        ::QueryPerformanceCounter(&t1);
        double s = (double)(t1.QuadPart - t0.QuadPart) / (double)freq.QuadPart;
        if (s < best) best = s;
    }
    printf("scan %d %.4f %.1f\n", found, best, (double)size / best / 1e6);
    return 0;
}
