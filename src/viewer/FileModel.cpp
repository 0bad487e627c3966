#include "viewer/FileModel.h"
#include "viewer/FileCopy.h"
#include "viewer/PathName.h"
#include "fw/PathParts.h"
#include "fw/WinApp.h"
#include "res/resource.h"
#include <vector>

static IViewerWindow* g_pViewerWindow = nullptr;

void SetViewerWindow(IViewerWindow* wnd) { g_pViewerWindow = wnd; }
IViewerWindow* GetViewerWindow() { return g_pViewerWindow; }

int IViewerWindow::CopyForViewing(const char* source, const char* target)
{
    return CopyFileContent(source, target, nullptr) == FILECOPY_DONE ? 1 : 0;
}

namespace {

// The model runs without a window in tests: requests to a missing window are dropped.
class CNoWindow : public IViewerWindow {
public:
    void RecreateControl() override {}
    void SetTitle(const char*) override {}
    void SetSectionMenuTitle(const char*) override {}
    void SelectModeFont() override {}
    void StreamSection() override {}
    void SetFileMenuItem(int, UINT, const char*) override {}
    void RedrawMenuBar() override {}
    void CaretHomeAndFocus() override {}
    void BringToForeground() override {}
    void ShowMessage(const char*) override {}
};

IViewerWindow& Wnd()
{
    static CNoWindow none;
    return g_pViewerWindow ? *g_pViewerWindow : none;
}

CString MruKey(int k)
{
    CString key;
    key.Format("mru%d", k);
    return key;
}

unsigned __int64 SectionStart(int section, unsigned size) { return (unsigned __int64)(unsigned)section * size; }

void PushRecent(const CString& previous, const char* newPath)
{
    CWinApp* app = AfxGetApp();
    CString carried = previous;
    for (int k = 1; k <= 8; k++) {
        CString old = app->GetProfileString("mru", MruKey(k), "");
        app->WriteProfileString("mru", MruKey(k), carried);
        Wnd().SetFileMenuItem(6 + k, ID_RECENT_FILE_FIRST + k - 1, RecentDisplayText(carried));
        carried = old;
        if (old.IsEmpty() || old.CompareNoCase(newPath) == 0) break;
    }
}

// The encoding of the open copy, from its first bytes.
VIEWER_ENCODING DetectFileEncoding()
{
    std::vector<BYTE> sample(ENCODING_SAMPLE_SIZE);
    g_viewedFile.Seek(0);
    unsigned got = g_viewedFile.Read(sample.data(), ENCODING_SAMPLE_SIZE);
    return DetectEncoding(sample.data(), got);
}

}  // namespace

BOOL MakeTempCopyName()
{
    char dir[VIEWER_PATH_SIZE];
    DWORD n = ::GetTempPathA(sizeof dir, dir);
    if (n == 0 || n >= sizeof dir) return FALSE;
    // GetTempFileNameA writes at most MAX_PATH characters; the folder leaves room for the name.
    if (strlen(dir) + 14 >= sizeof g_szTempCopy) return FALSE;
    if (!::GetTempFileNameA(dir, "blx", 0, g_szTempCopy)) {
        g_szTempCopy[0] = '\0';
        return FALSE;
    }
    ::SetFileAttributesA(g_szTempCopy, FILE_ATTRIBUTE_TEMPORARY);
    return TRUE;
}

BOOL OpenViewedFile(const char* path)
{
    CloseViewedFile();
    if (!path) path = "";
    // Paths that do not fit the viewer's buffers are refused like any file that cannot be opened,
    // and so are patterns: "??.txt" must never open whatever file happens to match.
    bool usable = strlen(path) < VIEWER_PATH_SIZE && !HasWildcard(path);
    int copied = usable && g_szTempCopy[0] ? Wnd().CopyForViewing(path, g_szTempCopy) : 0;
    if (copied <= 0 || !g_viewedFile.Open(g_szTempCopy)) {
        // Nothing is loaded: nothing of the file before stays on show either.
        Wnd().RecreateControl();
        Wnd().SetTitle(AfxGetAppName());
        Wnd().CaretHomeAndFocus();  // the old control had the keys
        // Cancelled by the user: nothing to report. The temporary copy's name stays: the next
        // open copies onto it and closing deletes it.
        if (copied >= 0) Wnd().ShowMessage("Can't open file!");
        return FALSE;
    }
    g_nFileLength = g_viewedFile.GetLength();
    ::SetFileAttributesA(g_szTempCopy, FILE_ATTRIBUTE_TEMPORARY);
    g_nDetectedEncoding = DetectFileEncoding();
    g_nChosenEncoding = ENCODING_AUTOMATIC;

    Wnd().RecreateControl();
    g_bFileLoaded = 1;
    g_nSection = 0;
    lstrcpynA(g_szViewedPath, path, sizeof g_szViewedPath);

    Wnd().SetTitle(CString("Brindlex - ") + NameOfPath(path));
    LoadSection();

    CWinApp* app = AfxGetApp();
    CString previous = app->GetProfileString("settings", "file", "");
    if (previous.CompareNoCase(path) == 0) return TRUE;
    app->WriteProfileString("settings", "file", path);
    if (!previous.IsEmpty()) PushRecent(previous, path);
    Wnd().RedrawMenuBar();
    Wnd().CaretHomeAndFocus();
    return TRUE;
}

void CloseViewedFile()
{
    Wnd().StopSectionLoad();
    g_viewedFile.Close();
    g_bFileLoaded = 0;
    Wnd().SetSectionMenuTitle("&Section");
}

void LoadSection()
{
    g_viewedFile.Seek(SectionStart(g_nSection, g_nSectionSize));
    g_nSectionLeft = g_nSectionSize;
    Wnd().SelectModeFont();
    Wnd().StreamSection();
    if (g_nFileLength > g_nSectionSize) {
        CString title;
        title.Format("&Section %d", g_nSection + 1);
        Wnd().SetSectionMenuTitle(title);
    }
}

void ViewFirstSection()
{
    if (!g_bFileLoaded || g_nSection == 0) return;
    g_nSection = 0;
    LoadSection();
}

void ViewNextSection()
{
    if (!g_bFileLoaded) return;
    if (SectionStart(g_nSection + 1, g_nSectionSize) < g_nFileLength) {
        g_nSection++;
        LoadSection();
    }
}

void ViewPreviousSection()
{
    if (!g_bFileLoaded || g_nSection == 0) return;
    g_nSection--;
    LoadSection();
}

void ViewLastSection()
{
    if (!g_bFileLoaded) return;
    unsigned __int64 d = SectionStart(g_nSection + 1, g_nSectionSize);
    if (d >= g_nFileLength) return;
    // The section that holds the file's last byte.
    g_nSection = (int)((g_nFileLength - 1) / g_nSectionSize);
    LoadSection();
}

void SwitchToHex()
{
    if (g_bHexMode == 1) return;
    AfxGetApp()->WriteProfileInt("settings", "hex", 1);
    g_bHexMode = 1;
    g_nSectionSize = HEX_SECTION_SIZE;
    if (!g_bFileLoaded) return;
    Wnd().RecreateControl();
    if (g_nSection > 0) g_nSection *= 6;
    LoadSection();
}

void SwitchToText()
{
    if (g_bHexMode != 1) return;
    AfxGetApp()->WriteProfileInt("settings", "hex", 0);
    g_bHexMode = 0;
    g_nSectionSize = TEXT_SECTION_SIZE;
    if (!g_bFileLoaded) return;
    Wnd().RecreateControl();
    if (g_nSection > 0) g_nSection /= 6;
    LoadSection();
}

void ChooseEncoding(VIEWER_ENCODING encoding)
{
    if (encoding < ENCODING_AUTOMATIC || encoding >= ENCODING_COUNT) return;
    VIEWER_ENCODING before = EncodingInForce();
    g_nChosenEncoding = encoding;
    // Hex lines do not depend on it; the text on show does.
    if (g_bFileLoaded && !g_bHexMode && EncodingInForce() != before) LoadSection();
}

CString RecentDisplayText(const char* path)
{
    if (g_bFullPathInRecent == 1) return CString(path);
    return CString(NameOfPath(path));
}

void BuildRecentEntries()
{
    CWinApp* app = AfxGetApp();
    for (int k = 1; k <= 8; k++) {
        CString entry = app->GetProfileString("mru", MruKey(k), "");
        if (entry.IsEmpty()) break;
        Wnd().SetFileMenuItem(6 + k, ID_RECENT_FILE_FIRST + k - 1, RecentDisplayText(entry));
    }
}

void OpenRecentFile(int k)
{
    CString entry = AfxGetApp()->GetProfileString("mru", MruKey(k), "");
    if (!entry.IsEmpty()) OpenViewedFile(entry);
    Wnd().BringToForeground();
}
