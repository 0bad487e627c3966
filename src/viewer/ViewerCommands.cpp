// The viewer's commands outside the file model: open, copy, find, placement, drop.
#include "viewer/BrindlexDlg.h"
#include "viewer/FileModel.h"
#include "viewer/Placement.h"
#include "viewer/PrintView.h"
#include "viewer/FileCopy.h"
#include "viewer/PathName.h"
#include "viewer/AddedBreaks.h"
#include "viewer/FindAcrossBreaks.h"
#include "viewer/SectionBudget.h"
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

namespace {

// Movable, shareable global memory holding the n bytes at data and a zero of width zero.
HGLOBAL GlobalCopy(const void* data, size_t n, size_t zero)
{
    HGLOBAL mem = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, n + zero);
    if (!mem) return nullptr;
    if (void* p = ::GlobalLock(mem)) {
        memcpy(p, data, n);
        ::GlobalUnlock(mem);
    }
    return mem;
}

}  // namespace

void CBrindlexDlg::OnCopy()
{
    if (!g_richEdit) return;
    FinishSectionLoad();  // a selection may run on into what is still coming
    CHARRANGE cr = g_richEdit.GetSel();
    cr.cpMax = g_sectionBudget.ShownEnd(cr.cpMax);  // the file's text: the viewer's note stays out
    if (cr.cpMax <= cr.cpMin) return;
    // The file's text: line ends as CR LF (the control keeps a bare CR), no breaks of our own.
    std::wstring text = SectionTextOf(g_richEdit, cr.cpMin, cr.cpMax, true);
    if (text.empty()) return;

    // The characters, for every program; the clipboard's own conversion would go through the
    // user's locale. A file in the legacy code page gives its bytes as CF_TEXT too, as ever.
    CGlobalMemory wide(GlobalCopy(text.data(), text.size() * sizeof(wchar_t), sizeof(wchar_t)));
    if (!wide.IsValid()) return;
    CGlobalMemory ansi;
    if (!g_bHexMode && EncodingInForce() == ENCODING_ANSI) {
        UINT cp = SystemAnsiCodePage();
        int n = ::WideCharToMultiByte(cp, 0, text.data(), (int)text.size(), nullptr, 0, nullptr, nullptr);
        std::string bytes((size_t)(n > 0 ? n : 0), '\0');
        if (n > 0) ::WideCharToMultiByte(cp, 0, text.data(), (int)text.size(), &bytes[0], n, nullptr, nullptr);
        ansi.Attach(GlobalCopy(bytes.data(), bytes.size(), 1));
    }
    CClipboard clipboard;
    if (!clipboard.Open(m_hWnd)) {
        MessageBox("Clipboard not available", nullptr, MB_OK);
        return;
    }
    clipboard.Empty();
    clipboard.SetData(CF_UNICODETEXT, wide);
    if (ansi.IsValid()) clipboard.SetData(CF_TEXT, ansi);
}

void CBrindlexDlg::OnFind()
{
    if (m_bFindOpen || !g_bFileLoaded) return;
    memset(&m_fr, 0, sizeof m_fr);
    m_fr.lStructSize = sizeof m_fr;
    m_fr.hwndOwner = m_hWnd;
    m_fr.lpstrFindWhat = g_szFindWhat;
    m_fr.wFindWhatLen = sizeof g_szFindWhat;  // in bytes
    m_fr.Flags = FR_HIDEUPDOWN | FR_DOWN;
    // The text the user types, as characters: the "A" dialog would pass it through the code page.
    m_hFindDlg = ::FindTextW(&m_fr);
    if (!m_hFindDlg) return;
    // The box may take no more than the buffer holds besides its zero: a longer text would be
    // cut short without a word and the search would look for something else.
    ::SendDlgItemMessageW(m_hFindDlg, edt1, EM_LIMITTEXT, ARRAYSIZE(g_szFindWhat) - 1, 0);
    AfxAddModeless(m_hFindDlg);
    m_bFindOpen = 1;
}

// Scrolls so that line becomes the first visible line, as far as the text allows. The
// control scrolls by itself when the caret or the selection moves, so the distance is
// measured from where it really is now.
static void ScrollToFirstVisibleLine(LONG line)
{
    LONG now = g_richEdit.GetFirstVisibleLine();
    if (line != now) g_richEdit.LineScroll(line - now);
}

LRESULT CBrindlexDlg::OnFindReplace(WPARAM, LPARAM lp)
{
    FINDREPLACEW* fr = (FINDREPLACEW*)lp;
    if (fr->Flags & FR_DIALOGTERM) {
        AfxRemoveModeless(m_hFindDlg);
        m_hFindDlg = nullptr;
        m_bFindOpen = 0;
        return 0;
    }
    if (!(fr->Flags & FR_FINDNEXT) || !g_richEdit) return 0;
    FinishSectionLoad();  // a search covers the whole section

    WPARAM options = FR_DOWN;
    if (fr->Flags & FR_MATCHCASE) options |= FR_MATCHCASE;
    if (fr->Flags & FR_WHOLEWORD) options |= FR_WHOLEWORD;

    CHARRANGE sel = g_richEdit.GetSel();
    LONG first = g_richEdit.GetFirstVisibleLine();
    LONG start = sel.cpMax;
    if (sel.cpMin == sel.cpMax) start = g_richEdit.LineIndex(first + 1);
    if (start < 0) start = (LONG)::GetWindowTextLengthA(g_richEdit);

    g_richEdit.SetSel(0, 0);
    ::ShowCaret(g_richEdit);

    // As in the file's text: the breaks of our own are no line ends, and a section shown in
    // part ends in a note of the viewer's own that is no text of the file.
    // The characters as the box holds them: Wine's FindTextW hands its text over through the
    // process's code page, which loses every character the code page lacks.
    if (m_hFindDlg && ::GetDlgItemTextW(m_hFindDlg, edt1, g_szFindWhat, ARRAYSIZE(g_szFindWhat)) == 0)
        g_szFindWhat[0] = L'\0';
    CHARRANGE found =
        FindInSection(g_richEdit, g_addedBreaks, g_szFindWhat, start, g_sectionBudget.NoteAt(), options);
    LONG at = found.cpMin;
    if (at < 0) {
        // Placing the caret scrolled the control: the user keeps the place they were at.
        ScrollToFirstVisibleLine(first);
        MessageBox("No match was found!", nullptr, MB_OK);
        return 0;
    }
    LONG line = g_richEdit.LineFromChar(at);
    g_richEdit.SetSel(found);
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
    RECT rc = ShownWindowRect(m_hWnd);
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

// A printout is of the whole section.
void CBrindlexDlg::OnPrint()
{
    FinishSectionLoad();
    PrintView(0);
    if (m_bCloseAfterPrint) {
        m_bCloseAfterPrint = false;
        PostMessage(WM_CLOSE);
    }
}

void CBrindlexDlg::OnPrintPage()
{
    FinishSectionLoad();
    PrintView(1);
}

namespace {

// Shows the copy's progress in the title once it has taken half a second; Esc cancels, and
// so does closing the window (the close box, Alt+F4, Alt+X, File > Exit): the window then
// closes once the copy has stopped.
class CCopyProgress : public IFileCopyProgress {
public:
    CCopyProgress(CWnd* wnd, const bool& closeAsked) : m_wnd(wnd), m_closeAsked(closeAsked), m_start(::GetTickCount()) {}
    ~CCopyProgress() override
    {
        if (m_shown && m_wnd->m_hWnd) m_wnd->SetWindowText(m_title);
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
        while (!m_closeAsked && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) return FALSE;
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage((int)msg.wParam);
                return FALSE;
            }
            if (IsCloseRequest(msg)) {
                ::PostMessageA(m_wnd->m_hWnd, WM_CLOSE, 0, 0);
                continue;
            }
            // Keep the window painted and its frame working (the close box, the system keys);
            // other input waits until the copy is done.
            if (msg.message == WM_PAINT || msg.message == WM_NCPAINT || msg.message == WM_TIMER ||
                msg.message == WM_CLOSE || msg.message == WM_SYSCOMMAND || msg.message == WM_SYSKEYDOWN ||
                msg.message == WM_SYSKEYUP || msg.message == WM_SYSCHAR ||
                (msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCMBUTTONDBLCLK)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        if (m_closeAsked) return FALSE;
        ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
        return TRUE;
    }

private:
    // Alt+X and File > Exit reach the window as its command; no other command runs meanwhile.
    static bool IsCloseRequest(const MSG& msg)
    {
        if (msg.message == WM_COMMAND && LOWORD(msg.wParam) == ID_APP_EXIT) return true;
        return msg.message == WM_SYSKEYDOWN && msg.wParam == 'X' && (msg.lParam & (1 << 29));
    }

    CWnd* m_wnd;
    const bool& m_closeAsked;
    DWORD m_start;
    CString m_title;
    bool m_shown = false;
};

}  // namespace

int CBrindlexDlg::CopyForViewing(const char* source, const char* target)
{
    int result;
    {
        CWaitCursor wait;
        CCopyProgress progress(this, m_bCloseAfterCopy);
        m_bCopying = true;
        result = CopyFileContent(source, target, &progress);
        m_bCopying = false;
    }
    if (m_bCloseAfterCopy) {
        // Asked to close meanwhile: the copy has stopped; now the window goes, and the copy with it.
        m_bCloseAfterCopy = false;
        ReleaseViewer();
        DestroyWindow();
        return FILECOPY_CANCELLED;
    }
    return result;
}
