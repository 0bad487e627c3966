#include "app/ChooseFile.h"
#include "fw/WinApp.h"
#include "fw/Wnd.h"
#include <commdlg.h>

char g_szChosenFile[260];

BOOL ChooseFile(const char* title, int programs)
{
    // Each pattern begins with a blank, as the filter strings always have.
    static const char kAll[] = "All Files (*.*)\0 *.*\0";
    static const char kPrograms[] = "Programs (*.exe)\0 *.exe\0 All Files(*.*)\0 *.*\0";
    char fileTitle[128] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    CWnd* main = AfxGetMainWnd();
    ofn.hwndOwner = main ? main->m_hWnd : nullptr;
    ofn.lpstrTitle = title;
    ofn.lpstrFilter = programs ? kPrograms : kAll;
    ofn.nFilterIndex = 1;
    ofn.lpstrDefExt = programs ? "exe" : "txt";
    g_szChosenFile[sizeof g_szChosenFile - 1] = '\0';
    ofn.lpstrFile = g_szChosenFile;
    ofn.nMaxFile = sizeof g_szChosenFile;
    ofn.lpstrFileTitle = fileTitle;
    ofn.nMaxFileTitle = sizeof fileTitle;
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    return ::GetOpenFileNameA(&ofn);
}
