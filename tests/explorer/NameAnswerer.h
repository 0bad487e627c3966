// Fills in the name dialog as a user would: waits for the dialog with the name field in this
// process (or another), keeps what it showed, types a name and presses OK or Cancel.
#pragma once

#include "support/TestSupport.h"
#include "support/WindowWatcher.h"
#include <string>

class CNameAnswerer {
public:
    // button IDOK or IDCANCEL; pid 0: this process.
    CNameAnswerer(const char* name, int button = IDOK, DWORD pid = 0, int timeoutMs = 10000);

    bool Wait() { return m_watch.Wait() > 0; }  // false when no dialog came
    // For when what could open the dialog has returned: ends the watch at once.
    bool Stop() { return m_watch.Stop() > 0; }
    std::string Caption() { Wait(); return m_caption; }
    std::string Label() { Wait(); return m_label; }
    std::string Initial() { Wait(); return m_initial; }
    // The selection in the name field when the dialog opened.
    DWORD SelStart() { Wait(); return m_selStart; }
    DWORD SelEnd() { Wait(); return m_selEnd; }
    bool EditHadFocus() { Wait(); return m_bEditFocused; }

private:
    void Answer(HWND dialog);

    std::string m_name;
    int m_button;
    bool m_bEditFocused = false;
    std::string m_caption, m_label, m_initial;
    DWORD m_selStart = 0, m_selEnd = 0;
    CWindowWatcher m_watch;
};
