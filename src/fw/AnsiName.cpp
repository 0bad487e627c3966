#include "fw/AnsiName.h"
#include <string.h>
#include <wchar.h>
#include <vector>

bool HasWildcard(const char* path)
{
    // Neither character can be the trail byte of a double-byte character.
    return path && strpbrk(path, "?*") != nullptr;
}

bool ExactAnsi(const wchar_t* wide, CString& out)
{
    // Without the flag a character may come out as a look-alike ("\x3a9mega" as "Omega") and
    // nothing says so; the way back catches whatever the flag does not. UTF-8 takes neither
    // the flag nor the question (the way back still catches a lone surrogate). Names fit the
    // buffers on the stack: every entry of a listing passes here.
    bool utf8 = ::GetACP() == CP_UTF8;
    DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL lossy = FALSE;
    BOOL* pLossy = utf8 ? nullptr : &lossy;
    char small[MAX_PATH * 4];
    std::vector<char> big;
    char* buf = small;
    int n = ::WideCharToMultiByte(CP_ACP, flags, wide, -1, small, (int)sizeof small, nullptr, pLossy);
    if (n <= 0 && ::GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        n = ::WideCharToMultiByte(CP_ACP, flags, wide, -1, nullptr, 0, nullptr, pLossy);
        if (n <= 0) return false;
        big.resize((size_t)n);
        buf = big.data();
        n = ::WideCharToMultiByte(CP_ACP, flags, wide, -1, buf, n, nullptr, pLossy);
    }
    if (n <= 0 || lossy) return false;
    // A way back longer than the name cannot be the name: a buffer of its length decides.
    size_t capacity = wcslen(wide) + 2;
    wchar_t backSmall[MAX_PATH + 2];
    std::vector<wchar_t> backBig;
    wchar_t* back = backSmall;
    if (capacity > ARRAYSIZE(backSmall)) {
        backBig.resize(capacity);
        back = backBig.data();
    }
    int wn = ::MultiByteToWideChar(CP_ACP, 0, buf, -1, back, (int)capacity);
    if (wn <= 0 || wcscmp(back, wide) != 0) return false;
    out = buf;
    return true;
}

CString ShownAnsi(const wchar_t* wide)
{
    int n = ::WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return CString();
    std::vector<char> buf((size_t)n);
    if (::WideCharToMultiByte(CP_ACP, 0, wide, -1, buf.data(), n, nullptr, nullptr) <= 0) return CString();
    return CString(buf.data());
}

std::wstring WideOf(const char* ansi)
{
    int n = ansi ? ::MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0) : 0;
    if (n <= 0) return std::wstring();
    std::vector<wchar_t> buf((size_t)n);
    if (::MultiByteToWideChar(CP_ACP, 0, ansi, -1, buf.data(), n) <= 0) return std::wstring();
    return std::wstring(buf.data());
}
