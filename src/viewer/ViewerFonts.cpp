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

int UsableFontHeight(int stored, int fallback, int screenDpi)
{
    int most = MulDiv(VIEWER_FONT_MAX_POINTS, screenDpi > 0 ? screenDpi : 96, 72);
    return stored != 0 && stored >= -most && stored <= most ? stored : fallback;
}

int UsableFontWeight(int stored) { return stored >= 1 && stored <= 1000 ? stored : FW_NORMAL; }

VIEWERFONTSETTING ReadViewerFontSetting(bool hex, int defaultHeight)
{
    CWinApp* app = AfxGetApp();
    HDC screen = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    VIEWERFONTSETTING font;
    font.face = app->GetProfileString("settings", hex ? "hfname" : "tfname", hex ? "Courier New" : "MS Sans Serif");
    font.height = UsableFontHeight((int)app->GetProfileInt("settings", hex ? "hfheight" : "tfheight", defaultHeight),
                                   defaultHeight, dpi);
    font.weight = UsableFontWeight((int)app->GetProfileInt("settings", hex ? "hfweight" : "tfweight", FW_NORMAL));
    return font;
}

void CreateViewerFonts(int hexDefaultHeight)
{
    VIEWERFONTSETTING h = ReadViewerFontSetting(true, hexDefaultHeight);
    VIEWERFONTSETTING t = ReadViewerFontSetting(false, 8);
    LOGFONTA hex = MakeViewerLogFont(h.face, h.height, h.weight);
    LOGFONTA text = MakeViewerLogFont(t.face, t.height, t.weight);
    g_hexFont.Attach(::CreateFontIndirectA(&hex));
    g_textFont.Attach(::CreateFontIndirectA(&text));
}
