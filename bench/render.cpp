// Renders a whole file through StreamSectionChunk with the control's 4096-byte transfer
// buffer, in hex and in text mode, and prints the input throughput of each.
//   bench_render.exe FILE [ROUNDS]   prints "hex MB/s <x>" and "text MB/s <y>" (best round)
//   bench_render.exe FILE --check    prints each mode's output size and FNV-1a hash instead
// The section is the whole file: g_nSectionLeft starts at the file's length, so the
// renderer runs without the section reloads around it.
#include "fw/afx.h"
#include "viewer/SectionRenderer.h"
#include "viewer/ViewerState.h"
#include <stdlib.h>

namespace {

const LONG kTransfer = 4096;

// One pass over the file; returns the output byte count. hash is updated when not null.
unsigned __int64 RenderAll(int hexMode, unsigned __int64* hash)
{
    g_bHexMode = hexMode;
    g_viewedFile.Seek(0);
    g_nSectionLeft = (unsigned)g_nFileLength;
    static BYTE buf[kTransfer];
    unsigned __int64 total = 0;
    for (;;) {
        LONG cb = 0;
        StreamSectionChunk(0, buf, kTransfer, &cb);
        if (cb <= 0) break;
        total += (unsigned)cb;
        if (hash) {
            for (LONG i = 0; i < cb; i++) {
                *hash ^= buf[i];
                *hash *= 1099511628211ULL;
            }
        }
    }
    return total;
}

double Seconds(const LARGE_INTEGER& a, const LARGE_INTEGER& b, const LARGE_INTEGER& freq)
{
    return (double)(b.QuadPart - a.QuadPart) / (double)freq.QuadPart;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: bench_render FILE [ROUNDS | --check]\n");
        return 2;
    }
    if (!g_viewedFile.Open(argv[1])) {
        fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    g_nFileLength = g_viewedFile.GetLength();
    if (g_nFileLength == 0 || g_nFileLength > 0xFFFFFFFFu) {
        fprintf(stderr, "file must hold 1 byte to 4 GiB - 1\n");
        return 1;
    }
    const int modes[2] = {1, 0};
    const char* names[2] = {"hex", "text"};

    if (argc > 2 && !strcmp(argv[2], "--check")) {
        for (int m = 0; m < 2; m++) {
            unsigned __int64 hash = 14695981039346656037ULL;
            unsigned __int64 n = RenderAll(modes[m], &hash);
            printf("%s bytes %.0f fnv %08x%08x\n", names[m], (double)n, (unsigned)(hash >> 32),
                   (unsigned)hash);
        }
        return 0;
    }

    int rounds = argc > 2 ? atoi(argv[2]) : 3;
    if (rounds < 1) rounds = 1;
    LARGE_INTEGER freq;
    ::QueryPerformanceFrequency(&freq);
    RenderAll(0, nullptr);  // warms the file cache and the code
    for (int m = 0; m < 2; m++) {
        double best = 1e30;
        unsigned __int64 out = 0;
        for (int r = 0; r < rounds; r++) {
            LARGE_INTEGER a, b;
            ::QueryPerformanceCounter(&a);
            out = RenderAll(modes[m], nullptr);
            ::QueryPerformanceCounter(&b);
            double s = Seconds(a, b, freq);
            if (s < best) best = s;
        }
        printf("%s MB/s %.1f  (%.3f s, %.0f bytes out)\n", names[m],
               (double)g_nFileLength / 1e6 / best, best, (double)out);
    }
    return 0;
}
