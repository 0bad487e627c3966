#include "fw/afx.h"
#include "fw/Wnd.h"
#include "fw/WinApp.h"
#include "fw/Dialog.h"
#include <new>
#include <exception>

// A window's object lives in the window's user data from WM_NCCREATE (or from the moment a
// control is subclassed) until WM_NCDESTROY: one read per message, no table, no lock.
namespace {
thread_local CWnd* t_pWndInit = nullptr;  // the object whose window CreateEx is making
}  // namespace

void CWnd::ForgetHandle(HWND hWnd)
{
    if (hWnd && FromHandlePermanent(hWnd)) ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
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
    // Only a window whose procedure is ours holds one of our objects in its user data.
    if (!hWnd || ::GetWindowThreadProcessId(hWnd, nullptr) == 0) return nullptr;
    bool ours = (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == StdWndProc ||
                (DLGPROC)::GetWindowLongPtrA(hWnd, DWLP_DLGPROC) == CDialog::DlgProc;
    return ours ? (CWnd*)::GetWindowLongPtrA(hWnd, GWLP_USERDATA) : nullptr;
}

void CWnd::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, (LONG_PTR)this);
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

HWND CWnd::CreateOwnWindow(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                           int cx, int cy, HWND hParent, HMENU hMenu, void* pParam)
{
    // The window procedure finds this object at WM_NCCREATE; pParam reaches the window untouched.
    CWnd* previous = t_pWndInit;
    t_pWndInit = this;
    HWND h = ::CreateWindowExA(exStyle, className, title, style, x, y, cx, cy, hParent, hMenu,
                               ::GetModuleHandleA(nullptr), pParam);
    t_pWndInit = previous;
    return h;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                    const RECT& rc, HWND hParent, UINT nIDorMenu, void* pParam)
{
    if (!className) className = RegisterFrameworkClass();
    WNDCLASSA wc;
    bool ours = ::GetClassInfoA(::GetModuleHandleA(nullptr), className, &wc) && wc.lpfnWndProc == StdWndProc;
    HWND h;
    if (ours) {
        h = CreateOwnWindow(exStyle, className, title, style, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                            hParent, (HMENU)(UINT_PTR)nIDorMenu, pParam);
    } else {
        h = ::CreateWindowExA(exStyle, className, title, style, rc.left, rc.top, rc.right - rc.left,
                              rc.bottom - rc.top, hParent, (HMENU)(UINT_PTR)nIDorMenu, ::GetModuleHandleA(nullptr),
                              pParam);
    }
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
    if (h) ForgetHandle(h);  // while the procedure is still ours
    if (h && m_pfnSuper) ::SetWindowLongPtrA(h, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
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

LRESULT CWnd::Dispatch(CWnd* wnd, HWND hWnd, UINT msg, WPARAM wp, LPARAM lp, BOOL* pHandled)
{
    LRESULT r = 0;
    try {
        if (pHandled)
            *pHandled = wnd->OnWndMsg(msg, wp, lp, &r);
        else
            r = wnd->WindowProc(msg, wp, lp);
    } catch (const std::bad_alloc&) {
        ::MessageBoxA(hWnd, "Out of memory.", AfxGetAppName(), MB_OK | MB_ICONSTOP);
    } catch (const std::exception& ex) {
        ::MessageBoxA(hWnd, ex.what(), AfxGetAppName(), MB_OK | MB_ICONSTOP);
    }
    if (msg == WM_NCDESTROY) {
        if (wnd->m_pfnSuper) wnd->UnsubclassWindow();
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        wnd->m_hWnd = nullptr;
        wnd->PostNcDestroy();  // may delete the object: nothing of it is touched after this
    }
    return r;
}

LRESULT CALLBACK CWnd::StdWndProc(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CWnd* wnd = (CWnd*)::GetWindowLongPtrA(hWnd, GWLP_USERDATA);
    if (!wnd && msg == WM_NCCREATE && t_pWndInit) {
        wnd = t_pWndInit;
        t_pWndInit = nullptr;
        wnd->Attach(hWnd);
    }
    // Before WM_NCCREATE (WM_GETMINMAXINFO) there is no object yet.
    if (!wnd) return ::DefWindowProcA(hWnd, msg, wp, lp);
    return Dispatch(wnd, hWnd, msg, wp, lp, nullptr);
}
