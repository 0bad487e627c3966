// blxshot READYFILE DONEFILE [ARGS]: starts brindlex.exe ARGS, waits until its window
// shows its content, creates READYFILE, waits for DONEFILE, then closes the program.
// tools/screenshot.sh takes the picture in between.
// blxshot READYFILE DONEFILE --find FOLDER PART: the explorer with Find Files searching
// FOLDER and its sub-folders for names containing PART.
#include <windows.h>
#include <string>
#include <string.h>
#include <stdio.h>

static HWND g_found;

static BOOL CALLBACK FindMain(HWND h, LPARAM pid)
{
    DWORD p = 0;
    GetWindowThreadProcessId(h, &p);
    char title[256] = "";
    GetWindowTextA(h, title, sizeof title);
    if (p == (DWORD)pid && IsWindowVisible(h) && strstr(title, "Brindlex")) {
        g_found = h;
        return FALSE;
    }
    return TRUE;
}

static HWND g_find;

static BOOL CALLBACK FindSearchWindow(HWND h, LPARAM pid)
{
    DWORD p = 0;
    GetWindowThreadProcessId(h, &p);
    char title[64] = "";
    GetWindowTextA(h, title, sizeof title);
    if (p == (DWORD)pid && IsWindowVisible(h) && !strcmp(title, "Find Files")) {
        g_find = h;
        return FALSE;
    }
    return TRUE;
}

// Opens Find Files in the explorer, searches and waits for the final status.
static void ShowSearch(DWORD pid, const char* folder, const char* part)
{
    PostMessageA(g_found, WM_COMMAND, 32815, 0);
    for (int i = 0; i < 200 && !g_find; i++) {
        EnumWindows(FindSearchWindow, (LPARAM)pid);
        Sleep(50);
    }
    if (!g_find) return;
    SendMessageA(GetDlgItem(g_find, 1002), WM_SETTEXT, 0, (LPARAM)folder);
    SendMessageA(GetDlgItem(g_find, 1001), WM_SETTEXT, 0, (LPARAM)part);
    SendMessageA(GetDlgItem(g_find, 1000), BM_SETCHECK, BST_CHECKED, 0);
    PostMessageA(g_find, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 600; i++) {
        Sleep(50);
        char status[300] = "", button[32] = "";
        SendMessageA(GetDlgItem(g_find, 1011), WM_GETTEXT, sizeof status, (LPARAM)status);
        SendMessageA(GetDlgItem(g_find, 1), WM_GETTEXT, sizeof button, (LPARAM)button);
        if (status[0] != '(' && strstr(status, "items found") && !strcmp(button, "Search") && i > 4) break;
    }
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
    bool find = argc > 5 && !strcmp(argv[3], "--find");
    for (int i = 3; i < argc && !find; i++) cmd += std::string(" ") + argv[i];
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        fprintf(stderr, "blxshot: %s could not be started (error %lu)\n", exe.c_str(), GetLastError());
        return 1;
    }
    WaitForInputIdle(pi.hProcess, 10000);
    DWORD code = STILL_ACTIVE;
    for (int i = 0; i < 600 && !g_found; i++) {
        EnumWindows(FindMain, (LPARAM)pi.dwProcessId);
        if (g_found || (GetExitCodeProcess(pi.hProcess, &code) && code != STILL_ACTIVE)) break;
        Sleep(50);
    }
    if (!g_found) {
        // No picture without the program on it.
        if (code != STILL_ACTIVE)
            fprintf(stderr, "blxshot: brindlex.exe ended with exit code %lu before showing a window\n", code);
        else
            fprintf(stderr, "blxshot: no window of brindlex.exe appeared within 30 s\n");
        TerminateProcess(pi.hProcess, 1);
        return 1;
    }
    {
        // The viewer's text arrives a little after its window; the explorer lists its folder.
        HWND edit = nullptr;
        for (int i = 0; i < 600; i++) {
            edit = FindWindowExA(g_found, nullptr, "RichEdit20A", nullptr);
            if (!argv[3] || find || (edit && SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0) > 0)) break;
            Sleep(50);
        }
        Sleep(700);
        if (find) ShowSearch(pi.dwProcessId, argv[4], argv[5]);
    }
    if (!IsWindow(g_found)) {
        GetExitCodeProcess(pi.hProcess, &code);
        fprintf(stderr, "blxshot: the window of brindlex.exe went away (exit code %lu)\n", code);
        return 1;
    }
    HANDLE ready = CreateFileA(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(ready);
    for (int i = 0; i < 600 && !Exists(argv[2]); i++) Sleep(50);
    PostMessageA(g_found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 5000) == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 1);
    return 0;
}
