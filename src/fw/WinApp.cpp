#include "fw/afx.h"
#include "fw/WinApp.h"
#include "fw/Wnd.h"
#include "fw/RegKey.h"
#include <htmlhelp.h>
#include <vector>
#include <algorithm>

static CWinApp* g_pApp = nullptr;
static std::vector<HWND> g_modeless;

CWinApp::CWinApp(const char* appName)
{
    g_pApp = this;
    m_hInstance = ::GetModuleHandleA(nullptr);
    if (appName)
        m_strAppName = appName;
    else
        m_strAppName.LoadString(57344);  // AFX_IDS_APP_TITLE
    m_lpCmdLine = AfxCommandLineTail(::GetCommandLineA());
}

CWinApp::~CWinApp()
{
    if (g_pApp == this) g_pApp = nullptr;
}

CWinApp* AfxGetApp() { return g_pApp; }
CWnd* AfxGetMainWnd() { return g_pApp ? g_pApp->m_pMainWnd : nullptr; }
const char* AfxGetAppName() { return g_pApp ? g_pApp->m_strAppName.c_str() : ""; }

int AfxMessageBox(const char* text, UINT type)
{
    CWnd* main = AfxGetMainWnd();
    HWND owner = main && main->m_hWnd ? main->m_hWnd : ::GetActiveWindow();
    return ::MessageBoxA(owner, text, AfxGetAppName(), type);
}

template <class Ch>
static const Ch* CommandLineTail(const Ch* p)
{
    if (!p) return nullptr;
    if (*p == '"') {
        for (p++; *p && *p != '"'; p++) {}
        if (*p == '"') p++;
    } else {
        while (*p && *p != ' ' && *p != '\t') p++;
    }
    while (*p == ' ' || *p == '\t') p++;
    return p;
}

const char* AfxCommandLineTail(const char* p) { return p ? CommandLineTail(p) : ""; }
const wchar_t* AfxCommandLineTail(const wchar_t* p) { return p ? CommandLineTail(p) : L""; }

void AfxAddModeless(HWND hDlg) { g_modeless.push_back(hDlg); }
void AfxRemoveModeless(HWND hDlg)
{
    g_modeless.erase(std::remove(g_modeless.begin(), g_modeless.end(), hDlg), g_modeless.end());
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    for (HWND h : g_modeless)
        if (::IsWindow(h) && ::IsDialogMessageA(h, pMsg)) return TRUE;
    // The window under the message and its parents get a look first (accelerators live on frames).
    for (HWND h = pMsg->hwnd; h; h = ::GetParent(h)) {
        CWnd* w = CWnd::FromHandlePermanent(h);
        if (w && w->PreTranslateMessage(pMsg)) return TRUE;
    }
    if (m_pMainWnd && m_pMainWnd->m_hWnd && !pMsg->hwnd) return m_pMainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (PreTranslateMessage(&msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    ExitInstance();
    return (int)msg.wParam;
}

int AfxWinMain(HINSTANCE, int nCmdShow)
{
    CWinApp* app = AfxGetApp();
    if (!app) return 1;
    app->m_nCmdShow = nCmdShow;
    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
}

void CWinApp::SetRegistryKey(const char* company) { m_strRegistryKey = company; }

CString CWinApp::GetAppKeyPath() const
{
    return CString("Software\\") + m_strRegistryKey + "\\" + m_strAppName;
}

static CRegKey OpenSection(const CWinApp* app, const char* section, bool create)
{
    CString path = app->GetAppKeyPath() + "\\" + section;
    CRegKey key;
    if (create)
        key.Create(HKEY_CURRENT_USER, path, KEY_WRITE | KEY_READ);
    else
        key.Open(HKEY_CURRENT_USER, path, KEY_READ);
    return key;
}

UINT CWinApp::GetProfileInt(const char* section, const char* entry, int nDefault)
{
    CRegKey key(OpenSection(this, section, false));
    if (!key.IsValid()) return (UINT)nDefault;
    DWORD type = 0, value = 0, size = sizeof value;
    if (::RegQueryValueExA(key, entry, nullptr, &type, (BYTE*)&value, &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return (UINT)nDefault;
    return value;
}

BOOL CWinApp::WriteProfileInt(const char* section, const char* entry, int value)
{
    CRegKey key(OpenSection(this, section, true));
    if (!key.IsValid()) return FALSE;
    DWORD v = (DWORD)value;
    return ::RegSetValueExA(key, entry, 0, REG_DWORD, (const BYTE*)&v, sizeof v) == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(const char* section, const char* entry, const char* def)
{
    CString fallback(def);
    CRegKey key(OpenSection(this, section, false));
    if (!key.IsValid()) return fallback;
    DWORD type = 0, size = 0;
    if (::RegQueryValueExA(key, entry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return fallback;
    CString s;
    char* buf = s.GetBuffer((int)size + 1);
    DWORD got = size;
    if (::RegQueryValueExA(key, entry, nullptr, &type, (BYTE*)buf, &got) != ERROR_SUCCESS) return fallback;
    buf[got < size + 1 ? got : size] = '\0';
    s.ReleaseBuffer();
    return s;
}

BOOL CWinApp::WriteProfileString(const char* section, const char* entry, const char* value)
{
    CRegKey key(OpenSection(this, section, true));
    if (!key.IsValid()) return FALSE;
    if (!value) value = "";
    return ::RegSetValueExA(key, entry, 0, REG_SZ, (const BYTE*)value, (DWORD)strlen(value) + 1) == ERROR_SUCCESS;
}

void CWinApp::OpenHtmlHelp(DWORD_PTR data, UINT cmd)
{
    CWnd* main = AfxGetMainWnd();
    ::HtmlHelpA(main ? main->m_hWnd : nullptr, m_strHelpFilePath, cmd, data);
}
