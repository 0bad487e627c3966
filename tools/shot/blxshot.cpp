// blxshot READYFILE DONEFILE [ARGS]: starts brindlex.exe ARGS, waits until its window
// shows its content, creates READYFILE, waits for DONEFILE, then closes the program.
// tools/screenshot.sh takes the picture in between.
#include <windows.h>
#include <string>
#include <string.h>

static HWND g_found;

static BOOL CALLBACK FindMain(HWND h, LPARAM pid)
{
    DWORD p = 0;
    GetWindowThreadProcessId(h, &p);
    char title[256] = "";
    GetWindowTextA(h, title, sizeof title);
    if (p == (DWORD)pid && IsWindowVisible(h) && !strncmp(title, "Brindlex", 8)) {
        g_found = h;
        return FALSE;
    }
    return TRUE;
}

static bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

int main(int argc, char** argv)
{
    if (argc < 3) return 2;
    // brindlex.exe beside this program.
    char self[MAX_PATH] = "";
    DWORD n = GetModuleFileNameA(nullptr, self, sizeof self);
    if (n == 0 || n >= sizeof self) return 1;
    std::string exe(self, n);
    size_t sep = exe.find_last_of("\\/");
    exe = (sep == std::string::npos ? std::string() : exe.substr(0, sep + 1)) + "brindlex.exe";
    std::string cmd = "\"" + exe + "\"";
    for (int i = 3; i < argc; i++) cmd += std::string(" ") + argv[i];
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 1;
    WaitForInputIdle(pi.hProcess, 10000);
    for (int i = 0; i < 600 && !g_found; i++) {
        EnumWindows(FindMain, (LPARAM)pi.dwProcessId);
        Sleep(50);
    }
    if (g_found) {
        // The viewer's text arrives a little after its window; the explorer lists its folder.
        HWND edit = nullptr;
        for (int i = 0; i < 600; i++) {
            edit = FindWindowExA(g_found, nullptr, "RichEdit20A", nullptr);
            if (!argv[3] || (edit && SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0) > 0)) break;
            Sleep(50);
        }
        Sleep(700);
    }
    HANDLE ready = CreateFileA(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(ready);
    for (int i = 0; i < 600 && !Exists(argv[2]); i++) Sleep(50);
    if (g_found) PostMessageA(g_found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 5000) == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 1);
    return g_found ? 0 : 1;
}
