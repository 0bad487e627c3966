// The application object: chooses viewer or explorer from the command line.
#pragma once

#include "fw/afx.h"
#include "fw/WinApp.h"

class CBrindlexApp : public CWinApp {
public:
    CBrindlexApp() : CWinApp(nullptr) {}
    BOOL InitInstance() override;

    BOOL InitViewer();
    BOOL InitExplorer();

    void OnAppAbout();
    void OnAppExit();
    void OnHelpContents();
    void OnFileNew();
    void OnFileOpen();
    void OnOptions();

    DECLARE_MESSAGE_MAP()
};

// The help file beside the program: everything after the path's last dot becomes "chm".
// Returns FALSE (and leaves out unchanged) when the path has no dot.
BOOL MakeHelpPath(const char* modulePath, char* out, size_t cbOut);

// The one-time application-compatibility entry, for the running executable.
void WriteCompatibilityEntry(CWinApp& app);

// Made by the explorer frame's module; FALSE when the explorer could not start.
BOOL CreateExplorerFrame(CWinApp* app);
