#include "viewer/PathName.h"
#include <windows.h>
#include <string.h>
#include <vector>

bool HasWildcard(const char* path)
{
    // Neither character can be the trail byte of a double-byte character.
    return strpbrk(path, "?*") != nullptr;
}

static bool ToAnsi(const wchar_t* wide, CString& out)
{
    BOOL lossy = FALSE;
    int n = ::WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, &lossy);
    if (n <= 0 || lossy) return false;
    std::vector<char> buf((size_t)n);
    if (::WideCharToMultiByte(CP_ACP, 0, wide, -1, buf.data(), n, nullptr, &lossy) <= 0 || lossy) return false;
    out = buf.data();
    return true;
}

CString AnsiPathOf(const wchar_t* path)
{
    CString ansi;
    if (ToAnsi(path, ansi)) return ansi;
    DWORD need = ::GetShortPathNameW(path, nullptr, 0);
    if (need == 0) return CString();
    std::vector<wchar_t> shortPath((size_t)need + 1);
    DWORD n = ::GetShortPathNameW(path, shortPath.data(), (DWORD)shortPath.size());
    if (n == 0 || n >= shortPath.size() || !ToAnsi(shortPath.data(), ansi)) return CString();
    return ansi;
}
