#include "ExplorerDriver.h"

static const DWORD kRemoteBytes = 4096;

CExplorerProcess::~CExplorerProcess()
{
    if (m_pRemote) ::VirtualFreeEx(m_pi.hProcess, m_pRemote, 0, MEM_RELEASE);
    if (m_pi.hProcess) {
        ::TerminateProcess(m_pi.hProcess, 0);
        ::WaitForSingleObject(m_pi.hProcess, 5000);
        ::CloseHandle(m_pi.hProcess);
        ::CloseHandle(m_pi.hThread);
    }
}

struct FindFrame {
    DWORD pid;
    HWND found;
};

static BOOL CALLBACK FindFrameProc(HWND h, LPARAM lp)
{
    FindFrame* f = (FindFrame*)lp;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(h, &pid);
    if (pid != f->pid || !::IsWindowVisible(h)) return TRUE;
    char title[300] = "";
    ::GetWindowTextA(h, title, sizeof title);
    const char* tail = " - Brindlex Explorer";
    size_t n = strlen(title), t = strlen(tail);
    if (n >= t && strcmp(title + n - t, tail) == 0) {
        f->found = h;
        return FALSE;
    }
    return TRUE;
}

bool CExplorerProcess::Start()
{
    char exe[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, exe, sizeof exe);
    if (!n || n >= sizeof exe) return false;
    char* slash = strrchr(exe, '\\');
    if (!slash) return false;
    lstrcpynA(slash + 1, "brindlex.exe", (int)(sizeof exe - (slash + 1 - exe)));
    std::string line = std::string("\"") + exe + "\"";
    std::vector<char> cmd(line.begin(), line.end());
    cmd.push_back(0);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    if (!::CreateProcessA(exe, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi)) return false;
    ::WaitForInputIdle(m_pi.hProcess, 10000);
    FindFrame f = {m_pi.dwProcessId, nullptr};
    WaitFor([&] {
        ::EnumWindows(FindFrameProc, (LPARAM)&f);
        return f.found != nullptr;
    }, 15000);
    m_hFrame = f.found;
    return m_hFrame != nullptr;
}

HWND CExplorerProcess::Tree() const { return ::GetDlgItem(::GetDlgItem(m_hFrame, 0xE900), 0xE900); }
HWND CExplorerProcess::List() const { return ::GetDlgItem(::GetDlgItem(m_hFrame, 0xE900), 0xE901); }

std::string CExplorerProcess::Caption() const
{
    char title[300] = "";
    ::SendMessageA(m_hFrame, WM_GETTEXT, sizeof title, (LPARAM)title);
    return title;
}

void* CExplorerProcess::Remote(size_t bytes) const
{
    if (bytes > kRemoteBytes) return nullptr;
    if (!m_pRemote)
        m_pRemote = ::VirtualAllocEx(m_pi.hProcess, nullptr, kRemoteBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    return m_pRemote;
}

std::string CExplorerProcess::Cell(int row, int col) const
{
    struct Block {
        LVITEMA item;
        char text[260];
    };
    Block* remote = (Block*)Remote(sizeof(Block));
    if (!remote) return std::string();
    Block local = {};
    local.item.iSubItem = col;
    local.item.pszText = remote->text;
    local.item.cchTextMax = sizeof local.text;
    SIZE_T done = 0;
    ::WriteProcessMemory(m_pi.hProcess, remote, &local, sizeof local, &done);
    ::SendMessageA(List(), LVM_GETITEMTEXTA, row, (LPARAM)&remote->item);
    ::ReadProcessMemory(m_pi.hProcess, remote, &local, sizeof local, &done);
    local.text[sizeof local.text - 1] = 0;
    return local.text;
}

std::vector<std::string> CExplorerProcess::Rows() const
{
    std::vector<std::string> rows;
    int n = (int)::SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < n; i++) rows.push_back(Cell(i, 0));
    return rows;
}

int CExplorerProcess::ColumnWidth(int col) const { return (int)::SendMessageA(List(), LVM_GETCOLUMNWIDTH, col, 0); }

std::string CExplorerProcess::ItemText(HTREEITEM h) const
{
    struct Block {
        TVITEMA item;
        char text[260];
    };
    Block* remote = (Block*)Remote(sizeof(Block));
    if (!remote || !h) return std::string();
    Block local = {};
    local.item.mask = TVIF_TEXT;
    local.item.hItem = h;
    local.item.pszText = remote->text;
    local.item.cchTextMax = sizeof local.text;
    SIZE_T done = 0;
    ::WriteProcessMemory(m_pi.hProcess, remote, &local, sizeof local, &done);
    ::SendMessageA(Tree(), TVM_GETITEMA, 0, (LPARAM)&remote->item);
    ::ReadProcessMemory(m_pi.hProcess, remote, &local, sizeof local, &done);
    local.text[sizeof local.text - 1] = 0;
    return local.text;
}

std::string CExplorerProcess::SelectedPath() const
{
    HWND tree = Tree();
    HTREEITEM h = (HTREEITEM)::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    std::string path;
    for (; h; h = (HTREEITEM)::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_PARENT, (LPARAM)h)) {
        std::string text = ItemText(h);
        if (path.empty())
            path = text;
        else
            path = text + (text.back() == '\\' ? "" : "\\") + path;
    }
    return path;
}

HTREEITEM CExplorerProcess::FindItem(HTREEITEM parent, const std::string& text) const
{
    HWND tree = Tree();
    HTREEITEM h = parent ? (HTREEITEM)::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)parent)
                         : (HTREEITEM)::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    for (; h; h = (HTREEITEM)::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)h))
        if (ItemText(h) == text) return h;
    return nullptr;
}

bool CExplorerProcess::SelectPath(const char* path)
{
    std::string p(path);
    HTREEITEM h = FindItem(nullptr, p.substr(0, 3));
    size_t i = 3;
    while (h && i < p.size()) {
        ::SendMessageA(Tree(), TVM_EXPAND, TVE_EXPAND, (LPARAM)h);
        size_t end = p.find('\\', i);
        if (end == std::string::npos) end = p.size();
        h = FindItem(h, p.substr(i, end - i));
        i = end + 1;
    }
    return h && ::SendMessageA(Tree(), TVM_SELECTITEM, TVGN_CARET, (LPARAM)h);
}

bool CExplorerProcess::SelectRows(const std::vector<std::string>& names) const
{
    std::vector<std::string> rows = Rows();
    LVITEMA* remote = (LVITEMA*)Remote(sizeof(LVITEMA));
    if (!remote) return false;
    std::vector<bool> wanted(rows.size(), false);
    for (const std::string& n : names) {
        size_t i = 0;
        while (i < rows.size() && rows[i] != n) i++;
        if (i == rows.size()) return false;
        wanted[i] = true;
    }
    for (size_t i = 0; i < rows.size(); i++) {
        LVITEMA local = {};
        local.stateMask = LVIS_SELECTED;
        local.state = wanted[i] ? LVIS_SELECTED : 0;
        SIZE_T done = 0;
        ::WriteProcessMemory(m_pi.hProcess, remote, &local, sizeof local, &done);
        ::SendMessageA(List(), LVM_SETITEMSTATE, i, (LPARAM)remote);
    }
    return true;
}

bool CExplorerProcess::ClickPane(HWND pane) const
{
    ::SetForegroundWindow(m_hFrame);
    RECT rc;
    if (!::GetWindowRect(pane, &rc)) return false;
    // Low in the pane, where no row or item is.
    POINT pt = {(rc.left + rc.right) / 2, rc.bottom - 30};
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT in[3] = {};
    for (INPUT& i : in) {
        i.type = INPUT_MOUSE;
        i.mi.dx = (LONG)(pt.x * 65535 / (cx - 1));
        i.mi.dy = (LONG)(pt.y * 65535 / (cy - 1));
    }
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(3, in, sizeof(INPUT));
    return WaitFor([&] {
        GUITHREADINFO gti = {};
        gti.cbSize = sizeof gti;
        return ::GetGUIThreadInfo(m_pi.dwThreadId, &gti) && gti.hwndFocus == pane;
    }, 5000);
}

void CExplorerProcess::PressKey(WORD vk, bool ctrl) const
{
    ::SetForegroundWindow(m_hFrame);
    std::vector<INPUT> in;
    auto key = [&](WORD k, bool up) {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        in.push_back(i);
    };
    if (ctrl) key(VK_CONTROL, false);
    key(vk, false);
    key(vk, true);
    if (ctrl) key(VK_CONTROL, true);
    ::SendInput((UINT)in.size(), in.data(), sizeof(INPUT));
}
