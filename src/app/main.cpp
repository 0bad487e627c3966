#include "app/BrindlexApp.h"

// The one application object, constructed by static initialisation.
CBrindlexApp theApp;

int WINAPI WinMain(HINSTANCE hInst, HINSTANCE, LPSTR, int nCmdShow)
{
    return AfxWinMain(hInst, nCmdShow);
}
