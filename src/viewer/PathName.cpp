#include "viewer/PathName.h"
#include <windows.h>
#include <string.h>
#include <wchar.h>
#include <vector>

bool HasWildcard(const char* path)
{
    // Neither character can be the trail byte of a double-byte character.
    return strpbrk(path, "?*") != nullptr;
}

bool ExactAnsi(const wchar_t* wide, CString& out)
{
    // Without the flag a character may come out as a look-alike ("\x3a9mega" as "Omega") and
    // nothing says so; the way back catches whatever the flag does not.
    BOOL lossy = FALSE;
    int n = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, nullptr, 0, nullptr, &lossy);
    if (n <= 0 || lossy) return false;
    std::vector<char> buf((size_t)n);
    if (::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, buf.data(), n, nullptr, &lossy) <= 0 || lossy)
        return false;
    int wn = ::MultiByteToWideChar(CP_ACP, 0, buf.data(), -1, nullptr, 0);
    if (wn <= 0) return false;
    std::vector<wchar_t> back((size_t)wn);
    if (::MultiByteToWideChar(CP_ACP, 0, buf.data(), -1, back.data(), wn) <= 0 || wcscmp(back.data(), wide) != 0)
        return false;
    out = buf.data();
    return true;
}

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
