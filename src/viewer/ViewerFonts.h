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

// The LOGFONT the viewer asks for: height -stored (a stored positive height asks for
// the character height), the face cut to 31 characters, every other field zero.
LOGFONTA MakeViewerLogFont(const char* face, int storedHeight, int weight);
// (Re)creates g_textFont and g_hexFont; the hex height defaults to hexDefaultHeight.
void CreateViewerFonts(int hexDefaultHeight = 10);
