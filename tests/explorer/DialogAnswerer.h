// Answers dialogs of a process as a user would: finds its visible #32770 window (not the name
// dialog, which CNameAnswerer fills in), keeps the caption and the texts of its static
// controls, and presses one of its buttons.
#pragma once

#include "support/TestSupport.h"
#include <string>

class CDialogAnswerer {
public:
    // pid 0: this process. The answer is given from another thread, so a modal dialog in the
    // test's own thread does not block it. button: IDYES, IDNO, IDOK, IDCANCEL...
    explicit CDialogAnswerer(int button, DWORD pid = 0, int timeoutMs = 10000);
    ~CDialogAnswerer();
    CDialogAnswerer(const CDialogAnswerer&) = delete;
    CDialogAnswerer& operator=(const CDialogAnswerer&) = delete;

    // Waits for the answerer; false when no dialog came.
    bool Wait();
    std::string Caption() { Wait(); return m_caption; }
    std::string Text() { Wait(); return m_text; }  // the static texts, joined by '|'

private:
    static DWORD WINAPI Run(LPVOID self);
    HANDLE m_thread = nullptr;
    int m_button;
    DWORD m_pid;
    int m_timeoutMs;
    bool m_bAnswered = false;
    std::string m_caption;
    std::string m_text;
};

// The visible #32770 window of a process (pid 0: this one), or none.
HWND FindDialogOf(DWORD pid, bool bSkipNameDialog = false);
// Whether a file or folder exists (a link counts as itself).
bool Exists(const char* path);
