#include "app/BrindlexApp.h"
#include "res/resource.h"
#include "app/AppGlobals.h"
#include "explorer/ShellIcons.h"
#include "app/AboutDlg.h"
#include "app/OptionsDlg.h"
#include "viewer/BrindlexDlg.h"
#include "fw/DocTemplate.h"
#include "fw/RegKey.h"
#include <htmlhelp.h>
#include <ole2.h>
#include <shellapi.h>

// The viewer's one-shot start-up timer: the window does the rest of its start-up when it fires.
static const UINT kViewerStartDelayMs = 100;

BEGIN_MESSAGE_MAP(CBrindlexApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_COMMAND(ID_HELP_CONTENTS, OnHelpContents)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_OPTIONS, OnOptions)  // both modes: the viewer window and the explorer frame
END_MESSAGE_MAP()

BOOL CBrindlexApp::InitInstance()
{
    EnableHtmlHelp();
    SetRegistryKey("Quenbridge");
    WriteCompatibilityEntry(*this);
    if (*m_lpCmdLine) return InitViewer();
    return InitExplorer();
}

void WriteCompatibilityEntry(CWinApp& app)
{
    static const char kLayer[] = "DISABLECICERO";
    if (!g_bIsNT || app.GetProfileInt("settings", "compat", 0) != 0) return;
    app.WriteProfileInt("settings", "compat", 1);
    if (LOBYTE(LOWORD(::GetVersion())) < 5) return;  // the major version: before Windows 2000
    char exe[256];
    DWORD n = ::GetModuleFileNameA(nullptr, exe, sizeof exe);
    if (n == 0 || n >= sizeof exe) return;
    CRegKey key;
    if (key.Create(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers",
                   KEY_ALL_ACCESS) == ERROR_SUCCESS)
        ::RegSetValueExA(key, exe, 0, REG_SZ, (const BYTE*)kLayer, sizeof kLayer);
}

BOOL CBrindlexApp::InitViewer()
{
    CBrindlexDlg* dlg = new CBrindlexDlg;
    if (!dlg->LoadFrame(IDR_VIEWER, WS_OVERLAPPEDWINDOW, nullptr, AfxGetAppName())) {
        delete dlg;
        return FALSE;
    }
    m_pMainWnd = dlg;
    ::DragAcceptFiles(dlg->m_hWnd, TRUE);
    if (!::SetTimer(dlg->m_hWnd, VIEWER_START_TIMER, kViewerStartDelayMs, nullptr)) {
        ::MessageBoxA(nullptr, "Can't get system timer; can't run!", AfxGetAppName(), MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    return TRUE;
}

BOOL CBrindlexApp::InitExplorer()
{
    g_bExplorerMaximized = (int)GetProfileInt("settings", "emax", 0);
    ::OleInitialize(nullptr);
    AttachSystemImageList();
    if (!CreateExplorerFrame(this)) return FALSE;
    m_pMainWnd->ShowWindow(g_bExplorerMaximized == 1 ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

void CBrindlexApp::OnAppExit()
{
    // Exit closes the main window, which runs its close handler.
    if (m_pMainWnd && m_pMainWnd->m_hWnd) m_pMainWnd->SendMessage(WM_CLOSE);
}

void CBrindlexApp::OnAppAbout()
{
    CAboutDlg dlg;
    dlg.DoModal();
}

BOOL MakeHelpPath(const char* modulePath, char* out, size_t cbOut)
{
    const char* dot = strrchr(modulePath, '.');
    if (!dot) return FALSE;
    size_t stem = (size_t)(dot - modulePath) + 1;
    if (stem + 4 > cbOut) return FALSE;
    memcpy(out, modulePath, stem);
    memcpy(out + stem, "chm", 4);
    return TRUE;
}

void CBrindlexApp::OnHelpContents()
{
    char path[300];
    DWORD n = ::GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path) return;
    char help[300];
    if (!MakeHelpPath(path, help, sizeof help)) return;
    m_strHelpFilePath = help;
    OpenHtmlHelp(0, HH_DISPLAY_TOPIC);
}

// The framework's standard New and Open over the explorer's document template; the
// viewer has no template, so there they do nothing.
void CBrindlexApp::OnFileNew() { AfxDocFileNew(); }
void CBrindlexApp::OnFileOpen() { AfxDocFileOpen(); }

void CBrindlexApp::OnOptions() { RunOptionsDialog(); }
