// The file search's walk of a large tree: bench_walk FOLDER ROUNDS.
// Prints "walk <results> <seconds>" for the best round, and "enum <entries> <seconds>" for
// the platform's bare enumeration of the same tree (the floor under any walk).
#include "fw/afx.h"
#include "fw/FileFind.h"
#include "search/FileFinder.h"
#include <stdlib.h>

static int Enumerate(const CString& folder)
{
    int n = 0;
    CFileFind ff;
    BOOL more = ff.FindFile(folder + "\\*.*");
    while (more) {
        more = ff.FindNextFile();
        if (ff.IsDots()) continue;
        n++;
        if (ff.IsDirectory()) n += Enumerate(folder + "\\" + ff.GetFileName());
    }
    return n;
}

static double Seconds(const LARGE_INTEGER& t0, const LARGE_INTEGER& t1, const LARGE_INTEGER& freq)
{
    return (double)(t1.QuadPart - t0.QuadPart) / (double)freq.QuadPart;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        printf("usage: bench_walk FOLDER [ROUNDS]\n");
        return 2;
    }
    int rounds = argc > 2 ? atoi(argv[2]) : 3;
    LARGE_INTEGER freq, t0, t1;
    ::QueryPerformanceFrequency(&freq);
    double best = 1e30, bestEnum = 1e30;
    int found = 0, entries = 0;
    for (int r = 0; r < rounds; r++) {
        ::QueryPerformanceCounter(&t0);
        entries = Enumerate(argv[1]);
        ::QueryPerformanceCounter(&t1);
        if (Seconds(t0, t1, freq) < bestEnum) bestEnum = Seconds(t0, t1, freq);

        CFileFinder finder;
        FILEFINDPARAMS params;
        params.folder = argv[1];
        params.mask = "*.*";
        params.subfolders = TRUE;
        ::QueryPerformanceCounter(&t0);
        found = finder.FindFiles(params);
        ::QueryPerformanceCounter(&t1);
        if (Seconds(t0, t1, freq) < best) best = Seconds(t0, t1, freq);
    }
    printf("walk %d %.4f\n", found, best);
    printf("enum %d %.4f\n", entries, bestEnum);
    return 0;
}
