// The viewer's process-wide state: one viewer per process.
#pragma once

#include "fw/afx.h"
#include "fw/File.h"
#include "fw/RichEditCtrl.h"
#include "viewer/TextEncoding.h"

const unsigned TEXT_SECTION_SIZE = 0x300000;  // 3 MiB
const unsigned HEX_SECTION_SIZE = 0x80000;    // 512 KiB: six hex sections to a text section
// Bytes per stream call in hex mode (24 lines): their UTF-16 text fits the 4096-byte buffer.
const unsigned HEX_CHUNK_LIMIT = 384;
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
// The encoding found when the file was opened, and the user's choice for it (automatic: that
// one); the choice holds until another file is opened.
extern VIEWER_ENCODING g_nDetectedEncoding;
extern VIEWER_ENCODING g_nChosenEncoding;
inline VIEWER_ENCODING EncodingInForce()
{
    return g_nChosenEncoding != ENCODING_AUTOMATIC ? g_nChosenEncoding : g_nDetectedEncoding;
}

// The viewer window's own.
extern CRichEditCtrl g_richEdit;  // the text control, child 1000 of the frame
extern RECT g_rcClient;           // the control's rectangle as last computed
extern int g_bViewerMaximized;    // setting "max" read at start-up
extern wchar_t g_szFindWhat[80];  // the find text, kept between openings of the find dialog
