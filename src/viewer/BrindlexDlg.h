// The viewer's window: a frame whose client area is one read-only rich edit control.
#pragma once

#include "res/resource.h"
#include "fw/afx.h"
#include "fw/FrameWnd.h"
#include "viewer/ViewerWindow.h"
#include "viewer/ViewerState.h"
#include <commdlg.h>
#include <richedit.h>

extern const UINT g_nFindReplaceMsg;

// Control styles: text lines wrap at the right edge; hex lines do not.
const DWORD VIEWER_TEXT_STYLE = WS_CHILD | WS_VISIBLE | WS_MAXIMIZE | WS_VSCROLL | ES_SAVESEL | ES_READONLY |
                                ES_NOHIDESEL | ES_AUTOVSCROLL | ES_MULTILINE;
const DWORD VIEWER_HEX_STYLE = VIEWER_TEXT_STYLE | ES_AUTOHSCROLL;

// The frame's timers: the deferred start-up, and the pieces of a section still coming in.
const UINT_PTR VIEWER_START_TIMER = 1;
const UINT_PTR VIEWER_PIECE_TIMER = 2;

class CBrindlexDlg : public CFrameWnd, public IViewerWindow {
public:
    CBrindlexDlg();
    ~CBrindlexDlg() override;

    int m_bFindOpen = 0;

    // Requests of the file model.
    void RecreateControl() override;
    void SetTitle(const char* title) override;
    void SetSectionMenuTitle(const char* title) override;
    void SelectModeFont() override;
    void StreamSection() override;
    void StopSectionLoad() override;
    void SetFileMenuItem(int pos, UINT id, const char* text) override;
    void RedrawMenuBar() override;
    void CaretHomeAndFocus() override;
    void BringToForeground() override;
    void ShowMessage(const char* text) override;
    int CopyForViewing(const char* source, const char* target) override;

    // The deferred start-up of the first timer message, for the names on cmdLine.
    void StartUp(const char* cmdLine);
    void StartUp(const CArray<CString>& names, bool given);
    // Starts a new viewer process for one file.
    virtual void StartViewer(const char* path);

    // A section's first screenful is shown at once; the rest comes in piece by piece while
    // the window goes on answering. Commands that need the whole section finish it first.
    bool IsSectionLoading() const { return m_bLoading; }
    void FinishSectionLoad();
    // Stops appending: the section in the control stays as far as it came (callers that
    // must not leave it on show replace or empty the control).
    void AbandonSectionLoad();

protected:
    // Appends the next piece at the end of the control's text, keeping what the user sees;
    // false once the section is whole.
    bool AppendPiece();
    // The section is whole: the load's marks go, the scroll bar shows only when needed.
    void EndSectionLoad();
    // Esc during a load: no half section stays on show.
    void CancelSectionLoad();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnClose(WPARAM, LPARAM);
    LRESULT OnEndSession(WPARAM, LPARAM);
    LRESULT OnTimer(WPARAM, LPARAM);
    LRESULT OnDropFiles(WPARAM, LPARAM);
    LRESULT OnFindReplace(WPARAM, LPARAM);

    void OnOpen();
    void OnOpenWith();
    void OnOpenDefault();
    void OnCopy();
    void OnFind();
    void OnText();
    void OnHex();
    void OnUpdateText(CCmdUI* pCmdUI);
    void OnUpdateHex(CCmdUI* pCmdUI);
    void OnEncoding(UINT nID);
    void OnUpdateEncoding(CCmdUI* pCmdUI);
    void OnSavePosition();
    void OnPlacement(UINT nID);
    void OnPrint();
    void OnPrintPage();
    void OnNext();
    void OnPrevious();
    void OnFirst();
    void OnLast();
    void OnRecentFile(UINT nID);

    void PlaceControl();
    // Closes the file, deletes the temporary copy, the fonts and the control.
    void ReleaseViewer();
    HWND m_hFindDlg = nullptr;
    FINDREPLACEW m_fr = {};
    // While the file is copied for viewing a close waits for the copy to stop, then closes.
    bool m_bCopying = false;
    bool m_bCloseAfterCopy = false;
    bool m_bLoading = false;
    // A close while pages go to the printer cancels the job; the window closes once it has ended.
    bool m_bCloseAfterPrint = false;

    DECLARE_MESSAGE_MAP()
};
