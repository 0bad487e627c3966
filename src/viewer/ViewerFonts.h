// The viewer's two fonts, from the settings store.
#pragma once

#include "fw/afx.h"
#include "fw/Handle.h"

extern CFont g_textFont;
extern CFont g_hexFont;

// The LOGFONT the viewer asks for: height -stored (a stored positive height asks for
// the character height), the face cut to 31 characters, every other field zero.
LOGFONTA MakeViewerLogFont(const char* face, int storedHeight, int weight);
// (Re)creates g_textFont and g_hexFont; the hex height defaults to hexDefaultHeight.
void CreateViewerFonts(int hexDefaultHeight = 10);
