#include "support/Host.h"
#include "fw/Handle.h"
#include <windows.h>

bool RunLinux(const char* program, const std::vector<std::string>& args)
{
    std::string cmd = program;
    for (const std::string& a : args) cmd += " \"" + a + "\"";
    std::string exe = std::string("Z:") + program;
    for (char& c : exe)
        if (c == '/') c = '\\';
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::vector<char> line(cmd.begin(), cmd.end());
    line.push_back(0);
    if (!::CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    CHandle process(pi.hProcess), thread(pi.hThread);
    return true;
}

std::string LinuxPathOf(const char* windowsPath)
{
    // Wine's own export; the cast goes through the generic function type, as GetProcAddress needs.
    typedef char*(CDECL * UnixNameFn)(LPCWSTR);
    UnixNameFn toUnix = (UnixNameFn)(void (*)())::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
    WCHAR wide[MAX_PATH];
    if (!toUnix || !::MultiByteToWideChar(CP_ACP, 0, windowsPath, -1, wide, MAX_PATH)) return std::string();
    char* name = toUnix(wide);
    if (!name) return std::string();
    std::string s(name);
    ::HeapFree(::GetProcessHeap(), 0, name);
    return s;
}
