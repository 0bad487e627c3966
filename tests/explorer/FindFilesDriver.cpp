#include "FindFilesDriver.h"
#include "res/resource.h"

static const SIZE_T kRemoteBytes = 4096;

CFindFilesWindow::CFindFilesWindow(const CExplorerProcess& app) : m_app(app) {}

CFindFilesWindow::~CFindFilesWindow()
{
    if (m_pRemote) ::VirtualFreeEx(m_hProcess, m_pRemote, 0, MEM_RELEASE);
    if (m_hProcess) ::CloseHandle(m_hProcess);
}

HWND CFindFilesWindow::Find(DWORD ms)
{
    // Hidden or shown: Esc only hides the window.
    DWORD pid = 0;
    ::GetWindowThreadProcessId(m_app.Frame(), &pid);
    auto isFindFiles = [](HWND h) { return WindowText(h) == "Find Files"; };
    m_hDlg = nullptr;
    WaitFor([&] { return (m_hDlg = FindTopWindowWhere(pid, isFindFiles)) != nullptr; }, (int)ms);
    return m_hDlg;
}

std::string CFindFilesWindow::Get(int id) const
{
    char text[600] = "";
    ::SendMessageA(::GetDlgItem(m_hDlg, id), WM_GETTEXT, sizeof text, (LPARAM)text);
    return text;
}

std::string CFindFilesWindow::Status() const { return Get(IDC_FIND_STATUS); }

bool CFindFilesWindow::Search(DWORD ms)
{
    // The status of the search before would pass for this one's end: the looks below are
    // sent messages, answered before the posted click is taken.
    ::SendMessageA(::GetDlgItem(m_hDlg, IDC_FIND_STATUS), WM_SETTEXT, 0, (LPARAM)"");
    Click(IDOK);
    // The button reads Cancel while the search runs, and the final status has no folder.
    return WaitFor([&] {
        std::string s = Status();
        return Get(IDOK) == "Search" && s.size() > 12 && s.compare(s.size() - 12, 12, " items found") == 0 &&
               s[0] != '(';
    }, ms) && WaitFor([&] { return ::SendMessageTimeoutA(m_hDlg, WM_NULL, 0, 0, SMTO_NORMAL, 100, nullptr) != 0 &&
                                     Get(IDOK) == "Search"; }, ms);
}

void* CFindFilesWindow::Remote() const
{
    if (!m_hProcess) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(m_app.Frame(), &pid);
        m_hProcess = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    }
    if (!m_pRemote) m_pRemote = ::VirtualAllocEx(m_hProcess, nullptr, kRemoteBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    return m_pRemote;
}

std::string CFindFilesWindow::Cell(int row, int col) const
{
    struct Block {
        LVITEMA item;
        char text[260];
    };
    Block* remote = (Block*)Remote();
    if (!remote) return std::string();
    Block local = {};
    local.item.iSubItem = col;
    local.item.pszText = remote->text;
    local.item.cchTextMax = sizeof local.text;
    SIZE_T done = 0;
    ::WriteProcessMemory(m_hProcess, remote, &local, sizeof local, &done);
    ::SendMessageA(::GetDlgItem(m_hDlg, IDC_FIND_RESULTS), LVM_GETITEMTEXTA, row, (LPARAM)&remote->item);
    ::ReadProcessMemory(m_hProcess, remote, &local, sizeof local, &done);
    local.text[sizeof local.text - 1] = 0;
    return local.text;
}

std::vector<std::string> CFindFilesWindow::Names() const
{
    std::vector<std::string> v;
    int n = (int)::SendMessageA(::GetDlgItem(m_hDlg, IDC_FIND_RESULTS), LVM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < n; i++) v.push_back(Cell(i, 0));
    return v;
}

POINT CFindFilesWindow::Select(int row) const
{
    HWND list = ::GetDlgItem(m_hDlg, IDC_FIND_RESULTS);
    struct Block {
        LVITEMA item;
        RECT rc;
    };
    Block* remote = (Block*)Remote();
    POINT pt = {0, 0};
    if (!remote) return pt;
    Block local = {};
    local.item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    local.item.state = LVIS_SELECTED | LVIS_FOCUSED;
    local.rc.left = LVIR_LABEL;
    SIZE_T done = 0;
    ::WriteProcessMemory(m_hProcess, remote, &local, sizeof local, &done);
    ::SendMessageA(list, LVM_SETITEMSTATE, row, (LPARAM)&remote->item);
    ::SendMessageA(list, LVM_SETSELECTIONMARK, 0, row);
    ::SendMessageA(list, LVM_GETITEMRECT, row, (LPARAM)&remote->rc);
    ::ReadProcessMemory(m_hProcess, remote, &local, sizeof local, &done);
    pt.x = (local.rc.left + local.rc.right) / 2;
    pt.y = (local.rc.top + local.rc.bottom) / 2;
    return pt;
}

void CFindFilesWindow::DoubleClick(int row) const
{
    POINT pt = Select(row);
    ::PostMessageA(::GetDlgItem(m_hDlg, IDC_FIND_RESULTS), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
}

void CFindFilesWindow::RightClick(int row) const
{
    HWND list = ::GetDlgItem(m_hDlg, IDC_FIND_RESULTS);
    POINT pt = Select(row);
    ::ClientToScreen(list, &pt);
    ::SetForegroundWindow(m_hDlg);
    ::SetCursorPos(pt.x, pt.y);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    ::SendInput(2, in, sizeof(INPUT));
}

void CFindFilesWindow::Key(HWND target, WORD vk)
{
    ::SetForegroundWindow(target);
    // A control is never the foreground window itself: its top-level window is.
    WaitFor([&] { return ::GetForegroundWindow() == ::GetAncestor(target, GA_ROOT); }, 2000);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, in, sizeof(INPUT));
}

POINT CFindFilesWindow::ToolbarButton(int index) const
{
    HWND tb = ::FindWindowExA(::FindWindowExA(m_app.Frame(), nullptr, "ReBarWindow32", nullptr), nullptr,
                              "ToolbarWindow32", nullptr);
    RECT* remote = (RECT*)Remote();
    RECT rc = {};
    SIZE_T done = 0;
    if (tb && remote && ::SendMessageA(tb, TB_GETITEMRECT, index, (LPARAM)remote))
        ::ReadProcessMemory(m_hProcess, remote, &rc, sizeof rc, &done);
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    return pt;
}

void CFindFilesWindow::ClickToolbarButton(int index) const
{
    HWND tb = ::FindWindowExA(::FindWindowExA(m_app.Frame(), nullptr, "ReBarWindow32", nullptr), nullptr,
                              "ToolbarWindow32", nullptr);
    POINT pt = ToolbarButton(index);
    ::PostMessageA(tb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    ::PostMessageA(tb, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}
