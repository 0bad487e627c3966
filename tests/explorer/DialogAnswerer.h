// Answers dialogs of a process as a user would: finds its visible #32770 window (not the name
// dialog, which CNameAnswerer fills in), keeps the caption and the texts of its static
// controls, and presses one of its buttons.
#pragma once

#include "support/TestSupport.h"
#include "support/WindowWatcher.h"
#include <string>
#include <vector>

class CDialogAnswerer {
public:
    // pid 0: this process. The answer is given from another thread, so a modal dialog in the
    // test's own thread does not block it. button: IDYES, IDNO, IDOK, IDCANCEL...
    explicit CDialogAnswerer(int button, DWORD pid = 0, int timeoutMs = 10000);
    // Several dialogs one after the other, each answered with its button in turn.
    CDialogAnswerer(std::initializer_list<int> buttons, DWORD pid = 0, int timeoutMs = 10000);

    // Waits for the answerer; false when no dialog came.
    bool Wait() { return m_watch.Wait() > 0; }
    // For when what could open a dialog has returned: ends the watch at once; false when
    // no dialog came.
    bool Stop() { return m_watch.Stop() > 0; }
    std::string Caption() { return Caption(0); }
    std::string Text() { return Text(0); }  // the static texts, joined by '|'
    // Of the dialog answered k-th (from 0); empty when fewer came.
    std::string Caption(size_t k) { Wait(); return k < m_captions.size() ? m_captions[k] : std::string(); }
    std::string Text(size_t k) { Wait(); return k < m_texts.size() ? m_texts[k] : std::string(); }
    size_t Answered() { return m_watch.Wait(); }

private:
    std::vector<int> m_buttons;
    std::vector<std::string> m_captions, m_texts;
    CWindowWatcher m_watch;
};

// The visible #32770 window of a process (pid 0: this one), or none.
HWND FindDialogOf(DWORD pid, bool bSkipNameDialog = false);
// Whether a dialog is the name dialog.
bool IsNameDialog(HWND h);
// Whether a file or folder exists (a link counts as itself).
bool Exists(const char* path);
