// The real viewer window in this process: start-up from settings, menus, sections, close.
#include "support/Wait.h"
#include "support/TestSupport.h"
#include "viewer/BrindlexDlg.h"
#include "viewer/FileModel.h"
#include "viewer/ViewerFonts.h"
#include "viewer/Placement.h"
#include "res/resource.h"
#include <string>
#include <shlobj.h>

namespace {

class ViewerWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        dlg = new CBrindlexDlg;
        ASSERT_TRUE(dlg->LoadFrame(IDR_VIEWER, WS_OVERLAPPEDWINDOW, nullptr, "Brindlex"));
        TestApp().m_pMainWnd = dlg;
    }
    void TearDown() override
    {
        if (dlg->m_hWnd) dlg->SendMessage(WM_CLOSE);
        TestApp().m_pMainWnd = nullptr;
        delete dlg;
        PumpMessages();
    }
    std::string ControlText()
    {
        int n = ::GetWindowTextLengthA(g_richEdit);
        std::string s((size_t)n + 1, '\0');
        ::GetWindowTextA(g_richEdit, &s[0], n + 1);
        s.resize(strlen(s.c_str()));
        return s;
    }
    std::string MenuText(HMENU menu, UINT pos)
    {
        char buf[256] = "";
        ::GetMenuStringA(menu, pos, buf, sizeof buf, MF_BYPOSITION);
        return buf;
    }
    UINT CheckState(UINT id)
    {
        HMENU view = ::GetSubMenu(dlg->GetMenu(), 2);
        dlg->SendMessage(WM_INITMENUPOPUP, (WPARAM)view, 2);
        return ::GetMenuState(view, id, MF_BYCOMMAND) & MF_CHECKED;
    }
    CBrindlexDlg* dlg = nullptr;
    CTempDir dir;
};

TEST_F(ViewerWindowTest, FreshUserStartsWithTheDefaults)
{
    dlg->StartUp("");
    RECT rc;
    dlg->GetWindowRect(&rc);
    EXPECT_EQ(rc.left, 60);
    EXPECT_EQ(rc.top, 60);
    EXPECT_EQ(rc.right - rc.left, 520);
    EXPECT_EQ(rc.bottom - rc.top, 360);
    EXPECT_TRUE(::IsWindowVisible(dlg->m_hWnd));
    EXPECT_EQ(g_bHexMode, 0);
    EXPECT_EQ(g_nSectionSize, TEXT_SECTION_SIZE);
    LOGFONTA hex = {}, text = {};
    ::GetObjectA(g_hexFont, sizeof hex, &hex);
    ::GetObjectA(g_textFont, sizeof text, &text);
    EXPECT_STREQ(hex.lfFaceName, "Courier New");
    EXPECT_EQ(hex.lfHeight, -10);
    EXPECT_EQ(hex.lfWeight, 400);
    EXPECT_STREQ(text.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(text.lfHeight, -8);
    EXPECT_EQ(::GetMenuItemCount(::GetSubMenu(dlg->GetMenu(), 0)), 7);  // no recent files
    ASSERT_NE(g_richEdit, nullptr);
    EXPECT_EQ(::GetDlgCtrlID(g_richEdit), IDC_VIEWER_TEXT);
    EXPECT_EQ((DWORD)::GetWindowLongA(g_richEdit, GWL_STYLE) & 0xFFFF, VIEWER_TEXT_STYLE & 0xFFFF);  // the edit styles
    EXPECT_TRUE(CheckState(ID_VIEWER_TEXT));
    EXPECT_FALSE(CheckState(ID_VIEWER_HEX));
    EXPECT_TRUE(::GetFileAttributesA(g_szTempCopy) != INVALID_FILE_ATTRIBUTES);
}

TEST_F(ViewerWindowTest, StoredSettingsPlaceTheWindowAndPickTheMode)
{
    CWinApp& app = TestApp();
    app.WriteProfileInt("settings", "left", 10);
    app.WriteProfileInt("settings", "top", 20);
    app.WriteProfileInt("settings", "width", 300);
    app.WriteProfileInt("settings", "height", 200);
    app.WriteProfileInt("settings", "hex", 1);
    app.WriteProfileInt("settings", "hfheight", 14);
    app.WriteProfileString("mru", "mru1", "C:\\some\\one.txt");
    ASSERT_TRUE(WriteFileBytes(dir.File("ReadMe.TXT"), "ab\n"));
    CString asked = dir.File("readme.txt");
    dlg->StartUp(asked);
    RECT rc;
    dlg->GetWindowRect(&rc);
    EXPECT_EQ(rc.left, 10);
    EXPECT_EQ(rc.right - rc.left, 300);
    EXPECT_EQ(g_bHexMode, 1);
    LOGFONTA hex = {};
    ::GetObjectA(g_hexFont, sizeof hex, &hex);
    EXPECT_EQ(hex.lfHeight, -14);
    // The title shows the name as stored; the recent entry follows the fixed items.
    EXPECT_EQ(std::string(dlg->GetWindowText()), "Brindlex - ReadMe.TXT");
    HMENU file = ::GetSubMenu(dlg->GetMenu(), 0);
    EXPECT_EQ(MenuText(file, 7), "one.txt");
    EXPECT_EQ(::GetMenuItemID(file, 7), (UINT)ID_RECENT_FILE_FIRST);
    EXPECT_EQ(ControlText().substr(0, 17), "000000  61 62 0A ");
    EXPECT_TRUE(CheckState(ID_VIEWER_HEX));
    EXPECT_EQ((DWORD)::GetWindowLongA(g_richEdit, GWL_STYLE) & 0xFFFF, VIEWER_HEX_STYLE & 0xFFFF);
}

TEST_F(ViewerWindowTest, SectionMenuTitleFollowsTheSectionOnShow)
{
    ASSERT_TRUE(WritePatternFile(dir.File("big.txt"), TEXT_SECTION_SIZE + 1));
    dlg->StartUp(dir.File("big.txt"));
    HMENU bar = dlg->GetMenu();
    EXPECT_EQ(MenuText(bar, 4), "&Section 1");
    EXPECT_EQ(ControlText().substr(0, 12), "abcdefghij\r\n");
    HWND first = g_richEdit;
    dlg->SendMessage(WM_COMMAND, ID_VIEWER_NEXT);  // a fresh control holds the one byte
    EXPECT_EQ(MenuText(bar, 4), "&Section 2");
    EXPECT_EQ(ControlText(), "a");
    EXPECT_EQ(::GetDlgItem(dlg->m_hWnd, IDC_VIEWER_TEXT), g_richEdit);
    EXPECT_FALSE(::IsWindow(first));
}

TEST_F(ViewerWindowTest, TextAndHexSwitchTheControlAndTheCheckMarks)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("small.txt"), "ab\n"));
    dlg->StartUp(dir.File("small.txt"));
    EXPECT_EQ(ControlText(), "ab\r\n");
    dlg->SendMessage(WM_COMMAND, ID_VIEWER_HEX);
    EXPECT_TRUE(CheckState(ID_VIEWER_HEX));
    EXPECT_FALSE(CheckState(ID_VIEWER_TEXT));
    EXPECT_EQ(ControlText().substr(0, 17), "000000  61 62 0A ");
    CHARFORMATA cf = {};
    cf.cbSize = sizeof cf;
    ::SendMessageA(g_richEdit, EM_GETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf);
    EXPECT_STREQ(cf.szFaceName, "Courier New");
    dlg->SendMessage(WM_COMMAND, ID_VIEWER_TEXT);
    EXPECT_TRUE(CheckState(ID_VIEWER_TEXT));
    EXPECT_EQ(TestApp().GetProfileInt("settings", "hex", -1), 0u);
}

TEST_F(ViewerWindowTest, AnyNonZeroStoredHexIsHexMode)
{
    TestApp().WriteProfileInt("settings", "hex", 5);
    ASSERT_TRUE(WriteFileBytes(dir.File("small.txt"), "ab\n"));
    dlg->StartUp(dir.File("small.txt"));
    EXPECT_EQ(g_bHexMode, 1);
    EXPECT_TRUE(CheckState(ID_VIEWER_HEX));
    EXPECT_FALSE(CheckState(ID_VIEWER_TEXT));
    EXPECT_EQ(ControlText().substr(0, 17), "000000  61 62 0A ");
    dlg->SendMessage(WM_COMMAND, ID_VIEWER_TEXT);
    EXPECT_EQ(ControlText(), "ab\r\n");
    EXPECT_TRUE(CheckState(ID_VIEWER_TEXT));
    EXPECT_EQ(TestApp().GetProfileInt("settings", "hex", 9), 0u);
}

TEST_F(ViewerWindowTest, CloseDeletesTheTemporaryCopy)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("c.txt"), "close me"));
    dlg->StartUp(dir.File("c.txt"));
    std::string temp = g_szTempCopy;
    EXPECT_NE(temp.find("blx"), std::string::npos);
    EXPECT_NE(::GetFileAttributesA(temp.c_str()), INVALID_FILE_ATTRIBUTES);
    dlg->SendMessage(WM_CLOSE);
    EXPECT_EQ(::GetFileAttributesA(temp.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(dlg->m_hWnd, nullptr);
}

TEST_F(ViewerWindowTest, SavePositionWritesFourIntegers)
{
    dlg->StartUp("");
    dlg->SendMessage(WM_COMMAND, ID_VIEWER_UPPER_HALF);
    dlg->SendMessage(WM_COMMAND, ID_VIEWER_SAVE_POSITION);
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    struct Value { const char* name; int expect; } values[] = {
        {"left", 0}, {"top", 0}, {"width", cx}, {"height", cy / 2}};
    for (const Value& v : values) {
        DWORD type = 0;
        std::string data;
        ASSERT_TRUE(ReadRegistryValue("settings", v.name, &type, &data)) << v.name;
        EXPECT_EQ(type, (DWORD)REG_DWORD) << v.name;
        EXPECT_EQ(*(const int*)data.data(), v.expect) << v.name;
    }
    dlg->SendMessage(WM_COMMAND, ID_VIEWER_DEFAULT_WINDOW);  // nothing stored
    RECT rc;
    dlg->GetWindowRect(&rc);
    EXPECT_EQ(rc.left, 60);
    EXPECT_EQ(rc.bottom - rc.top, 360);
    EXPECT_EQ(TestApp().GetProfileInt("settings", "left", -1), 0u);
}

// A place stored off every screen comes back onto the nearest one, as much of it as fits;
// a place whose caption bar shows enough to grab stays where it was put.
TEST_F(ViewerWindowTest, StoredPlaceOffEveryScreenComesOntoTheScreen)
{
    RECT work;
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    struct Case { int left, top, width, height; RECT expect; } cases[] = {
        {-32000, -32000, 520, 360, {work.left, work.top, work.left + 520, work.top + 360}},  // saved minimised
        {work.right + 200, 60, 520, 360, {work.right - 520, 60, work.right, 420}},  // a monitor since removed
        {60, work.bottom + 10, 300, 200, {60, work.bottom - 200, 360, work.bottom}},
        {60, work.top - 40, 300, 200, {60, work.top, 360, work.top + 200}},  // caption bar above the screen
        {work.left - 480, 60, 520, 360, {work.left, 60, work.left + 520, 420}},  // too little caption left
        {work.left - 400, 60, 520, 360, {work.left - 400, 60, work.left + 120, 420}},  // enough to grab: stays
    };
    for (const Case& c : cases) {
        ClearSettings();
        CWinApp& app = TestApp();
        app.WriteProfileInt("settings", "left", c.left);
        app.WriteProfileInt("settings", "top", c.top);
        app.WriteProfileInt("settings", "width", c.width);
        app.WriteProfileInt("settings", "height", c.height);
        CBrindlexDlg* v = new CBrindlexDlg;
        ASSERT_TRUE(v->LoadFrame(IDR_VIEWER, WS_OVERLAPPEDWINDOW, nullptr, "Brindlex"));
        v->StartUp("");
        RECT rc;
        v->GetWindowRect(&rc);
        EXPECT_TRUE(::EqualRect(&rc, &c.expect))
            << c.left << "," << c.top << " " << c.width << "x" << c.height << " shows at " << rc.left << ","
            << rc.top << "-" << rc.right << "," << rc.bottom;
        v->SendMessage(WM_CLOSE);
        delete v;
        PumpMessages();
    }
}

TEST_F(ViewerWindowTest, SavePositionOfAMinimisedWindowStoresWhereItComesBack)
{
    dlg->StartUp("");
    dlg->SendMessage(WM_COMMAND, ID_VIEWER_UPPER_HALF);
    dlg->ShowWindow(SW_MINIMIZE);
    ASSERT_TRUE(::IsIconic(dlg->m_hWnd));
    dlg->SendMessage(WM_COMMAND, ID_VIEWER_SAVE_POSITION);
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    CWinApp& app = TestApp();
    EXPECT_EQ((int)app.GetProfileInt("settings", "left", -1), 0);
    EXPECT_EQ((int)app.GetProfileInt("settings", "top", -1), 0);
    EXPECT_EQ((int)app.GetProfileInt("settings", "width", -1), cx);
    EXPECT_EQ((int)app.GetProfileInt("settings", "height", -1), cy / 2);
}

TEST(Placement, CaptionBarOnAWorkArea)
{
    // Two monitors side by side; frame 4, caption 19: the caption bar of a window at x,y
    // runs from x + 4 to right - 4, y + 4 to y + 23.
    const RECT left = {0, 0, 1280, 1000}, right = {1280, -200, 2560, 824};
    struct Case { RECT rc; bool onLeft, onRight; } cases[] = {
        {{60, 60, 580, 420}, true, false},
        {{1500, 60, 2020, 420}, false, true},
        {{1500, -200, 2020, 100}, false, true},   // the right monitor reaches higher
        {{1100, 0, 1620, 360}, true, true},       // across the seam
        {{-32000, -32000, -31480, -31640}, false, false},
        {{-456, 60, 64, 420}, true, false},       // 60 pixels of caption: enough
        {{-457, 60, 63, 420}, false, false},      // 59: too few
        {{60, -4, 580, 356}, true, false},        // a maximised place: the frame off the screen
        {{60, -5, 580, 355}, false, false},       // the caption bar cut
        {{60, 977, 580, 1337}, true, false},      // the caption's last row on the screen
        {{60, 978, 580, 1338}, false, false},
        {{100, 100, 140, 120}, true, false},      // narrower than the grab: all of it will do
        {{100, 100, 100, 120}, false, false},     // no width at all
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CaptionOnWorkArea(c.rc, left, 4, 19), c.onLeft) << c.rc.left << "," << c.rc.top;
        EXPECT_EQ(CaptionOnWorkArea(c.rc, right, 4, 19), c.onRight) << c.rc.left << "," << c.rc.top;
    }
    struct Move { RECT rc, expect; } moves[] = {
        {{-32000, -32000, -31480, -31640}, {1280, -200, 1800, 160}},
        {{3000, 900, 3520, 1260}, {2040, 464, 2560, 824}},
        {{1300, 0, 1800, 5000}, {1300, -200, 1800, 824}},  // no taller than the work area
        {{1500, 60, 2020, 420}, {1500, 60, 2020, 420}},   // inside: unchanged
    };
    for (const Move& m : moves) {
        RECT got = MoveIntoWorkArea(m.rc, right);
        EXPECT_TRUE(::EqualRect(&got, &m.expect)) << m.rc.left << "," << m.rc.top << " -> " << got.left << ","
                                                   << got.top << "-" << got.right << "," << got.bottom;
    }
}

TEST(Placement, TableOfCommands)
{
    struct Case { UINT id; RECT expect; } cases[] = {
        {ID_VIEWER_UPPER_HALF, {0, 0, 1920, 540}},   {ID_VIEWER_LOWER_HALF, {0, 540, 1920, 1080}},
        {ID_VIEWER_LEFT_HALF, {0, 0, 960, 1080}},    {ID_VIEWER_RIGHT_HALF, {960, 0, 1920, 1080}},
        {ID_VIEWER_DEFAULT_WINDOW, {60, 60, 580, 420}},
    };
    for (const Case& c : cases) {
        RECT rc;
        ASSERT_TRUE(PlacementRect(c.id, 1920, 1080, &rc));
        EXPECT_TRUE(::EqualRect(&rc, &c.expect)) << c.id;
    }
    RECT odd;
    ASSERT_TRUE(PlacementRect(ID_VIEWER_RIGHT_HALF, 1025, 769, &odd));  // divisions truncate
    EXPECT_EQ(odd.left, 512);
    EXPECT_EQ(odd.bottom, 769);
    EXPECT_FALSE(PlacementRect(ID_VIEWER_NEXT, 100, 100, &odd));
}

}  // namespace

namespace {

// A viewer window that records the viewers it would start.
class CStartRecorder : public CBrindlexDlg {
public:
    void StartViewer(const char* path) override { started.push_back(path); }
    std::vector<std::string> started;
};

HDROP MakeDrop(const std::vector<std::string>& paths)
{
    std::string list;
    for (const std::string& p : paths) list += p + '\0';
    list += '\0';
    HGLOBAL mem = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size());
    DROPFILES* df = (DROPFILES*)::GlobalLock(mem);
    df->pFiles = sizeof(DROPFILES);
    memcpy((char*)df + sizeof(DROPFILES), list.data(), list.size());
    ::GlobalUnlock(mem);
    return (HDROP)mem;
}

TEST(ViewerDrop, ThreeDroppedFilesStartOneViewerForTheFirst)
{
    ClearSettings();
    CStartRecorder dlg;
    ASSERT_TRUE(dlg.LoadFrame(IDR_VIEWER, WS_OVERLAPPEDWINDOW, nullptr, "Brindlex"));
    dlg.SendMessage(WM_DROPFILES, (WPARAM)MakeDrop({"C:\\one.txt", "C:\\two.txt", "C:\\three.txt"}));
    ASSERT_EQ(dlg.started.size(), 1u);
    EXPECT_EQ(dlg.started[0], "C:\\one.txt");
    // A dropped path longer than the drop buffer is refused, not cut short.
    dlg.SendMessage(WM_DROPFILES, (WPARAM)MakeDrop({"C:\\" + std::string(600, 'x')}));
    EXPECT_EQ(dlg.started.size(), 1u);
    std::string longest = "C:\\" + std::string(508, 'y');  // 511 characters fit
    dlg.SendMessage(WM_DROPFILES, (WPARAM)MakeDrop({longest}));
    ASSERT_EQ(dlg.started.size(), 2u);
    EXPECT_EQ(dlg.started[1], longest);
    dlg.DestroyWindow();
}

HDROP MakeWideDrop(const std::wstring& path)
{
    std::wstring list = path + L'\0' + L'\0';
    size_t bytes = list.size() * sizeof(wchar_t);
    HGLOBAL mem = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + bytes);
    DROPFILES* df = (DROPFILES*)::GlobalLock(mem);
    df->pFiles = sizeof(DROPFILES);
    df->fWide = TRUE;
    memcpy((char*)df + sizeof(DROPFILES), list.data(), bytes);
    ::GlobalUnlock(mem);
    return (HDROP)mem;
}

TEST(ViewerDrop, ADroppedNameOutsideTheCodePageGoesByItsShortName)
{
    ClearSettings();
    CTempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File("ab.txt"), "decoy"));  // what "??.txt" would match
    int n = ::MultiByteToWideChar(CP_ACP, 0, dir.Path(), -1, nullptr, 0);
    std::wstring wide((size_t)n, L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, dir.Path(), -1, &wide[0], n);
    wide.resize(wcslen(wide.c_str()));
    std::wstring missing = wide + L"\\\x65e5\x672c-gone.txt";
    wide += L"\\\x65e5\x672c.txt";
    {
        CFileHandle h(::CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(h.IsValid());
        DWORD put = 0;
        ASSERT_TRUE(::WriteFile(h, "right", 5, &put, nullptr));
    }
    CStartRecorder dlg;
    ASSERT_TRUE(dlg.LoadFrame(IDR_VIEWER, WS_OVERLAPPEDWINDOW, nullptr, "Brindlex"));
    dlg.SendMessage(WM_DROPFILES, (WPARAM)MakeWideDrop(wide));
    ASSERT_EQ(dlg.started.size(), 1u);
    EXPECT_EQ(ReadFileBytes(dlg.started[0].c_str()), "right") << dlg.started[0];
    {
        // No form of the name reaches a file: refused here, no viewer started.
        CMessageBoxAnswerer box;
        dlg.SendMessage(WM_DROPFILES, (WPARAM)MakeWideDrop(missing));
        EXPECT_EQ(box.Text(), "Can't open file!");
    }
    EXPECT_EQ(dlg.started.size(), 1u);
    dlg.DestroyWindow();
    ::DeleteFileW(wide.c_str());
}

TEST(ViewerDrop, QuotedCommandLineStartsViewersForAllButTheLast)
{
    ClearSettings();
    CTempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File("c.txt"), "c"));
    CStartRecorder dlg;
    ASSERT_TRUE(dlg.LoadFrame(IDR_VIEWER, WS_OVERLAPPEDWINDOW, nullptr, "Brindlex"));
    TestApp().m_pMainWnd = &dlg;
    std::string line = "\"C:\\a b.txt\" \"C:\\d.txt\" \"" + std::string(dir.File("c.txt")) + "\"";
    dlg.StartUp(line.c_str());
    ASSERT_EQ(dlg.started.size(), 2u);
    EXPECT_EQ(dlg.started[0], "C:\\a b.txt");
    EXPECT_EQ(dlg.started[1], "C:\\d.txt");
    EXPECT_EQ(std::string(dlg.GetWindowText()), "Brindlex - c.txt");
    dlg.SendMessage(WM_CLOSE);
    TestApp().m_pMainWnd = nullptr;
}

}  // namespace

TEST(ViewerOpen, EscCancelsALongCopyAndLeavesNothingLoaded)
{
    ClearSettings();
    CTempDir dir;
    CString big = dir.File("big.bin");
    {
        CFileHandle h(::CreateFileA(big, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(h.IsValid());
        LARGE_INTEGER at;
        at.QuadPart = 2LL << 30;  // 2 GiB, sparse: the copy takes longer than half a second
        ASSERT_TRUE(::SetFilePointerEx(h, at, nullptr, FILE_BEGIN));
        ASSERT_TRUE(::SetEndOfFile(h));
    }
    CBrindlexDlg dlg;
    ASSERT_TRUE(dlg.LoadFrame(IDR_VIEWER, WS_OVERLAPPEDWINDOW, nullptr, "Brindlex"));
    TestApp().m_pMainWnd = &dlg;
    dlg.StartUp("");
    dlg.SetWindowText("Brindlex");
    dlg.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);  // waiting in the queue when progress shows
    CMessageBoxAnswerer box;
    EXPECT_FALSE(OpenViewedFile(big));
    EXPECT_EQ(box.Stop(), "");  // cancelled: no error message
    EXPECT_FALSE(g_bFileLoaded);
    EXPECT_EQ(std::string(dlg.GetWindowText()), "Brindlex");
    // The next open works and closing still deletes the copy.
    ASSERT_TRUE(WriteFileBytes(dir.File("ok.txt"), "ok"));
    EXPECT_TRUE(OpenViewedFile(dir.File("ok.txt")));
    std::string temp = g_szTempCopy;
    dlg.SendMessage(WM_CLOSE);
    EXPECT_EQ(::GetFileAttributesA(temp.c_str()), INVALID_FILE_ATTRIBUTES);
    TestApp().m_pMainWnd = nullptr;
}

// The text control has one owner: a new control replaces the old one, and however the
// frame goes, no handle of a destroyed control is left behind.
TEST_F(ViewerWindowTest, TheTextControlGoesWithTheViewerWhateverEndsIt)
{
    struct Case {
        const char* name;
        bool close;  // closed as the user closes it, or destroyed outright
    };
    const Case cases[] = {{"closed", true}, {"destroyed", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!dlg->m_hWnd) {
            ASSERT_TRUE(dlg->LoadFrame(IDR_VIEWER, WS_OVERLAPPEDWINDOW, nullptr, "Brindlex"));
        }
        dlg->StartUp("");
        HWND first = g_richEdit;
        ASSERT_TRUE(::IsWindow(first));
        dlg->RecreateControl();
        HWND second = g_richEdit;
        EXPECT_FALSE(::IsWindow(first));
        ASSERT_TRUE(::IsWindow(second));
        EXPECT_EQ(::GetDlgItem(dlg->m_hWnd, IDC_VIEWER_TEXT), second);
        if (c.close)
            dlg->SendMessage(WM_CLOSE);
        else
            dlg->DestroyWindow();
        EXPECT_FALSE(::IsWindow(second));
        EXPECT_EQ(g_richEdit.GetSafeHwnd(), (HWND) nullptr);
        PumpMessages();
    }
}
