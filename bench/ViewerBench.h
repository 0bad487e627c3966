// What the viewer benchmarks share: a clock, the application object, and the real viewer
// window with a stopwatch around each request the file model makes of it.
#pragma once

#include "BenchClock.h"
#include "fw/afx.h"
#include "fw/WinApp.h"
#include "viewer/BrindlexDlg.h"
#include "viewer/FileModel.h"
#include <shlwapi.h>
#include <stdio.h>

// Handles whatever is queued (paints, the start-up clicks) without waiting.
inline void BenchPump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// The application object the viewer reads its settings through, with fresh settings:
// text mode, the default fonts and the default window rectangle.
inline CWinApp& BenchApp()
{
    static CWinApp* app = [] {
        CWinApp* a = new CWinApp("Brindlex");
        a->SetRegistryKey("Quenbridge");
        ::SHDeleteKeyA(HKEY_CURRENT_USER, a->GetAppKeyPath());
        return a;
    }();
    return *app;
}

// The viewer's own window; each request of the model is timed (seconds of the last call).
class CTimedViewer : public CBrindlexDlg {
public:
    double m_copy = 0, m_stream = 0, m_recreate = 0;
    double m_font = 0;  // the last font selection outside StreamSection: on the control as it was
    int m_copied = 0;

    int CopyForViewing(const char* source, const char* target) override
    {
        double t = BenchNow();
        m_copied = CBrindlexDlg::CopyForViewing(source, target);
        m_copy = BenchNow() - t;
        return m_copied;
    }
    void StreamSection() override
    {
        double t = BenchNow();
        m_inStream = true;
        // The whole section, as a command that needs all of it gets it.
        CBrindlexDlg::StreamSection();
        FinishSectionLoad();
        m_inStream = false;
        m_stream = BenchNow() - t;
    }
    void SelectModeFont() override
    {
        double t = BenchNow();
        CBrindlexDlg::SelectModeFont();
        if (!m_inStream) m_font = BenchNow() - t;
    }
    void RecreateControl() override
    {
        double t = BenchNow();
        CBrindlexDlg::RecreateControl();
        m_recreate = BenchNow() - t;
    }
    // A benchmark has nobody to click OK.
    void ShowMessage(const char* text) override { fprintf(stderr, "viewer says: %s\n", text); }

private:
    bool m_inStream = false;
};

// Creates the window as the program does and runs its deferred start-up without a file.
inline CTimedViewer* StartTimedViewer()
{
    CWinApp& app = BenchApp();
    CTimedViewer* dlg = new CTimedViewer;
    if (!dlg->LoadFrame(130, WS_OVERLAPPEDWINDOW, nullptr, "Brindlex")) {
        fprintf(stderr, "cannot create the viewer window\n");
        delete dlg;
        return nullptr;
    }
    app.m_pMainWnd = dlg;
    dlg->StartUp("");
    BenchPump();
    return dlg;
}

// Closes the window the way the user does, which deletes the temporary copy.
inline void CloseTimedViewer(CTimedViewer* dlg)
{
    if (dlg->m_hWnd) dlg->SendMessage(WM_CLOSE);
    BenchApp().m_pMainWnd = nullptr;
    delete dlg;
    BenchPump();
}

// Paints what is pending in the control now; returns the seconds it took.
inline double PaintControl()
{
    double t = BenchNow();
    if (g_richEdit) ::UpdateWindow(g_richEdit);
    BenchPump();
    return BenchNow() - t;
}
