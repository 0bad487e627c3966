// The viewer's file model: the temporary copy, sections, modes and recent files.
#pragma once

#include "viewer/ViewerState.h"
#include "viewer/ViewerWindow.h"

// Makes g_szTempCopy: a new empty file "blx*.tmp" in the user's temporary folder.
BOOL MakeTempCopyName();
BOOL OpenViewedFile(const char* path);
void CloseViewedFile();
void LoadSection();

void ViewFirstSection();
void ViewNextSection();
void ViewPreviousSection();
void ViewLastSection();
void SwitchToHex();
void SwitchToText();
// The user's choice of encoding for the file on show (automatic: the detected one); the
// section on show is shown again in it.
void ChooseEncoding(VIEWER_ENCODING encoding);

// The menu text of a recent entry: the whole path, or only its last component.
CString RecentDisplayText(const char* path);
void BuildRecentEntries();
void OpenRecentFile(int k);
