#include "fw/afx.h"
#include "fw/Wnd.h"
#include "fw/WinApp.h"
#include <new>
#include <unordered_map>
#include <exception>

// The objects of the windows, by handle. A window property would do, but reading one is a
// round trip to the window server under Wine (about 10 us), paid for every message.
namespace {
struct HandleMap {
    HandleMap() { ::InitializeCriticalSection(&lock); }
    CRITICAL_SECTION lock;
    std::unordered_map<HWND, CWnd*> map;
};
HandleMap& Handles()
{
    static HandleMap* handles = new HandleMap;  // never destroyed: windows may outlive statics
    return *handles;
}
}  // namespace

void CWnd::ForgetHandle(HWND hWnd)
{
    HandleMap& h = Handles();
    ::EnterCriticalSection(&h.lock);
    h.map.erase(hWnd);
    ::LeaveCriticalSection(&h.lock);
}

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, AfxSig_end, nullptr}};
    static const AFX_MSGMAP map = {&CCmdTarget::GetThisMessageMap, entries};
    return &map;
}
const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

CWnd::~CWnd()
{
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        // The object goes first: detach so no message reaches a dead object.
        HWND h = m_hWnd;
        if (m_pfnSuper) UnsubclassWindow();
        ForgetHandle(h);
        m_hWnd = nullptr;
        ::DestroyWindow(h);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    if (!hWnd) return nullptr;
    HandleMap& h = Handles();
    ::EnterCriticalSection(&h.lock);
    auto it = h.map.find(hWnd);
    CWnd* wnd = it == h.map.end() ? nullptr : it->second;
    ::LeaveCriticalSection(&h.lock);
    return wnd;
}

void CWnd::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    HandleMap& h = Handles();
    ::EnterCriticalSection(&h.lock);
    h.map[hWnd] = this;
    ::LeaveCriticalSection(&h.lock);
}

const char* CWnd::RegisterFrameworkClass(UINT nIconID, UINT style)
{
    static char name[64];
    snprintf(name, sizeof name, "BlxWnd:%x:%x", nIconID, style);
    WNDCLASSA wc = {};
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    if (!::GetClassInfoA(hInst, name, &wc)) {
        wc.style = style;
        wc.lpfnWndProc = StdWndProc;
        wc.hInstance = hInst;
        wc.hIcon = nIconID ? ::LoadIconA(hInst, MAKEINTRESOURCEA(nIconID)) : nullptr;
        wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wc.lpszClassName = name;
        ::RegisterClassA(&wc);
    }
    return name;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                    const RECT& rc, HWND hParent, UINT nIDorMenu, void* pParam)
{
    (void)pParam;
    if (!className) className = RegisterFrameworkClass();
    WNDCLASSA wc;
    bool ours = ::GetClassInfoA(::GetModuleHandleA(nullptr), className, &wc) && wc.lpfnWndProc == StdWndProc;
    HWND h = ::CreateWindowExA(exStyle, className, title, style, rc.left, rc.top, rc.right - rc.left,
                               rc.bottom - rc.top, hParent, (HMENU)(UINT_PTR)nIDorMenu,
                               ::GetModuleHandleA(nullptr), ours ? (void*)this : nullptr);
    if (!h) return FALSE;
    if (!ours) SubclassWindow(h);
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    Attach(hWnd);
    m_pfnSuper = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)StdWndProc);
    return m_pfnSuper != nullptr;
}

HWND CWnd::UnsubclassWindow()
{
    HWND h = m_hWnd;
    if (h && m_pfnSuper) ::SetWindowLongPtrA(h, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    if (h) ForgetHandle(h);
    m_pfnSuper = nullptr;
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

CString CWnd::GetWindowText() const
{
    CString s;
    int n = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, s.GetBuffer(n + 1), n + 1);
    s.ReleaseBuffer();
    return s;
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type)
{
    if (!caption) caption = AfxGetAppName();
    return ::MessageBoxA(m_hWnd, text, caption, type);
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (m_pfnSuper) return ::CallWindowProcA(m_pfnSuper, m_hWnd, msg, wp, lp);
    return ::DefWindowProcA(m_hWnd, msg, wp, lp);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::OnCommand(WPARAM wp, LPARAM lp)
{
    UINT nID = LOWORD(wp);
    UINT nCode = HIWORD(wp);
    // Menus (0) and accelerators (1) are commands; anything else is a control's notification.
    if (lp == 0 || nCode <= 1) nCode = CN_COMMAND;
    return OnCmdMsg(nID, nCode, nullptr);
}

BOOL CWnd::OnChildNotify(UINT msg, WPARAM, LPARAM lp, LRESULT* pResult)
{
    if (msg != WM_NOTIFY) return FALSE;
    NMHDR* nm = (NMHDR*)lp;
    const AFX_MSGMAP_ENTRY* e = FindEntry(WM_REFLECT_BASE + WM_NOTIFY, nm->code, 0);
    if (!e) return FALSE;
    *pResult = 0;
    (this->*reinterpret_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(e->pfn))(nm, pResult);
    return TRUE;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lp, LRESULT* pResult)
{
    NMHDR* nm = (NMHDR*)lp;
    CWnd* child = FromHandlePermanent(nm->hwndFrom);
    if (child && child != this && child->OnChildNotify(WM_NOTIFY, 0, lp, pResult)) return TRUE;
    const AFX_MSGMAP_ENTRY* e = FindEntry(WM_NOTIFY, nm->code, (UINT)nm->idFrom);
    if (!e) return FALSE;
    *pResult = 0;
    (this->*reinterpret_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(e->pfn))(nm, pResult);
    return TRUE;
}

BOOL CWnd::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult)
{
    if (msg == WM_COMMAND) {
        if (OnCommand(wp, lp)) { *pResult = 0; return TRUE; }
        return FALSE;
    }
    if (msg == WM_NOTIFY) return OnNotify(wp, lp, pResult);
    const AFX_MSGMAP_ENTRY* e = FindEntry(msg, 0, 0);
    if (!e || e->nSig != AfxSig_lwl) return FALSE;
    *pResult = (this->*reinterpret_cast<LRESULT (CCmdTarget::*)(WPARAM, LPARAM)>(e->pfn))(wp, lp);
    return TRUE;
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    LRESULT r = 0;
    if (OnWndMsg(msg, wp, lp, &r)) return r;
    return DefWindowProc(msg, wp, lp);
}

LRESULT CALLBACK CWnd::StdWndProc(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CWnd* wnd = FromHandlePermanent(hWnd);
    if (!wnd && msg == WM_NCCREATE) {
        CREATESTRUCTA* cs = (CREATESTRUCTA*)lp;
        wnd = (CWnd*)cs->lpCreateParams;
        if (wnd) wnd->Attach(hWnd);
    }
    if (!wnd) return ::DefWindowProcA(hWnd, msg, wp, lp);

    LRESULT r = 0;
    try {
        r = wnd->WindowProc(msg, wp, lp);
    } catch (const std::bad_alloc&) {
        ::MessageBoxA(hWnd, "Out of memory.", AfxGetAppName(), MB_OK | MB_ICONSTOP);
    } catch (const std::exception& ex) {
        ::MessageBoxA(hWnd, ex.what(), AfxGetAppName(), MB_OK | MB_ICONSTOP);
    }
    if (msg == WM_NCDESTROY) {
        if (wnd->m_pfnSuper) wnd->UnsubclassWindow();
        ForgetHandle(hWnd);
        wnd->m_hWnd = nullptr;
        wnd->PostNcDestroy();
    }
    return r;
}
