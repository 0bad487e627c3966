// Putting a section into the control: the first screenful at once, then the rest behind it
// in pieces while the window goes on answering.
#include "viewer/BrindlexDlg.h"
#include "viewer/FileModel.h"
#include "viewer/SectionRenderer.h"
#include "viewer/SectionBudget.h"
#include "fw/WinApp.h"

namespace {

// A section goes into the control in pieces of rendered text: the first holds a screenful
// (more than a maximised window shows, painted at once), the later ones are appended behind
// it, one per timer tick. Measured on 3 MiB of text: 48 KB pieces take about 50 ms each, so
// the window answers within 100 ms, and the whole section comes in at 1.1x the time of one
// stream (each piece has a cost of its own: 32 KB made it 1.15x).
const LONG kFirstPieceBytes = 16 * 1024;
const LONG kLaterPieceBytes = 48 * 1024;

// True when the control's last line ends inside its client area, seen from the top.
bool TextFitsControl(const CRichEditCtrl& ctl)
{
    if (ctl.GetFirstVisibleLine() != 0) return false;
    LONG lines = ctl.GetLineCount();
    if (lines <= 1) return true;
    POINTL first = ctl.PosFromChar(ctl.LineIndex(0));
    POINTL second = ctl.PosFromChar(ctl.LineIndex(1));
    POINTL last = ctl.PosFromChar(ctl.LineIndex(lines - 1));
    RECT rc;
    ctl.GetClientRect(&rc);
    return last.y + (second.y - first.y) <= rc.bottom;
}

// Streams the next piece of the section in at the end of the control's text; false when
// the section is whole.
bool StreamPieceAtEnd(CRichEditCtrl& ctl)
{
    // Past the end: every control puts the caret at the end of the text.
    LONG end = ctl.GetCharCount();
    ctl.SetSel(CHARRANGE{end, end});
    // The breaks of our own are counted from where this piece really starts.
    g_nStreamChars = end;
    g_nStreamPieceLeft = kLaterPieceBytes;
    // What the control has taken so far, as the process has it now.
    g_sectionBudget.BeginPiece(ProcessCommittedBytes());
    EDITSTREAM es = {};
    es.pfnCallback = StreamSectionChunk;
    ctl.StreamIn(SF_TEXT | SF_UNICODE | SFF_SELECTION, es);
    // A piece that took less than it could ended the section (or the file ended early).
    bool more = g_nSectionLeft > 0 && g_nStreamPieceLeft == 0;
    g_nStreamPieceLeft = -1;
    return more;
}

// Appending moves the caret to the end: the selection and the first visible line are put back
// before the control draws again. What is on show does not change unless the text's end was on
// show, so the control is drawn only then (drawn after every piece, a section took 1.3-1.7x as
// long); the scroll bar is brought up to date now and then, and at the end.
class CKeptView {
public:
    explicit CKeptView(CRichEditCtrl& ctl) : m_ctl(ctl)
    {
        m_sel = ctl.GetSel();
        m_first = ctl.GetFirstVisibleLine();
        POINTL end = ctl.PosFromChar(ctl.GetCharCount());
        RECT rc;
        ctl.GetClientRect(&rc);
        m_endShown = end.y < rc.bottom;
        m_hadUpdate = ::GetUpdateRect(ctl, nullptr, FALSE) != FALSE;
        ::SendMessageA(ctl, WM_SETREDRAW, FALSE, 0);
    }
    ~CKeptView()
    {
        m_ctl.SetSel(m_sel);
        LONG now = m_ctl.GetFirstVisibleLine();
        if (now != m_first) m_ctl.LineScroll(m_first - now);
        ::SendMessageA(m_ctl, WM_SETREDRAW, TRUE, 0);
        if (m_endShown || now != m_first)
            ::InvalidateRect(m_ctl, nullptr, FALSE);
        else if (!m_hadUpdate)
            ::ValidateRect(m_ctl, nullptr);
        DWORD tick = ::GetTickCount();
        if (tick - s_barDrawn >= kBarEveryMs) {
            s_barDrawn = tick;
            ::SendMessageA(m_ctl, WM_NCPAINT, 1, 0);  // the frame alone: the scroll bar
        }
    }
    CKeptView(const CKeptView&) = delete;
    CKeptView& operator=(const CKeptView&) = delete;

private:
    static const DWORD kBarEveryMs = 250;
    static DWORD s_barDrawn;
    CRichEditCtrl& m_ctl;
    CHARRANGE m_sel = {0, 0};
    LONG m_first = 0;
    bool m_endShown = false;
    bool m_hadUpdate = false;
};

DWORD CKeptView::s_barDrawn = 0;

struct CNoteStream {
    const char* p;
    LONG left;
};

DWORD CALLBACK StreamNote(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* pcb)
{
    CNoteStream* s = (CNoteStream*)cookie;
    *pcb = s->left < cb ? s->left : cb;
    memcpy(buf, s->p, (size_t)*pcb);
    s->p += *pcb;
    s->left -= *pcb;
    return 0;
}

// The section stopped at the budget: a line of the viewer's own after the last one shown says
// how much of it that is, set apart in italics.
void AppendCutNote(CRichEditCtrl& ctl)
{
    unsigned shown = g_nSectionSize - g_nSectionLeft;
    unsigned __int64 start = (unsigned __int64)(unsigned)g_nSection * g_nSectionSize;
    unsigned __int64 rest = g_nFileLength > start ? g_nFileLength - start : 0;
    unsigned total = rest < g_nSectionSize ? (unsigned)rest : g_nSectionSize;
    LONG end = ctl.GetCharCount();
    char last[4] = {};
    bool lineEnded = end == 0 || (ctl.GetTextRange(CHARRANGE{end - 1, end}, last) == 1 && last[0] == '\r');
    std::string text = (lineEnded ? "" : "\r\n") + SectionCutNote(shown, total, g_bHexMode != 0);

    CKeptView kept(ctl);
    ctl.SetSel(CHARRANGE{end, end});
    CNoteStream note = {text.data(), (LONG)text.size()};
    EDITSTREAM es = {};
    es.dwCookie = (DWORD_PTR)&note;
    es.pfnCallback = StreamNote;
    ctl.StreamIn(SF_TEXT | SFF_SELECTION, es);
    ctl.SetSel(CHARRANGE{end, ctl.GetCharCount()});
    CHARFORMAT2A cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_ITALIC;
    cf.dwEffects = CFE_ITALIC;
    ctl.SetCharFormat(SCF_SELECTION, cf);
    g_sectionBudget.SetNoteAt(end);
}

}  // namespace

void CBrindlexDlg::StreamSection()
{
    AbandonSectionLoad();
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
    EDITSTREAM es = {};
    es.pfnCallback = StreamSectionChunk;
    g_nStreamPieceLeft = kFirstPieceBytes;
    g_sectionBudget.BeginSection();
    g_sectionBudget.BeginPiece(ProcessCommittedBytes());
    g_richEdit.StreamIn(SF_TEXT | SF_UNICODE, es);
    bool more = g_nSectionLeft > 0 && g_nStreamPieceLeft == 0;
    g_nStreamPieceLeft = -1;
    if (!more) {
        EndSectionLoad();
        return;
    }
    m_bLoading = true;
    if (!::SetTimer(m_hWnd, VIEWER_PIECE_TIMER, USER_TIMER_MINIMUM, nullptr)) {
        FinishSectionLoad();  // without a timer the rest goes in now, as one load
        return;
    }
    ::SetPropA(m_hWnd, VIEWER_LOADING_PROP, (HANDLE)1);
}

bool CBrindlexDlg::AppendPiece()
{
    if (!m_bLoading || !g_richEdit) return false;
    // While the user drags a selection the control holds the mouse: the piece waits, so that
    // putting the selection back cannot turn the drag around.
    if (::GetCapture() == g_richEdit.m_hWnd) return true;
    CKeptView kept(g_richEdit);
    return StreamPieceAtEnd(g_richEdit);
}

void CBrindlexDlg::FinishSectionLoad()
{
    if (!m_bLoading || !g_richEdit) return;
    CWaitCursor wait;
    {
        CKeptView kept(g_richEdit);
        while (StreamPieceAtEnd(g_richEdit)) {
        }
    }
    EndSectionLoad();
}

void CBrindlexDlg::EndSectionLoad()
{
    AbandonSectionLoad();
    if (!g_richEdit) return;
    if (g_sectionBudget.IsCut() && g_sectionBudget.NoteAt() < 0) AppendCutNote(g_richEdit);
    // As after one stream: nothing to undo.
    g_richEdit.EmptyUndoBuffer();
    if (TextFitsControl(g_richEdit))
        ::ShowScrollBar(g_richEdit, SB_VERT, FALSE);
    else
        ::SendMessageA(g_richEdit, WM_NCPAINT, 1, 0);  // the scroll bar for the whole section
}

void CBrindlexDlg::AbandonSectionLoad()
{
    g_sectionBudget.Stop();
    if (!m_bLoading) return;
    m_bLoading = false;
    if (m_hWnd) {
        ::KillTimer(m_hWnd, VIEWER_PIECE_TIMER);
        ::RemovePropA(m_hWnd, VIEWER_LOADING_PROP);
    }
}

void CBrindlexDlg::StopSectionLoad()
{
    if (!m_bLoading) return;
    AbandonSectionLoad();
    RecreateControl();
    SelectModeFont();
}

void CBrindlexDlg::CancelSectionLoad()
{
    CloseViewedFile();
    SetTitle(AfxGetAppName());
}
