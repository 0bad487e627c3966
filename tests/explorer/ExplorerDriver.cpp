#include "ExplorerDriver.h"
#include "fw/View.h"

static const DWORD kRemoteBytes = 4096;

CExplorerProcess::~CExplorerProcess()
{
    if (m_pRemote) ::VirtualFreeEx(m_pi.hProcess, m_pRemote, 0, MEM_RELEASE);
    // Whatever state the test left it in: no closing questions, no saved settings.
    if (m_pi.hProcess) {
        ::TerminateProcess(m_pi.hProcess, 0);
        ::WaitForSingleObject(m_pi.hProcess, 5000);
    }
}

bool CExplorerProcess::Start()
{
    if (!Launch("")) return false;
    // The frame's caption is "FOLDER - Brindlex Explorer".
    auto isFrame = [](HWND h) {
        const std::string tail = " - Brindlex Explorer", title = WindowText(h);
        return ::IsWindowVisible(h) && title.size() >= tail.size() &&
               title.compare(title.size() - tail.size(), tail.size(), tail) == 0;
    };
    WaitFor([&] { return (m_frame = FindTopWindowWhere(m_pi.dwProcessId, isFrame)) != nullptr; }, 15000);
    return m_frame != nullptr;
}

// The splitter is the frame's first pane; its panes are numbered from the same id by row and column.
HWND CExplorerProcess::Tree() const
{
    return ::GetDlgItem(::GetDlgItem(m_frame, AFX_IDW_PANE_FIRST), AFX_IDW_PANE_FIRST);
}
HWND CExplorerProcess::List() const
{
    return ::GetDlgItem(::GetDlgItem(m_frame, AFX_IDW_PANE_FIRST), AFX_IDW_PANE_FIRST + 1);
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

std::vector<std::string> CExplorerProcess::Children(const char* path) const
{
    std::vector<std::string> texts;
    std::string p(path);
    HTREEITEM h = FindItem(nullptr, p.substr(0, 3));
    for (size_t i = 3; h && i < p.size();) {
        size_t end = p.find('\\', i);
        if (end == std::string::npos) end = p.size();
        h = FindItem(h, p.substr(i, end - i));
        i = end + 1;
    }
    if (!h) return texts;
    HWND tree = Tree();
    for (HTREEITEM c = (HTREEITEM)::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)h); c;
         c = (HTREEITEM)::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)c))
        texts.push_back(ItemText(c));
    return texts;
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

bool CExplorerProcess::PaneCommand(HWND pane, UINT id) const
{
    DWORD_PTR r = 0;
    if (::SendMessageTimeoutA(pane, WM_COMMAND, id, 0, SMTO_NORMAL, 60000, &r)) return true;
    ADD_FAILURE() << "command " << id << " has not returned: a dialog of it left unanswered?";
    return false;
}

bool CExplorerProcess::ClickPane(HWND pane) const
{
    ::SetForegroundWindow(m_frame);
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
