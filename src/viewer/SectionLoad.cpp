// Putting a section into the control: the first screenful at once, then the rest behind it.
#include "viewer/BrindlexDlg.h"
#include "viewer/FileModel.h"
#include "viewer/SectionRenderer.h"

namespace {

// A section goes into the control in pieces of rendered text: the first holds a screenful
// and more (painted at once), the later ones are appended behind it.
const LONG kFirstPieceBytes = 64 * 1024;
const LONG kLaterPieceBytes = 128 * 1024;

// True when the control's last line ends inside its client area, seen from the top.
bool TextFitsControl(HWND ctl)
{
    if (::SendMessageA(ctl, EM_GETFIRSTVISIBLELINE, 0, 0) != 0) return false;
    LONG lines = (LONG)::SendMessageA(ctl, EM_GETLINECOUNT, 0, 0);
    if (lines <= 1) return true;
    POINTL first = {}, second = {}, last = {};
    ::SendMessageA(ctl, EM_POSFROMCHAR, (WPARAM)&first, ::SendMessageA(ctl, EM_LINEINDEX, 0, 0));
    ::SendMessageA(ctl, EM_POSFROMCHAR, (WPARAM)&second, ::SendMessageA(ctl, EM_LINEINDEX, 1, 0));
    ::SendMessageA(ctl, EM_POSFROMCHAR, (WPARAM)&last, ::SendMessageA(ctl, EM_LINEINDEX, lines - 1, 0));
    RECT rc;
    ::GetClientRect(ctl, &rc);
    return last.y + (second.y - first.y) <= rc.bottom;
}

// The position just past the control's last character.
LONG TextEnd(HWND ctl)
{
    GETTEXTLENGTHEX gtl = {GTL_NUMCHARS | GTL_PRECISE, 1200};
    return (LONG)::SendMessageA(ctl, EM_GETTEXTLENGTHEX, (WPARAM)&gtl, 0);
}

}  // namespace

void CBrindlexDlg::StreamSection()
{
    // Rich edit controls can take minutes to replace large content in place, so every
    // load that would replace text goes into a fresh control; the user sees the same.
    if (g_richEdit && ::GetWindowTextLengthA(g_richEdit) > 0) {
        RecreateControl();
        SelectModeFont();
    }
    if (!g_richEdit) return;
    CWaitCursor wait;
    // An empty control gets its scroll bar only when the stream ends, and then wraps the whole
    // text again for the narrower client area; with the bar there from the start it wraps once.
    // A section that fits on one page hides the bar again at the end.
    ::ShowScrollBar(g_richEdit, SB_VERT, TRUE);
    // The first screenful goes in alone and is painted at once; the rest of the section is
    // appended behind it before this returns, so every command still finds the whole
    // section (nothing is handled in between), and the user reads while it loads.
    EDITSTREAM es = {};
    es.pfnCallback = StreamSectionChunk;
    g_nStreamPieceLeft = kFirstPieceBytes;
    ::SendMessageA(g_richEdit, EM_STREAMIN, SF_TEXT, (LPARAM)&es);
    if (g_nSectionLeft > 0 && g_nStreamPieceLeft == 0) AppendRestOfSection();
    g_nStreamPieceLeft = -1;
    if (TextFitsControl(g_richEdit)) ::ShowScrollBar(g_richEdit, SB_VERT, FALSE);
}

void CBrindlexDlg::AppendRestOfSection()
{
    ::UpdateWindow(g_richEdit);
    ::SendMessageA(g_richEdit, WM_SETREDRAW, FALSE, 0);
    EDITSTREAM es = {};
    es.pfnCallback = StreamSectionChunk;
    while (g_nSectionLeft > 0) {
        // Past the end: every control puts the caret at the end of the text.
        LONG end = TextEnd(g_richEdit);
        CHARRANGE at = {end, end};
        ::SendMessageA(g_richEdit, EM_EXSETSEL, 0, (LPARAM)&at);
        // The breaks of our own are counted from where this piece really starts.
        g_nStreamChars = end;
        g_nStreamPieceLeft = kLaterPieceBytes;
        ::SendMessageA(g_richEdit, EM_STREAMIN, SF_TEXT | SFF_SELECTION, (LPARAM)&es);
        if (g_nStreamPieceLeft == kLaterPieceBytes) break;  // the file ended early: nothing came
    }
    // As after one stream: the caret at the top, the top in view, nothing to undo.
    CHARRANGE top = {0, 0};
    ::SendMessageA(g_richEdit, EM_EXSETSEL, 0, (LPARAM)&top);
    ::SendMessageA(g_richEdit, EM_EMPTYUNDOBUFFER, 0, 0);
    ::SendMessageA(g_richEdit, WM_SETREDRAW, TRUE, 0);
    ::RedrawWindow(g_richEdit, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
}
