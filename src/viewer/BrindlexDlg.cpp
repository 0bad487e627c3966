#include "viewer/BrindlexDlg.h"
#include "res/resource.h"
#include "viewer/FileModel.h"
#include "viewer/SectionRenderer.h"
#include "viewer/ViewerFonts.h"
#include "viewer/CommandLine.h"
#include "viewer/Placement.h"
#include "viewer/PrintProgress.h"
#include "fw/WinApp.h"
#include <richedit.h>
#include <shellapi.h>

const UINT g_nFindReplaceMsg = ::RegisterWindowMessageA(FINDMSGSTRINGA);


BEGIN_MESSAGE_MAP(CBrindlexDlg, CFrameWnd)
    ON_MESSAGE(WM_PAINT, OnPaint)
    ON_MESSAGE(WM_CLOSE, OnClose)
    ON_MESSAGE(WM_ENDSESSION, OnEndSession)
    ON_MESSAGE(WM_TIMER, OnTimer)
    ON_MESSAGE(WM_DROPFILES, OnDropFiles)
    ON_REGISTERED_MESSAGE(g_nFindReplaceMsg, OnFindReplace)
    ON_COMMAND(ID_VIEWER_OPEN, OnOpen)
    ON_COMMAND(ID_VIEWER_OPEN_WITH, OnOpenWith)
    ON_COMMAND(ID_VIEWER_OPEN_DEFAULT, OnOpenDefault)
    ON_COMMAND(ID_VIEWER_COPY, OnCopy)
    ON_COMMAND(ID_VIEWER_FIND, OnFind)
    ON_COMMAND(ID_VIEWER_TEXT, OnText)
    ON_COMMAND(ID_VIEWER_HEX, OnHex)
    ON_UPDATE_COMMAND_UI(ID_VIEWER_TEXT, OnUpdateText)
    ON_UPDATE_COMMAND_UI(ID_VIEWER_HEX, OnUpdateHex)
    ON_COMMAND_RANGE(ID_VIEWER_ENCODING_AUTOMATIC, ID_VIEWER_ENCODING_UTF16BE, OnEncoding)
    ON_UPDATE_COMMAND_UI_RANGE(ID_VIEWER_ENCODING_AUTOMATIC, ID_VIEWER_ENCODING_UTF16BE, OnUpdateEncoding)
    ON_COMMAND(ID_VIEWER_SAVE_POSITION, OnSavePosition)
    ON_COMMAND_RANGE(ID_VIEWER_DEFAULT_WINDOW, ID_VIEWER_DEFAULT_WINDOW, OnPlacement)
    ON_COMMAND_RANGE(ID_VIEWER_UPPER_HALF, ID_VIEWER_LOWER_HALF, OnPlacement)
    ON_COMMAND_RANGE(ID_VIEWER_LEFT_HALF, ID_VIEWER_RIGHT_HALF, OnPlacement)
    ON_COMMAND(ID_VIEWER_PRINT, OnPrint)
    ON_COMMAND(ID_VIEWER_PRINT_PAGE, OnPrintPage)
    ON_COMMAND(ID_VIEWER_NEXT, OnNext)
    ON_COMMAND(ID_VIEWER_PREVIOUS, OnPrevious)
    ON_COMMAND(ID_VIEWER_FIRST, OnFirst)
    ON_COMMAND(ID_VIEWER_LAST, OnLast)
    ON_COMMAND_RANGE(ID_RECENT_FILE_FIRST, ID_RECENT_FILE_LAST, OnRecentFile)
END_MESSAGE_MAP()

CBrindlexDlg::CBrindlexDlg()
{
    ::LoadLibraryA("riched20.dll");
    SetViewerWindow(this);
}

CBrindlexDlg::~CBrindlexDlg()
{
    if (GetViewerWindow() == this) SetViewerWindow(nullptr);
}

LRESULT CBrindlexDlg::OnTimer(WPARAM wp, LPARAM)
{
    if (wp == VIEWER_PIECE_TIMER) {
        if (!AppendPiece()) EndSectionLoad();
        return 0;
    }
    ::KillTimer(m_hWnd, wp);
    if (wp == VIEWER_START_TIMER) {
        // The names come from the command line's Unicode form, where a name outside the code
        // page can be told from one typed with '?' or '*'.
        CArray<CString> names;
        SplitViewerCommandLine(AfxCommandLineTail(::GetCommandLineW()), names);
        StartUp(names, *AfxCommandLineTail(::GetCommandLineW()) != L'\0');
    }
    return 0;
}

void CBrindlexDlg::StartUp(const char* cmdLine)
{
    CArray<CString> names;
    SplitViewerCommandLine(cmdLine, names);
    StartUp(names, cmdLine && *cmdLine);
}

void CBrindlexDlg::StartUp(const CArray<CString>& names, bool given)
{
    MakeTempCopyName();

    CWinApp* app = AfxGetApp();
    g_bFullPathInRecent = (int)app->GetProfileInt("settings", "path", 0);
    g_bViewerMaximized = (int)app->GetProfileInt("settings", "max", 0);
    int left = (int)app->GetProfileInt("settings", "left", 60);
    int top = (int)app->GetProfileInt("settings", "top", 60);
    int width = (int)app->GetProfileInt("settings", "width", 520);
    int height = (int)app->GetProfileInt("settings", "height", 360);
    // A viewer started by a viewer maximises only for 1. The show state it was started with
    // cannot say so: a process's first maximise request may win over its launcher's.
    bool maximise = TakeStartedByViewerMark() ? g_bViewerMaximized == 1 : g_bViewerMaximized != 0;
    if (maximise) {
        ShowWindow(SW_SHOWMAXIMIZED);
    } else {
        RECT stored = {left, top, (LONG)((long long)left + width), (LONG)((long long)top + height)};
        RECT rc = PlaceOnAScreen(stored);
        ::SetWindowPos(m_hWnd, HWND_TOP, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, SWP_SHOWWINDOW);
    }

    // Any stored value but 0 means hex: the mode switches test for exactly 1.
    g_bHexMode = app->GetProfileInt("settings", "hex", 0) != 0 ? 1 : 0;
    g_bFileLoaded = 0;
    g_nSectionSize = g_bHexMode ? HEX_SECTION_SIZE : TEXT_SECTION_SIZE;
    BuildRecentEntries();
    CreateViewerFonts(10);
    GetClientRect(&g_rcClient);
    RecreateControl();

    if (given) {
        // A name the code page cannot hold (empty here) starts no viewer: one without a name is an explorer.
        for (int i = 0; i + 1 < names.GetSize(); i++)
            if (!names[i].IsEmpty()) StartViewer(names[i]);
        OpenViewedFile(ResolveViewerName(names.GetSize() ? names[names.GetSize() - 1] : CString()));
        if (!m_hWnd) return;  // closed while a message was up
    }

    BringToForeground();
    if (g_richEdit) {
        ::PostMessageA(g_richEdit, WM_LBUTTONDOWN, 0, MAKELPARAM(10, 0));
        ::PostMessageA(g_richEdit, WM_LBUTTONUP, 0, MAKELPARAM(10, 0));
    }
}

void CBrindlexDlg::StartViewer(const char* path)
{
    char exe[256];
    DWORD n = ::GetModuleFileNameA(nullptr, exe, sizeof exe);
    if (n == 0 || n >= sizeof exe) return;
    if (strlen(path) >= 512) return;  // longer than any path the viewer accepts
    CString cmd = MakeViewerCommandLine(exe, path);
    SetStartedByViewerMark(true);
    ::WinExec(cmd, g_bViewerMaximized == 1 ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    SetStartedByViewerMark(false);
}

void CBrindlexDlg::RecreateControl()
{
    AbandonSectionLoad();  // the pieces still to come belong to the old control
    if (!m_hWnd) return;   // closed meanwhile (during the copy): no control without a frame
    if (g_richEdit.Create(g_bHexMode ? VIEWER_HEX_STYLE : VIEWER_TEXT_STYLE, g_rcClient, m_hWnd, IDC_VIEWER_TEXT))
        g_richEdit.LimitText(0x7FFFFFFE);
    // Read-only: nothing to undo, and the control's undo records cost a sixth of a section of short lines.
    if (g_richEdit) g_richEdit.SetUndoLimit(0);
}

void CBrindlexDlg::SetTitle(const char* title) { SetWindowText(title); }

void CBrindlexDlg::SetSectionMenuTitle(const char* title)
{
    HMENU menu = GetMenu();
    if (!menu) return;
    HMENU popup = ::GetSubMenu(menu, 4);
    ::ModifyMenuA(menu, 4, MF_BYPOSITION | MF_STRING | MF_POPUP, (UINT_PTR)popup, title);
    DrawMenuBar();
}

void CBrindlexDlg::SelectModeFont()
{
    // A font change makes the control lay out all the text it holds again, which takes
    // seconds for a large section: the section about to load goes into a fresh control.
    if (g_richEdit && ::GetWindowTextLengthA(g_richEdit) > 0) RecreateControl();
    if (g_richEdit)
        ::SendMessageA(g_richEdit, WM_SETFONT, (WPARAM)(g_bHexMode ? g_hexFont.Get() : g_textFont.Get()), FALSE);
}

void CBrindlexDlg::SetFileMenuItem(int pos, UINT id, const char* text)
{
    HMENU menu = GetMenu();
    HMENU file = menu ? ::GetSubMenu(menu, 0) : nullptr;
    if (!file) return;
    if (pos >= ::GetMenuItemCount(file))
        ::AppendMenuA(file, MF_STRING, id, text);
    else
        ::ModifyMenuA(file, (UINT)pos, MF_BYPOSITION | MF_STRING, id, text);
}

void CBrindlexDlg::RedrawMenuBar() { DrawMenuBar(); }

void CBrindlexDlg::CaretHomeAndFocus()
{
    if (!g_richEdit) return;
    g_richEdit.SetSel(0, 0);
    ::ShowCaret(g_richEdit);
    ::SetFocus(g_richEdit);
}

void CBrindlexDlg::BringToForeground() { ::SetForegroundWindow(m_hWnd); }

void CBrindlexDlg::ShowMessage(const char* text) { MessageBox(text, nullptr, MB_OK); }

BOOL CBrindlexDlg::PreTranslateMessage(MSG* pMsg)
{
    if (m_bLoading && pMsg->message == WM_KEYDOWN) {
        if (pMsg->wParam == VK_ESCAPE) {
            CancelSectionLoad();
            return TRUE;
        }
        // The control's own Select All: the whole section, never the part that is in.
        if (pMsg->wParam == 'A' && ::GetKeyState(VK_CONTROL) < 0) FinishSectionLoad();
    }
    return CFrameWnd::PreTranslateMessage(pMsg);
}

LRESULT CBrindlexDlg::OnPaint(WPARAM wp, LPARAM lp)
{
    if (!::IsIconic(m_hWnd)) {
        GetClientRect(&g_rcClient);
        PlaceControl();
    }
    return DefWindowProc(WM_PAINT, wp, lp);
}

void CBrindlexDlg::PlaceControl()
{
    if (!g_richEdit) return;
    ::MoveWindow(g_richEdit, g_rcClient.left, g_rcClient.top, g_rcClient.right - g_rcClient.left,
                 g_rcClient.bottom - g_rcClient.top, TRUE);
    ::UpdateWindow(g_richEdit);
}

LRESULT CBrindlexDlg::OnClose(WPARAM wp, LPARAM lp)
{
    if (m_bCopying) {
        m_bCloseAfterCopy = true;  // the copy stops at its next block, then the window closes
        return 0;
    }
    if (CPrintProgressDlg::CancelRunningJob()) {
        m_bCloseAfterPrint = true;  // the job stops at its next page, then the window closes
        return 0;
    }
    ReleaseViewer();
    return DefWindowProc(WM_CLOSE, wp, lp);
}

LRESULT CBrindlexDlg::OnEndSession(WPARAM wp, LPARAM)
{
    // No close comes at log-off or shut-down: the copy goes now, and the window with it,
    // which ends the process.
    if (wp) {
        ReleaseViewer();
        DestroyWindow();
    }
    return 0;
}

void CBrindlexDlg::ReleaseViewer()
{
    AbandonSectionLoad();
    CloseViewedFile();
    if (g_szTempCopy[0]) ::DeleteFileA(g_szTempCopy);
    // Once deleted, the unique name may be handed to another process: never touch it again.
    g_szTempCopy[0] = '\0';
    g_hexFont.Close();
    g_textFont.Close();
    g_richEdit.DestroyWindow();
}

void CBrindlexDlg::OnText() { SwitchToText(); }
void CBrindlexDlg::OnHex() { SwitchToHex(); }
void CBrindlexDlg::OnUpdateText(CCmdUI* pCmdUI) { pCmdUI->SetCheck(g_bHexMode == 0); }
void CBrindlexDlg::OnUpdateHex(CCmdUI* pCmdUI) { pCmdUI->SetCheck(g_bHexMode == 1); }
void CBrindlexDlg::OnEncoding(UINT nID)
{
    FinishSectionLoad();
    ChooseEncoding((VIEWER_ENCODING)(nID - ID_VIEWER_ENCODING_AUTOMATIC));
}

void CBrindlexDlg::OnUpdateEncoding(CCmdUI* pCmdUI)
{
    VIEWER_ENCODING e = (VIEWER_ENCODING)(pCmdUI->m_nID - ID_VIEWER_ENCODING_AUTOMATIC);
    if (e == ENCODING_AUTOMATIC) {
        // The detected encoding is named beside it while a file is open.
        CString text("&Automatic");
        if (g_bFileLoaded) text += CString(" (") + EncodingName(g_nDetectedEncoding) + ")";
        pCmdUI->SetText(text);
    }
    pCmdUI->SetCheck(e == g_nChosenEncoding);
}

void CBrindlexDlg::OnNext() { ViewNextSection(); }
void CBrindlexDlg::OnPrevious() { ViewPreviousSection(); }
void CBrindlexDlg::OnFirst() { ViewFirstSection(); }
void CBrindlexDlg::OnLast() { ViewLastSection(); }
void CBrindlexDlg::OnRecentFile(UINT nID) { OpenRecentFile((int)(nID - ID_RECENT_FILE_FIRST) + 1); }
