#include "fw/ChooseFile.h"
#include "fw/WinApp.h"
#include "fw/Wnd.h"
#include <commdlg.h>

char g_szChosenFile[260];

CString AfxPromptOpenFile(const char* title, const char* filter, const char* defaultExt, const char* initial)
{
    char file[260] = "";
    if (initial) lstrcpynA(file, initial, sizeof file);
    char fileTitle[128] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    CWnd* main = AfxGetMainWnd();
    ofn.hwndOwner = main ? main->m_hWnd : nullptr;
    ofn.lpstrTitle = title;
    ofn.lpstrFilter = filter;
    ofn.nFilterIndex = 1;
    ofn.lpstrDefExt = defaultExt;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrFileTitle = fileTitle;
    ofn.nMaxFileTitle = sizeof fileTitle;
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!::GetOpenFileNameA(&ofn)) return CString();
    return CString(file);
}

BOOL ChooseFile(const char* title, int programs)
{
    // Each pattern begins with a blank, as the filter strings always have.
    static const char kAll[] = "All Files (*.*)\0 *.*\0";
    static const char kPrograms[] = "Programs (*.exe)\0 *.exe\0 All Files(*.*)\0 *.*\0";
    g_szChosenFile[sizeof g_szChosenFile - 1] = '\0';
    CString chosen = AfxPromptOpenFile(title, programs ? kPrograms : kAll, programs ? "exe" : "txt", g_szChosenFile);
    if (chosen.IsEmpty()) return FALSE;
    lstrcpynA(g_szChosenFile, chosen, sizeof g_szChosenFile);
    return TRUE;
}
