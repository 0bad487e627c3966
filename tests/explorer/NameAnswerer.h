// Fills in the name dialog as a user would: waits for the dialog with the name field in this
// process (or another), keeps what it showed, types a name and presses OK or Cancel.
#pragma once

#include "support/TestSupport.h"
#include <string>

class CNameAnswerer {
public:
    // button IDOK or IDCANCEL; pid 0: this process.
    CNameAnswerer(const char* name, int button = IDOK, DWORD pid = 0, int timeoutMs = 10000);
    ~CNameAnswerer();
    CNameAnswerer(const CNameAnswerer&) = delete;
    CNameAnswerer& operator=(const CNameAnswerer&) = delete;

    bool Wait();  // false when no dialog came
    std::string Caption() { Wait(); return m_caption; }
    std::string Label() { Wait(); return m_label; }
    std::string Initial() { Wait(); return m_initial; }
    // The selection in the name field when the dialog opened.
    DWORD SelStart() { Wait(); return m_selStart; }
    DWORD SelEnd() { Wait(); return m_selEnd; }
    bool EditHadFocus() { Wait(); return m_bEditFocused; }

private:
    static DWORD WINAPI Run(LPVOID self);
    HANDLE m_thread = nullptr;
    std::string m_name;
    int m_button;
    DWORD m_pid;
    int m_timeoutMs;
    bool m_bAnswered = false;
    bool m_bEditFocused = false;
    std::string m_caption, m_label, m_initial;
    DWORD m_selStart = 0, m_selEnd = 0;
};
