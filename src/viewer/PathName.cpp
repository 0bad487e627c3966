#include "viewer/PathName.h"
#include <windows.h>
#include <string.h>
#include <wchar.h>
#include <vector>

CString AnsiPathOf(const wchar_t* path)
{
    CString ansi;
    if (ExactAnsi(path, ansi)) return ansi;
    DWORD need = ::GetShortPathNameW(path, nullptr, 0);
    if (need == 0) return CString();
    std::vector<wchar_t> shortPath((size_t)need + 1);
    DWORD n = ::GetShortPathNameW(path, shortPath.data(), (DWORD)shortPath.size());
    if (n == 0 || n >= shortPath.size() || !ExactAnsi(shortPath.data(), ansi)) return CString();
    return ansi;
}
