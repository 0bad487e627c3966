// The viewer's two fonts, from the settings store, and the choices of the options dialog for them.
#pragma once

#include "fw/afx.h"
#include "fw/Handle.h"

extern CFont g_textFont;
extern CFont g_hexFont;

// The fonts being chosen in the options dialog, loaded from the settings when it opens;
// a font whose flag is 1 is stored and made when the dialog ends with OK.
extern char g_szTextFontName[256];
extern char g_szHexFontName[256];
extern int g_nTextFontHeight;
extern int g_nHexFontHeight;
extern int g_nTextFontWeight;
extern int g_nHexFontWeight;
extern int g_bTextFontChanged;
extern int g_bHexFontChanged;

// The sizes the options dialog's font dialog takes, in points. Stored values come from it, or
// from an outside edit: a height or weight it could not have given is not used.
const int VIEWER_FONT_MIN_POINTS = 1;
const int VIEWER_FONT_MAX_POINTS = 72;

// A stored height (either sign: cell or character height) of at most the largest size at
// screenDpi, else fallback.
int UsableFontHeight(int stored, int fallback, int screenDpi);
// A stored weight from 1 to 1000 (FW_THIN .. beyond FW_HEAVY), else FW_NORMAL.
int UsableFontWeight(int stored);

// A font's three settings as the viewer and the options dialog read them.
struct VIEWERFONTSETTING {
    CString face;
    int height;
    int weight;
};
VIEWERFONTSETTING ReadViewerFontSetting(bool hex, int defaultHeight);

// The LOGFONT the viewer asks for: height -stored (a stored positive height asks for
// the character height), the face cut to 31 characters, every other field zero.
LOGFONTA MakeViewerLogFont(const char* face, int storedHeight, int weight);
// (Re)creates g_textFont and g_hexFont; the hex height defaults to hexDefaultHeight.
void CreateViewerFonts(int hexDefaultHeight = 10);
