// The viewer's commands outside the file model: open, copy, find, placement, drop.
#include "viewer/BrindlexDlg.h"
#include "viewer/FileModel.h"
#include "viewer/Placement.h"
#include "viewer/PrintView.h"
#include "viewer/FileCopy.h"
#include "viewer/PathName.h"
#include "fw/ChooseFile.h"
#include "fw/Clipboard.h"
#include "fw/PathParts.h"
#include "fw/WinApp.h"
#include <richedit.h>
#include <shellapi.h>
#include <dlgs.h>

void CBrindlexDlg::OnOpen()
{
    g_szChosenFile[0] = '\0';
    if (ChooseFile("View a file", 0)) OpenViewedFile(g_szChosenFile);
}

void CBrindlexDlg::OnOpenWith()
{
    CString title = CString("Open ") + NameOfPath(g_szViewedPath) + " with:";
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
    if (char* p = (char*)::GlobalLock(mem)) {
        memcpy(p, text.c_str(), (size_t)text.GetLength());
        ::GlobalUnlock(mem);
    }
    CClipboard clipboard;
    if (!clipboard.Open(m_hWnd)) {
        MessageBox("Clipboard not available", nullptr, MB_OK);
        return;
    }
    clipboard.Empty();
    clipboard.SetData(CF_TEXT, mem);
}

void CBrindlexDlg::OnFind()
{
    if (m_bFindOpen || !g_bFileLoaded) return;
    memset(&m_fr, 0, sizeof m_fr);
    m_fr.lStructSize = sizeof m_fr;
    m_fr.hwndOwner = m_hWnd;
    m_fr.lpstrFindWhat = g_szFindWhat;
    m_fr.wFindWhatLen = sizeof g_szFindWhat;
    m_fr.Flags = FR_HIDEUPDOWN | FR_DOWN;
    m_hFindDlg = ::FindTextA(&m_fr);
    if (!m_hFindDlg) return;
    // The box may take no more than the buffer holds besides its zero: a longer text would be
    // cut short without a word and the search would look for something else.
    ::SendDlgItemMessageA(m_hFindDlg, edt1, EM_LIMITTEXT, sizeof g_szFindWhat - 1, 0);
    AfxAddModeless(m_hFindDlg);
    m_bFindOpen = 1;
}

// Scrolls so that line becomes the first visible line, as far as the text allows. The
// control scrolls by itself when the caret or the selection moves, so the distance is
// measured from where it really is now.
static void ScrollToFirstVisibleLine(LONG line)
{
    LONG now = (LONG)::SendMessageA(g_richEdit, EM_GETFIRSTVISIBLELINE, 0, 0);
    if (line != now) ::SendMessageA(g_richEdit, EM_LINESCROLL, 0, line - now);
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
        // Placing the caret scrolled the control: the user keeps the place they were at.
        ScrollToFirstVisibleLine(first);
        MessageBox("No match was found!", nullptr, MB_OK);
        return 0;
    }
    LONG line = (LONG)::SendMessageA(g_richEdit, EM_EXLINEFROMCHAR, 0, at);
    ::SendMessageA(g_richEdit, EM_EXSETSEL, 0, (LPARAM)&ft.chrgText);
    ScrollToFirstVisibleLine(line);
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
    wchar_t wide[512];
    UINT need = ::DragQueryFileW(drop, 0, nullptr, 0);
    // A path that does not fit the buffer is refused rather than cut short. A name outside
    // the code page goes by its short form; without one it is refused, never passed on as
    // "??.txt", which could name another file.
    if (need > 0 && need < 512 && ::DragQueryFileW(drop, 0, wide, 512)) {
        CString path = AnsiPathOf(wide);
        if (!path.IsEmpty() && path.GetLength() < 512)
            StartViewer(path);
        else
            ShowMessage("Can't open file!");
    }
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
