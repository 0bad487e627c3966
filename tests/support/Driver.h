// Drives brindlex.exe from another process as a user would: start it, find its
// windows, send commands and keys, read text, answer message boxes. The explorer's
// driver (tests/explorer/ExplorerDriver.h) builds on it to read the list and the tree.
#pragma once

#include "support/TestSupport.h"
#include "support/Wait.h"
#include <string>
#include <vector>

// The brindlex.exe beside the test programs.
std::string BrindlexExe();

// Finds top-level windows of a process (pid 0: any) whose title starts with prefix.
HWND FindTopWindow(DWORD pid, const char* titlePrefix, const char* className = nullptr);
// Polls until the window appears or timeoutMs passes.
HWND WaitTopWindow(DWORD pid, const char* titlePrefix, int timeoutMs = 20000, const char* className = nullptr);
std::string WindowText(HWND h);  // title or control text, across processes

// A running viewer (or explorer) process, killed with any viewers it started when the test ends.
class CBrindlex {
public:
    CBrindlex() {}
    ~CBrindlex();
    CBrindlex(const CBrindlex&) = delete;
    CBrindlex& operator=(const CBrindlex&) = delete;

    // Starts "brindlex.exe args" and waits for its main window with the given title prefix;
    // in workDir when given, else in the test's own working folder.
    bool Start(const std::string& args, const char* titlePrefix = "Brindlex", const char* workDir = nullptr);
    // The same with a Unicode command line, as the shell starts a program for any name.
    bool StartWide(const std::wstring& args, const char* titlePrefix = "Brindlex");
    // Waits until the text control has content (or timeoutMs passes).
    bool WaitForText(int timeoutMs = 30000);

    HWND Frame() const { return m_frame; }
    HWND Control() const;
    std::string Title() const { return WindowText(m_frame); }
    // The control's whole text, CRLF line ends, once the section on show is whole.
    std::string Text() const;
    // The text as it is now, while a section may still be coming in.
    std::string ShownText() const;
    // True while the viewer is still appending the section on show.
    bool Loading() const;
    bool WaitWhole(int timeoutMs = 60000) const;
    void Command(UINT id);     // sends WM_COMMAND and waits until it has been handled
    // A key press through the input queue, once the frame has the focus (the test fails when
    // it never does); what it does shows later.
    void Keys(WORD vk, bool ctrl = false, bool alt = false);
    // Returns once the frame has taken and handled all input sent before (its focus must still
    // be in the frame, which has a menu); false when it did not within timeoutMs.
    bool InputTaken(int timeoutMs = 60000);
    // The same key press without waiting for the window to take it.
    void SendKeys(WORD vk, bool ctrl = false, bool alt = false) const;
    // The text of the process's message box, "" when none appears; answered with OK.
    std::string AnswerMessageBox(int timeoutMs = 10000);
    HWND FindDialog(const char* title, int timeoutMs = 10000);
    bool WaitExit(int timeoutMs = 10000);
    DWORD Pid() const { return m_pi.dwProcessId; }
    // Processes started by this one (new viewers), by command line.
    std::vector<DWORD> Children() const { return ChildrenOf(m_pi.dwProcessId); }
    static std::vector<DWORD> ChildrenOf(DWORD pid);
    static void KillChildrenOf(DWORD pid);
    void Sync() const;  // returns once the process has handled what was sent before

protected:
    // Starts "brindlex.exe args" without waiting for a window.
    bool Launch(const std::string& args, const char* workDir = nullptr);
    // Waits for the main window with that title prefix.
    bool WaitFrame(const char* titlePrefix);
    bool Gui(GUITHREADINFO* gti) const;
    PROCESS_INFORMATION m_pi = {};
    HWND m_frame = nullptr;
};

// blx*.tmp files in the temporary folder.
std::vector<std::string> TempCopies();
