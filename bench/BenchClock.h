// The clock and the summary every benchmark uses.
#pragma once

#include <windows.h>
#include <algorithm>
#include <vector>

// Seconds since an arbitrary start, from the performance counter.
inline double BenchNow()
{
    static LARGE_INTEGER freq = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)freq.QuadPart;
}

// The middle value of a set of runs (0 for none): one slow run under a loaded machine
// does not move it.
inline double BenchMedian(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}
