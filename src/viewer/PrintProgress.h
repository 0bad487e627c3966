// The progress of a print job: a modeless box naming the file and the page, with Cancel.
// While it is up its owner takes no input but goes on painting and answering: between pages,
// and whenever the printer calls the job's abort procedure, the thread's messages go through.
#pragma once

#include "res/resource.h"
#include "fw/Dialog.h"

class CPrintProgressDlg : public CDialog {
public:
    CPrintProgressDlg() : CDialog(IDD_PRINTING) {}
    ~CPrintProgressDlg() override;

    // Shows the box over owner, naming the file of path, and makes it the abort procedure of dc.
    BOOL Open(HWND owner, HDC dc, const char* path);
    void ShowPage(int page);
    // Lets the waiting messages through; false once the job is to end.
    bool Pump();
    bool Cancelled() const { return m_bCancelled; }
    // Cancel, Esc, the close box: the job ends at its next page.
    void OnCancel() override { m_bCancelled = true; }

    // Cancels the job running in this process; false when none is.
    static bool CancelRunningJob();

private:
    static BOOL CALLBACK AbortProc(HDC dc, int error);
    static CPrintProgressDlg* s_current;  // one job at a time: its owner takes no input meanwhile
    HWND m_owner = nullptr;
    bool m_bCancelled = false;
};
