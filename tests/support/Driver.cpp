#include "support/Driver.h"
#include "viewer/ViewerWindow.h"
#include <tlhelp32.h>
#include <richedit.h>
#include <algorithm>

std::string BrindlexExe() { return BesideTestProgram("brindlex.exe").str(); }

HWND FindTopWindow(DWORD pid, const char* prefix, const char* cls)
{
    return FindTopWindowWhere(pid, [&](HWND h) {
        if (!::IsWindowVisible(h)) return false;
        char name[64] = "";
        ::GetClassNameA(h, name, sizeof name);
        if (cls ? strcmp(name, cls) != 0 : strcmp(name, "#32770") == 0) return false;  // dialogs only when asked
        return WindowText(h).compare(0, strlen(prefix), prefix) == 0;
    });
}

HWND WaitTopWindow(DWORD pid, const char* prefix, int timeoutMs, const char* cls)
{
    HWND h = nullptr;
    WaitFor([&] { return (h = FindTopWindow(pid, prefix, cls)) != nullptr; }, timeoutMs);
    return h;
}

std::string WindowText(HWND h)
{
    DWORD_PTR n = 0;
    if (!::SendMessageTimeoutA(h, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &n)) return "";
    std::string s((size_t)n + 1, '\0');
    DWORD_PTR got = 0;
    ::SendMessageTimeoutA(h, WM_GETTEXT, n + 1, (LPARAM)&s[0], SMTO_ABORTIFHUNG, 30000, &got);
    s.resize(strlen(s.c_str()));
    return s;
}

std::vector<std::string> TempCopies()
{
    char tmp[MAX_PATH];
    ::GetTempPathA(sizeof tmp, tmp);
    std::vector<std::string> found;
    WIN32_FIND_DATAA fd;
    CFindHandle h(::FindFirstFileA((std::string(tmp) + "blx*.tmp").c_str(), &fd));
    if (h.IsValid()) {
        do found.push_back(std::string(tmp) + fd.cFileName);
        while (::FindNextFileA(h, &fd));
    }
    std::sort(found.begin(), found.end());
    return found;
}

namespace {

BOOL CreateProcessOf(char* cmd, const char* workDir, PROCESS_INFORMATION* pi)
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    return ::CreateProcessA(nullptr, cmd, nullptr, nullptr, FALSE, 0, nullptr, workDir, &si, pi);
}

BOOL CreateProcessOf(wchar_t* cmd, const char* workDir, PROCESS_INFORMATION* pi)
{
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    wchar_t dir[MAX_PATH] = L"";
    if (workDir && !::MultiByteToWideChar(CP_ACP, 0, workDir, -1, dir, MAX_PATH)) return FALSE;
    return ::CreateProcessW(nullptr, cmd, nullptr, nullptr, FALSE, 0, nullptr, workDir ? dir : nullptr, &si, pi);
}

// "brindlex.exe args" as an A or a W command line (the exe's own path is plain ASCII).
template <class Text>
bool LaunchBrindlex(const Text& args, const char* workDir, PROCESS_INFORMATION* pi)
{
    std::string exe = BrindlexExe();
    Text cmd = Text(1, '"') + Text(exe.begin(), exe.end()) + Text(1, '"');
    if (!args.empty()) cmd += Text(1, ' ') + args;
    std::vector<typename Text::value_type> buf(cmd.begin(), cmd.end());
    buf.push_back(0);
    if (!CreateProcessOf(buf.data(), workDir, pi)) return false;
    ::WaitForInputIdle(pi->hProcess, 10000);
    return true;
}

}  // namespace

bool CBrindlex::Launch(const std::string& args, const char* workDir) { return LaunchBrindlex(args, workDir, &m_pi); }

bool CBrindlex::Start(const std::string& args, const char* titlePrefix, const char* workDir)
{
    return Launch(args, workDir) && WaitFrame(titlePrefix);
}

bool CBrindlex::StartWide(const std::wstring& args, const char* titlePrefix)
{
    return LaunchBrindlex(args, nullptr, &m_pi) && WaitFrame(titlePrefix);
}

bool CBrindlex::WaitFrame(const char* titlePrefix)
{
    m_frame = WaitTopWindow(m_pi.dwProcessId, titlePrefix);
    return m_frame != nullptr;
}

CBrindlex::~CBrindlex()
{
    if (!m_pi.hProcess) return;
    KillChildrenOf(m_pi.dwProcessId);
    if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) {
        if (m_frame) ::PostMessageA(m_frame, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(m_pi.hProcess, 3000) == WAIT_TIMEOUT) ::TerminateProcess(m_pi.hProcess, 1);
    }
    ::CloseHandle(m_pi.hThread);
    ::CloseHandle(m_pi.hProcess);
}

std::vector<DWORD> CBrindlex::ChildrenOf(DWORD pid)
{
    std::vector<DWORD> kids;
    CHandle snap(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32 pe = {};
    pe.dwSize = sizeof pe;
    if (snap.IsValid() && ::Process32First(snap, &pe)) {
        do
            if (pe.th32ParentProcessID == pid && pe.th32ProcessID != pid) kids.push_back(pe.th32ProcessID);
        while (::Process32Next(snap, &pe));
    }
    return kids;
}

void CBrindlex::KillChildrenOf(DWORD pid)
{
    for (DWORD k : ChildrenOf(pid)) {
        HWND w = FindTopWindow(k, "Brindlex");
        if (w) ::PostMessageA(w, WM_CLOSE, 0, 0);
        CHandle p(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, k));
        if (p.IsValid() && ::WaitForSingleObject(p, 3000) == WAIT_TIMEOUT) ::TerminateProcess(p, 1);
    }
}

HWND CBrindlex::Control() const { return ::FindWindowExA(m_frame, nullptr, "RichEdit20A", nullptr); }

std::string CBrindlex::ShownText() const
{
    HWND c = Control();
    return c ? WindowText(c) : "";
}

bool CBrindlex::Loading() const { return m_frame && ::GetPropA(m_frame, VIEWER_LOADING_PROP) != nullptr; }

bool CBrindlex::WaitWhole(int timeoutMs) const
{
    // The mark is set inside the handler that loads, so it is read once the window's thread is free.
    Sync();
    return WaitFor([&] { return !Loading(); }, timeoutMs);
}

std::string CBrindlex::Text() const
{
    WaitWhole();
    return ShownText();
}

bool CBrindlex::WaitForText(int timeoutMs)
{
    return WaitFor([&] { return !ShownText().empty(); }, timeoutMs) && WaitWhole();
}

void CBrindlex::Sync() const
{
    DWORD_PTR r;
    ::SendMessageTimeoutA(m_frame, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &r);
}

void CBrindlex::Command(UINT id)
{
    // A sent notice, not a posted one: sent messages are handled in order, so the
    // WM_NULL of Sync() comes back only after the command (a posted command would
    // still be waiting behind it). A command that opens a modal dialog handles the
    // WM_NULL from the dialog's loop, so this never waits for the dialog to close.
    ::SendNotifyMessageA(m_frame, WM_COMMAND, id, 0);
    Sync();
}

void CBrindlex::Keys(WORD vk, bool ctrl, bool alt)
{
    // Keys go to the thread that has the focus: the frame's, once it has taken the activation.
    ::SetForegroundWindow(m_frame);
    bool focused = WaitFor([&] {
        GUITHREADINFO gti = {};
        return Gui(&gti) && gti.hwndActive == m_frame && gti.hwndFocus;
    }, 5000);
    if (!focused) {
        ADD_FAILURE() << "the frame did not take the focus: key " << vk << " not sent";
        return;
    }
    SendKeys(vk, ctrl, alt);
    Sync();
}

bool CBrindlex::Gui(GUITHREADINFO* gti) const
{
    gti->cbSize = sizeof *gti;
    return ::GetGUIThreadInfo(m_pi.dwThreadId, gti) != FALSE;
}

bool CBrindlex::InputTaken(int timeoutMs)
{
    // Input is taken in the order it came: a tap of Alt puts the frame into menu mode only
    // once everything before it has been taken and handled. Escape leaves the mode again.
    auto inMenu = [&] {
        GUITHREADINFO gti = {};
        return Gui(&gti) && (gti.flags & GUI_INMENUMODE);
    };
    SendKeys(VK_MENU, false, false);
    if (!WaitFor(inMenu, timeoutMs)) return false;
    SendKeys(VK_ESCAPE, false, false);
    return WaitFor([&] { return !inMenu(); }, timeoutMs);
}

void CBrindlex::SendKeys(WORD vk, bool ctrl, bool alt) const
{
    ::SetForegroundWindow(m_frame);
    std::vector<INPUT> in;
    auto key = [&](WORD k, bool up) {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        in.push_back(i);
    };
    if (ctrl) key(VK_CONTROL, false);
    if (alt) key(VK_MENU, false);
    key(vk, false);
    key(vk, true);
    if (alt) key(VK_MENU, true);
    if (ctrl) key(VK_CONTROL, true);
    ::SendInput((UINT)in.size(), in.data(), sizeof(INPUT));
}

HWND CBrindlex::FindDialog(const char* title, int timeoutMs)
{
    return WaitTopWindow(m_pi.dwProcessId, title, timeoutMs, "#32770");
}

std::string CBrindlex::AnswerMessageBox(int timeoutMs)
{
    HWND box = FindDialog("Brindlex", timeoutMs);  // message boxes carry the program's name
    if (!box) return "";
    std::string text = WindowText(::GetDlgItem(box, 0xFFFF));
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    WaitFor([&] { return !::IsWindow(box); }, 5000);
    return text;
}

bool CBrindlex::WaitExit(int timeoutMs)
{
    return ::WaitForSingleObject(m_pi.hProcess, (DWORD)timeoutMs) == WAIT_OBJECT_0;
}
