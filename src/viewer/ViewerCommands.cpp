// The viewer's commands outside the file model: open, copy, find, placement, drop.
#include "viewer/BrindlexDlg.h"
#include "viewer/FileModel.h"
#include "viewer/Placement.h"
#include "viewer/PrintView.h"
#include "viewer/FileCopy.h"
#include "fw/ChooseFile.h"
#include "fw/WinApp.h"
#include <richedit.h>
#include <shellapi.h>

void CBrindlexDlg::OnOpen()
{
    g_szChosenFile[0] = '\0';
    if (ChooseFile("View a file", 0)) OpenViewedFile(g_szChosenFile);
}

void CBrindlexDlg::OnOpenWith()
{
    const char* slash = strrchr(g_szViewedPath, '\\');
    CString title = CString("Open ") + (slash ? slash + 1 : g_szViewedPath) + " with:";
    if (!ChooseFile(title, 1)) return;
    // Both paths quoted: an unquoted path with blanks would start the wrong program.
    CString cmd = CString("\"") + g_szChosenFile + "\" \"" + g_szViewedPath + "\"";
    ::WinExec(cmd, SW_SHOWNORMAL);
}

void CBrindlexDlg::OnOpenDefault()
{
    if (!g_bFileLoaded) return;
    ::ShellExecuteA(m_hWnd, nullptr, g_szViewedPath, nullptr, nullptr, SW_SHOWNORMAL);
}

void CBrindlexDlg::OnCopy()
{
    if (!g_richEdit) return;
    CHARRANGE cr = {0, 0};
    ::SendMessageA(g_richEdit, EM_EXGETSEL, 0, (LPARAM)&cr);
    if (cr.cpMax <= cr.cpMin) return;
    // EM_GETSELTEXT takes no size: allow two bytes per character, as a double-byte code page needs.
    CString text;
    LONG n = (LONG)::SendMessageA(g_richEdit, EM_GETSELTEXT, 0, (LPARAM)text.GetBuffer((cr.cpMax - cr.cpMin) * 2 + 2));
    text.ReleaseBuffer(n >= 0 ? n : 0);
    if (text.IsEmpty()) return;

    CGlobalMemory mem(::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, (SIZE_T)text.GetLength() + 1));
    if (!mem.IsValid()) return;
    // Another program (Wine's clipboard manager among them) may hold the clipboard a moment.
    bool open = false;
    for (int attempt = 0; attempt < 10 && !open; attempt++) {
        open = ::OpenClipboard(m_hWnd) != FALSE;
        if (!open) ::Sleep(20);
    }
    if (!open) {
        MessageBox("Clipboard not available", nullptr, MB_OK);
        return;  // the memory is freed by its owner
    }
    if (char* p = (char*)::GlobalLock(mem)) {
        memcpy(p, text.c_str(), (size_t)text.GetLength());
        ::GlobalUnlock(mem);
    }
    ::EmptyClipboard();
    if (::SetClipboardData(CF_TEXT, mem)) mem.Detach();  // the clipboard owns it now
    ::CloseClipboard();
}

void CBrindlexDlg::OnFind()
{
    if (m_bFindOpen || !g_bFileLoaded) return;
    memset(&m_fr, 0, sizeof m_fr);
    m_fr.lStructSize = sizeof m_fr;
    m_fr.hwndOwner = m_hWnd;
    m_fr.lpstrFindWhat = g_szFindWhat;
    m_fr.wFindWhatLen = sizeof g_szFindWhat;  // 80: the dialog takes at most 79 characters
    m_fr.Flags = FR_HIDEUPDOWN | FR_DOWN;
    m_hFindDlg = ::FindTextA(&m_fr);
    if (!m_hFindDlg) return;
    AfxAddModeless(m_hFindDlg);
    m_bFindOpen = 1;
}

LRESULT CBrindlexDlg::OnFindReplace(WPARAM, LPARAM lp)
{
    FINDREPLACEA* fr = (FINDREPLACEA*)lp;
    if (fr->Flags & FR_DIALOGTERM) {
        AfxRemoveModeless(m_hFindDlg);
        m_hFindDlg = nullptr;
        m_bFindOpen = 0;
        return 0;
    }
    if (!(fr->Flags & FR_FINDNEXT) || !g_richEdit) return 0;

    WPARAM options = FR_DOWN;
    if (fr->Flags & FR_MATCHCASE) options |= FR_MATCHCASE;
    if (fr->Flags & FR_WHOLEWORD) options |= FR_WHOLEWORD;

    CHARRANGE sel = {0, 0};
    ::SendMessageA(g_richEdit, EM_EXGETSEL, 0, (LPARAM)&sel);
    LONG first = (LONG)::SendMessageA(g_richEdit, EM_GETFIRSTVISIBLELINE, 0, 0);
    LONG start = sel.cpMax;
    if (sel.cpMin == sel.cpMax) start = (LONG)::SendMessageA(g_richEdit, EM_LINEINDEX, first + 1, 0);
    if (start < 0) start = (LONG)::GetWindowTextLengthA(g_richEdit);

    ::SendMessageA(g_richEdit, EM_SETSEL, 0, 0);
    ::ShowCaret(g_richEdit);

    FINDTEXTEXA ft = {};
    ft.chrg.cpMin = start;
    ft.chrg.cpMax = -1;
    ft.lpstrText = fr->lpstrFindWhat;
    LONG at = (LONG)::SendMessageA(g_richEdit, EM_FINDTEXTEX, options, (LPARAM)&ft);
    if (at < 0) {
        MessageBox("No match was found!", nullptr, MB_OK);
        return 0;
    }
    LONG line = (LONG)::SendMessageA(g_richEdit, EM_EXLINEFROMCHAR, 0, at);
    ::SendMessageA(g_richEdit, EM_LINESCROLL, 0, 1);
    ::SendMessageA(g_richEdit, EM_LINESCROLL, 0, line - first - 1);
    ::SendMessageA(g_richEdit, EM_EXSETSEL, 0, (LPARAM)&ft.chrgText);
    ::SetFocus(g_richEdit);
    ::UpdateWindow(g_richEdit);
    return 0;
}

void CBrindlexDlg::OnPlacement(UINT nID)
{
    RECT rc;
    if (!PlacementRect(nID, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), &rc)) return;
    ShowWindow(SW_RESTORE);
    MoveWindow(rc, TRUE);
    GetClientRect(&g_rcClient);
    PlaceControl();
}

void CBrindlexDlg::OnSavePosition()
{
    RECT rc;
    GetWindowRect(&rc);
    CWinApp* app = AfxGetApp();
    app->WriteProfileInt("settings", "left", rc.left);
    app->WriteProfileInt("settings", "top", rc.top);
    app->WriteProfileInt("settings", "width", rc.right - rc.left);
    app->WriteProfileInt("settings", "height", rc.bottom - rc.top);
}

LRESULT CBrindlexDlg::OnDropFiles(WPARAM wp, LPARAM)
{
    HDROP drop = (HDROP)wp;
    char path[512];
    UINT need = ::DragQueryFileA(drop, 0, nullptr, 0);
    // A path that does not fit the buffer is refused rather than cut short.
    if (need > 0 && need < sizeof path && ::DragQueryFileA(drop, 0, path, sizeof path)) StartViewer(path);
    ::DragFinish(drop);
    return 0;
}

void CBrindlexDlg::OnPrint() { PrintView(0); }
void CBrindlexDlg::OnPrintPage() { PrintView(1); }

namespace {

// Shows the copy's progress in the title once it has taken half a second; Esc cancels.
class CCopyProgress : public IFileCopyProgress {
public:
    explicit CCopyProgress(CWnd* wnd) : m_wnd(wnd), m_start(::GetTickCount()) {}
    ~CCopyProgress() override
    {
        if (m_shown) m_wnd->SetWindowText(m_title);
    }
    BOOL OnProgress(unsigned __int64 done, unsigned __int64 total) override
    {
        if (::GetTickCount() - m_start < 500) return TRUE;
        if (!m_shown) {
            m_title = m_wnd->GetWindowText();
            m_shown = true;
        }
        CString text;
        text.Format("Copying %d%% - press Esc to cancel", total ? (int)(done * 100 / total) : 100);
        m_wnd->SetWindowText(text);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) return FALSE;
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage((int)msg.wParam);
                return FALSE;
            }
            // Keep the window painted; other input waits until the copy is done.
            if (msg.message == WM_PAINT || msg.message == WM_NCPAINT || msg.message == WM_TIMER) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
        return TRUE;
    }

private:
    CWnd* m_wnd;
    DWORD m_start;
    CString m_title;
    bool m_shown = false;
};

}  // namespace

int CBrindlexDlg::CopyForViewing(const char* source, const char* target)
{
    CWaitCursor wait;
    CCopyProgress progress(this);
    return CopyFileContent(source, target, &progress);
}
