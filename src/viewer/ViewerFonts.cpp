#include "viewer/ViewerFonts.h"
#include "fw/WinApp.h"

CFont g_textFont;
CFont g_hexFont;

char g_szTextFontName[256];
char g_szHexFontName[256];
int g_nTextFontHeight = 8;
int g_nHexFontHeight = 12;
int g_nTextFontWeight = 400;
int g_nHexFontWeight = 400;
int g_bTextFontChanged = 0;
int g_bHexFontChanged = 0;

LOGFONTA MakeViewerLogFont(const char* face, int storedHeight, int weight)
{
    LOGFONTA lf = {};
    lf.lfHeight = -storedHeight;
    lf.lfWeight = weight;
    lstrcpynA(lf.lfFaceName, face ? face : "", LF_FACESIZE);
    return lf;
}

void CreateViewerFonts(int hexDefaultHeight)
{
    CWinApp* app = AfxGetApp();
    LOGFONTA hex = MakeViewerLogFont(app->GetProfileString("settings", "hfname", "Courier New"),
                                     (int)app->GetProfileInt("settings", "hfheight", hexDefaultHeight),
                                     (int)app->GetProfileInt("settings", "hfweight", 400));
    LOGFONTA text = MakeViewerLogFont(app->GetProfileString("settings", "tfname", "MS Sans Serif"),
                                      (int)app->GetProfileInt("settings", "tfheight", 8),
                                      (int)app->GetProfileInt("settings", "tfweight", 400));
    g_hexFont.Attach(::CreateFontIndirectA(&hex));
    g_textFont.Attach(::CreateFontIndirectA(&text));
}
