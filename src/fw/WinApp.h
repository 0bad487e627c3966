// CWinApp: the application object, its command line, message loop and profile store.
#pragma once

#include "fw/CmdTarget.h"
#include "fw/String.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
    virtual int Run();
    // Offers a message to the main window chain (accelerators, dialog keys). TRUE when consumed.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Profile store under HKEY_CURRENT_USER\Software\<key>\<app name>\<section>.
    void SetRegistryKey(const char* company);
    UINT GetProfileInt(const char* section, const char* entry, int nDefault);
    BOOL WriteProfileInt(const char* section, const char* entry, int value);
    CString GetProfileString(const char* section, const char* entry, const char* def = nullptr);
    BOOL WriteProfileString(const char* section, const char* entry, const char* value);
    CString GetAppKeyPath() const;  // Software\<key>\<app name>

    // Help through HTML Help, at m_strHelpFilePath.
    void EnableHtmlHelp() { m_bHtmlHelp = TRUE; }
    void OpenHtmlHelp(DWORD_PTR data, UINT cmd);

    CString m_strAppName;
    CString m_strRegistryKey;
    CString m_strHelpFilePath;
    const char* m_lpCmdLine = "";  // the command line after the program name and its blanks
    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;

private:
    BOOL m_bHtmlHelp = FALSE;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
const char* AfxGetAppName();
int AfxMessageBox(const char* text, UINT type = MB_OK);
// The command line's tail after the program name, as the startup code gives it to WinMain.
const char* AfxCommandLineTail(const char* full);
const wchar_t* AfxCommandLineTail(const wchar_t* full);
int AfxWinMain(HINSTANCE hInst, int nCmdShow);
// Modeless dialogs get their keyboard messages through IsDialogMessage in the loop.
void AfxAddModeless(HWND hDlg);
void AfxRemoveModeless(HWND hDlg);
