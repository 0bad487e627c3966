#include "ExplorerFixture.h"
#include "explorer/ShellIcons.h"
#include "util/PathText.h"
#include <shellapi.h>

static std::string PrefixLink(char letter)
{
    char prefix[MAX_PATH] = "";
    DWORD n = ::GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix);
    if (!n || n >= sizeof prefix) return std::string();
    return std::string(prefix) + "/dosdevices/" + (char)(letter | 0x20) + ":";
}

static void Undefine(char letter)
{
    char drive[3] = {letter, ':', 0};
    char target[MAX_PATH];
    while (::QueryDosDeviceA(drive, target, sizeof target))
        if (!::DefineDosDeviceA(DDD_REMOVE_DEFINITION | DDD_RAW_TARGET_PATH | DDD_EXACT_MATCH_ON_REMOVE, drive,
                                target))
            break;
}

CTestDrive::CTestDrive(char letter) : m_letter(letter)
{
    std::string link = PrefixLink(letter);
    if (link.empty()) return;
    // Tests in other Wine environments make their folders here too, with process ids of their own.
    static unsigned counter = 0;
    for (;;) {
        m_linuxDir.Format("/tmp/blxdrive-%lu-%u-%lu", ::GetCurrentProcessId(), ++counter, ::GetTickCount());
        m_windowsDir = CString("Z:") + m_linuxDir;
        m_windowsDir.Replace('/', '\\');
        if (::CreateDirectoryA(m_windowsDir, nullptr)) break;
        if (::GetLastError() != ERROR_ALREADY_EXISTS) return;
    }
    Undefine(letter);
    // A marker tells when the letter leads to this folder and not to an older one.
    CString marker = m_windowsDir + "\\.blxmark";
    if (!WriteFileBytes(marker, "")) return;
    if (!RunLinux("/bin/ln", {"-sfn", m_linuxDir.c_str(), link})) return;
    bool linked = WaitFor([&] { return ::GetFileAttributesA(Path(".blxmark")) != INVALID_FILE_ATTRIBUTES; }, 5000);
    ::DeleteFileA(marker);
    if (!linked) return;
    char drive[3] = {letter, ':', 0};
    CString target = CString("\\??\\") + m_windowsDir;
    if (!::DefineDosDeviceA(DDD_RAW_TARGET_PATH, drive, target)) return;
    m_bReady = (::GetLogicalDrives() & (1u << (letter - 'A'))) != 0;
}

CTestDrive::~CTestDrive()
{
    Undefine(m_letter);
    // The link goes first, and is seen gone, so that a late removal cannot hit the next link.
    std::string link = PrefixLink(m_letter);
    if (!link.empty() && RunLinux("/bin/rm", {"-f", link}))
        WaitFor([&] { return ::GetFileAttributesA(Root()) == INVALID_FILE_ATTRIBUTES; }, 5000);
    RemoveTree(m_windowsDir);
    // What the platform cannot reach (paths too long, names outside the code page) goes from Linux.
    if (::GetFileAttributesA(m_windowsDir) != INVALID_FILE_ATTRIBUTES && RunLinux("/bin/rm", {"-rf", m_linuxDir.c_str()}))
        WaitFor([&] { return ::GetFileAttributesA(m_windowsDir) == INVALID_FILE_ATTRIBUTES; }, 5000);
}

CString CTestDrive::Root() const
{
    char root[4] = {m_letter, ':', '\\', 0};
    return CString(root);
}

CString CTestDrive::Path(const char* rel) const { return Root() + rel; }

bool CTestDrive::MakeDir(const char* rel) const { return ::CreateDirectoryA(Path(rel), nullptr) != FALSE; }

bool CTestDrive::MakeFile(const char* rel, const std::string& bytes) const { return WriteFileBytes(Path(rel), bytes); }

void CTestDrive::RemoveDir(const char* rel) const { RemoveTree(Path(rel)); }

bool CTestDrive::RemoveFromLinux(const char* rel) const
{
    std::string target = std::string(m_linuxDir) + "/" + rel;
    for (char& c : target)
        if (c == '\\') c = '/';
    if (!RunLinux("/bin/rm", {"-rf", target})) return false;
    return WaitFor([&] { return ::GetFileAttributesA(Path(rel)) == INVALID_FILE_ATTRIBUTES; }, 5000);
}

CPaneHost::CPaneHost()
{
    AttachSystemImageList();
    RECT rc = {0, 0, 800, 600};
    m_host.CreateEx(0, nullptr, "pane host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rc, nullptr, 0);
    m_pDoc = new CBrindlexDoc;
    CCreateContext context;
    context.m_pCurrentDoc = m_pDoc;
    RECT left = {0, 0, 300, 600}, right = {300, 0, 800, 600};
    // Made as the splitter makes them: each view belongs to its window from then on.
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER;
    m_pTree = static_cast<CLeftView*>(AfxCreateView(AfxNewView<CLeftView>, style, left, m_host.m_hWnd, AFX_IDW_PANE_FIRST, &context));
    m_pList = static_cast<CBrindlexView*>(AfxCreateView(AfxNewView<CBrindlexView>, style, right, m_host.m_hWnd,
                                            AFX_IDW_PANE_FIRST + 1, &context));
    m_pTree->OnInitialUpdate();
    m_pList->OnInitialUpdate();
    // The first selection settles on the start item, as in the explorer.
    Tree().SelectItem(Tree().GetRootItem());
}

CPaneHost::~CPaneHost()
{
    m_host.DestroyWindow();
    delete m_pDoc;
}

HTREEITEM CPaneHost::Root(const char* text) const { return Child(TVI_ROOT, text); }

HTREEITEM CPaneHost::Child(HTREEITEM parent, const char* text) const
{
    CTreeCtrl tree = Tree();
    HTREEITEM h = parent == TVI_ROOT ? tree.GetRootItem() : tree.GetChildItem(parent);
    for (; h; h = tree.GetNextSiblingItem(h))
        if (tree.GetItemText(h) == text) return h;
    return nullptr;
}

HTREEITEM CPaneHost::Open(const char* path)
{
    CString p(path);
    HTREEITEM h = Root(p.Left(3));
    int i = 3;
    while (h && i < p.GetLength()) {
        Tree().Expand(h, TVE_EXPAND);
        int end = p.Find('\\', i);
        if (end < 0) end = p.GetLength();
        h = Child(h, p.Mid(i, end - i));
        i = end + 1;
    }
    return h;
}

bool CPaneHost::ClickButton(HTREEITEM item)
{
    CTreeCtrl tree = Tree();
    RECT rc;
    if (!tree.GetItemRect(item, &rc, TRUE)) return false;
    POINT pt = {0, (rc.top + rc.bottom) / 2};
    for (; pt.x < rc.left; pt.x++) {
        UINT flags = 0;
        if (tree.HitTest(pt, &flags) == item && (flags & TVHT_ONITEMBUTTON)) {
            ::SendMessageA(tree.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
            ::SendMessageA(tree.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
            return true;
        }
    }
    return false;
}

std::vector<std::string> CPaneHost::Rows() const
{
    std::vector<std::string> rows;
    CListCtrl list = List();
    for (int i = 0; i < list.GetItemCount(); i++) rows.push_back(list.GetItemText(i, 0).str());
    return rows;
}

std::vector<std::string> CPaneHost::Children(HTREEITEM item) const
{
    std::vector<std::string> names;
    CTreeCtrl tree = Tree();
    for (HTREEITEM h = tree.GetChildItem(item); h; h = tree.GetNextSiblingItem(h)) names.push_back(tree.GetItemText(h).str());
    return names;
}
