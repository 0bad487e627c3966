#include "viewer/ViewerState.h"

char g_szTempCopy[VIEWER_PATH_SIZE];
CFile g_viewedFile;
char g_szViewedPath[VIEWER_PATH_SIZE];
unsigned __int64 g_nFileLength = 0;
int g_bHexMode = 0;
unsigned g_nSectionSize = TEXT_SECTION_SIZE;
int g_nSection = 0;
unsigned g_nSectionLeft = 0;
int g_bFileLoaded = 0;
int g_bFullPathInRecent = 0;
VIEWER_ENCODING g_nDetectedEncoding = ENCODING_ANSI;
VIEWER_ENCODING g_nChosenEncoding = ENCODING_AUTOMATIC;

CRichEditCtrl g_richEdit;
RECT g_rcClient;
int g_bViewerMaximized = 0;
wchar_t g_szFindWhat[80];
