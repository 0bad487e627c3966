// CWnd: the window base. One static window procedure finds the object in the window's user
// data and dispatches through the class's message table; the rest goes to the default procedure.
#pragma once

#include "fw/CmdTarget.h"
#include "fw/String.h"

class CWnd : public CCmdTarget {
public:
    CWnd() {}
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // A window of the framework's own class (or of className), owned by this object.
    BOOL CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                  const RECT& rc, HWND hParent, UINT nIDorMenu, void* pParam = nullptr);
    // Take over an existing window (a control made by CreateWindow or a dialog's child).
    BOOL SubclassWindow(HWND hWnd);
    HWND UnsubclassWindow();
    static CWnd* FromHandlePermanent(HWND hWnd);
    // The window's object is gone or no longer answers for it.
    static void ForgetHandle(HWND hWnd);

    BOOL DestroyWindow();
    LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::SendMessageA(m_hWnd, msg, wp, lp); }
    BOOL PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::PostMessageA(m_hWnd, msg, wp, lp); }
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    CString GetWindowText() const;
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void MoveWindow(const RECT& rc, BOOL bRepaint = TRUE)
    {
        ::MoveWindow(m_hWnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, bRepaint);
    }
    void GetClientRect(RECT* rc) const { ::GetClientRect(m_hWnd, rc); }
    void GetWindowRect(RECT* rc) const { ::GetWindowRect(m_hWnd, rc); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    HMENU GetMenu() const { return ::GetMenu(m_hWnd); }
    void DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);

    // Called for each message; returns TRUE with *pResult set when a table entry handled it.
    virtual BOOL OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult);
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    virtual LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // Translates accelerators and dialog keys before dispatch; TRUE when consumed.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // A child's WM_NOTIFY offered to the child itself first (reflection).
    virtual BOOL OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wp, LPARAM lp);
    virtual BOOL OnNotify(WPARAM wp, LPARAM lp, LRESULT* pResult);
    // Last message; heap-allocated windows delete themselves here.
    virtual void PostNcDestroy() {}

    static LRESULT CALLBACK StdWndProc(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp);
    // The one dispatch of windows and dialogs: the message to the object (through WindowProc,
    // or only through the table when pHandled is given, as dialogs need), errors reported,
    // and the object let go at WM_NCDESTROY.
    static LRESULT Dispatch(CWnd* wnd, HWND hWnd, UINT msg, WPARAM wp, LPARAM lp, BOOL* pHandled);
    static const char* RegisterFrameworkClass(UINT nIconID = 0, UINT style = CS_DBLCLKS);

protected:
    void Attach(HWND hWnd);
    // CreateWindowExA for a window of a class whose procedure is StdWndProc, tied to this object.
    HWND CreateOwnWindow(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                         int cx, int cy, HWND hParent, HMENU hMenu, void* pParam);
    WNDPROC m_pfnSuper = nullptr;  // the control's own procedure when subclassed

    DECLARE_MESSAGE_MAP()
};

// Shows the wait cursor for the lifetime of the object.
class CWaitCursor {
public:
    CWaitCursor() : m_old(::SetCursor(::LoadCursor(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { ::SetCursor(m_old); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR m_old;
};
