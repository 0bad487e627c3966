// The viewer's process-wide state: one viewer per process.
#pragma once

#include "fw/afx.h"
#include "fw/File.h"
#include "fw/RichEditCtrl.h"

const unsigned TEXT_SECTION_SIZE = 0x300000;  // 3 MiB
const unsigned HEX_SECTION_SIZE = 0x80000;    // 512 KiB: six hex sections to a text section
const unsigned HEX_CHUNK_LIMIT = 768;         // bytes per stream call in hex mode (48 lines)
const int VIEWER_PATH_SIZE = MAX_PATH;  // every path the platform accepts

extern char g_szTempCopy[VIEWER_PATH_SIZE];
extern CFile g_viewedFile;
extern char g_szViewedPath[VIEWER_PATH_SIZE];
// 64-bit so that files of 4 GiB and more show completely.
extern unsigned __int64 g_nFileLength;
extern int g_bHexMode;
extern unsigned g_nSectionSize;
extern int g_nSection;
extern unsigned g_nSectionLeft;
extern int g_bFileLoaded;
extern int g_bFullPathInRecent;

// The viewer window's own.
extern CRichEditCtrl g_richEdit;  // the text control, child 1000 of the frame
extern RECT g_rcClient;           // the control's rectangle as last computed
extern int g_bViewerMaximized;    // setting "max" read at start-up
extern char g_szFindWhat[80];     // the find text, kept between openings of the find dialog
