#include "support/Modules.h"
#include <tlhelp32.h>
#include <algorithm>
#include <ctype.h>

static std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return (char)tolower(c); });
    return s;
}

std::string LoadedModulePath(DWORD pid, const char* name)
{
    HANDLE snap = ::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snap == INVALID_HANDLE_VALUE) return "";
    std::string found;
    MODULEENTRY32 me = {};
    me.dwSize = sizeof me;
    for (BOOL ok = ::Module32First(snap, &me); ok && found.empty(); ok = ::Module32Next(snap, &me))
        if (Lower(me.szModule) == Lower(name)) found = me.szExePath;
    ::CloseHandle(snap);
    return found;
}

bool IsOwnCommonControls6(const std::string& path)
{
#ifdef _WIN64
    const std::string arch = "amd64_";
#else
    const std::string arch = "x86_";
#endif
    // ...\winsxs\<arch>microsoft.windows.common-controls_6595b64144ccf1df_6.0.x.y_...\comctl32.dll
    const std::string p = Lower(path);
    const std::string folder = "\\winsxs\\" + arch + "microsoft.windows.common-controls_6595b64144ccf1df_6.";
    return p.find(folder) != std::string::npos && p.size() >= 13 && p.compare(p.size() - 13, 13, "\\comctl32.dll") == 0;
}
