// The options dialog: what it stores and how a viewer in this process takes a new font.
#include "support/TestSupport.h"
#include "support/Wait.h"
#include "app/OptionsDlg.h"
#include "viewer/BrindlexDlg.h"
#include "viewer/FileModel.h"
#include "viewer/ViewerFonts.h"
#include "res/resource.h"
#include <richedit.h>
#include <functional>
#include <climits>
#include <dlgs.h>

namespace {

std::string ControlFace()
{
    CHARFORMATA cf = {};
    cf.cbSize = sizeof cf;
    ::SendMessageA(g_richEdit, EM_GETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf);
    return cf.szFaceName;
}

// A viewer window of this process showing a file.
class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        ASSERT_TRUE(WritePatternFile(dir.File("f.txt"), 3 * 1024 * 1024 + 10));
        ASSERT_TRUE(WriteFileBytes(dir.File("small.txt"), "small"));
        dlg = new CBrindlexDlg;
        ASSERT_TRUE(dlg->LoadFrame(IDR_VIEWER, WS_OVERLAPPEDWINDOW, nullptr, "Brindlex"));
        TestApp().m_pMainWnd = dlg;
    }
    void TearDown() override
    {
        dlg->SendMessage(WM_CLOSE);
        TestApp().m_pMainWnd = nullptr;
        delete dlg;
    }
    void ChooseTextFont(const char* face, int height, int weight)
    {
        lstrcpynA(g_szTextFontName, face, sizeof g_szTextFontName);
        g_nTextFontHeight = height;
        g_nTextFontWeight = weight;
        g_bTextFontChanged = 1;
        g_bHexFontChanged = 0;
    }
    CTempDir dir;
    CBrindlexDlg* dlg = nullptr;
};

TEST_F(OptionsTest, ChangedTextFontIsStoredAndReloadsATextView)
{
    dlg->StartUp(dir.File("f.txt"));
    dlg->SendMessage(WM_COMMAND, ID_VIEWER_NEXT);  // the second text section: ten bytes
    ASSERT_EQ(g_nSection, 1);
    HWND before = g_richEdit;

    ChooseTextFont("Courier New", -13, 700);
    ApplyChangedFonts();
    CWinApp& app = TestApp();
    EXPECT_EQ(app.GetProfileString("settings", "tfname", ""), "Courier New");
    EXPECT_EQ((int)app.GetProfileInt("settings", "tfheight", 0), -13);
    EXPECT_EQ((int)app.GetProfileInt("settings", "tfweight", 0), 700);
    LOGFONTA lf = {};
    ::GetObjectA(g_textFont, sizeof lf, &lf);
    EXPECT_EQ(lf.lfHeight, 13);  // a stored -13 gives a font of height 13
    EXPECT_EQ(ControlFace(), "Courier New");
    EXPECT_NE(g_richEdit, before);  // the section was loaded again
    EXPECT_EQ(g_nSection, 1);
    EXPECT_EQ(::GetWindowTextLengthA(g_richEdit), 10);
    EXPECT_EQ(app.GetProfileString("settings", "hfname", "absent"), "absent");  // the hex font untouched
}

TEST_F(OptionsTest, TextFontChangeLeavesAHexViewAlone)
{
    TestApp().WriteProfileInt("settings", "hex", 1);
    dlg->StartUp(dir.File("small.txt"));
    HWND before = g_richEdit;
    ChooseTextFont("Arial", 9, 400);
    ApplyChangedFonts();
    EXPECT_EQ(TestApp().GetProfileString("settings", "tfname", ""), "Arial");
    EXPECT_EQ(g_richEdit, before);
    EXPECT_EQ(ControlFace(), "Courier New");
    dlg->SendMessage(WM_COMMAND, ID_VIEWER_TEXT);  // the new text font shows on switching
    EXPECT_EQ(ControlFace(), "Arial");
}

// Runs `work` once against this process's dialog titled `title`, from the window watcher's thread.
class CDialogDriver {
public:
    CDialogDriver(const char* title, std::function<void(HWND)> work)
        : m_watch([title](HWND h) { return IsWindowOf(h, 0, "#32770") && WindowTitle(h) == title; },
                  [work](HWND h, size_t) { work(h); })
    {
    }
    bool Found() { return m_watch.Wait() == 1; }

private:
    static std::string WindowTitle(HWND h)
    {
        char title[64] = "";
        ::GetWindowTextA(h, title, sizeof title);
        return title;
    }
    CWindowWatcher m_watch;
};

TEST(OptionsDialog, ShowsAndStoresTheCheckBoxes)
{
    ClearSettings();
    TestApp().WriteProfileInt("settings", "emax", 1);
    TestApp().WriteProfileString("settings", "tfname", "Arial");
    g_bFullPathInRecent = 0;
    UINT shown[3] = {};
    char face[64] = "";
    {
        CDialogDriver driver("Brindlex Settings", [&](HWND h) {
            shown[0] = (UINT)::SendMessageA(::GetDlgItem(h, IDC_EXPLORER_MAX), BM_GETCHECK, 0, 0);
            shown[1] = (UINT)::SendMessageA(::GetDlgItem(h, IDC_VIEWER_MAX), BM_GETCHECK, 0, 0);
            shown[2] = (UINT)::SendMessageA(::GetDlgItem(h, IDC_FULL_PATH), BM_GETCHECK, 0, 0);
            ::GetDlgItemTextA(h, 1001, face, sizeof face);
            ::SendMessageA(::GetDlgItem(h, IDC_EXPLORER_MAX), BM_CLICK, 0, 0);  // explorer: off
            ::SendMessageA(::GetDlgItem(h, IDC_FULL_PATH), BM_CLICK, 0, 0);  // full paths: on
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        });
        RunOptionsDialog();
        EXPECT_TRUE(driver.Found());
    }
    EXPECT_EQ(shown[0], (UINT)BST_CHECKED);
    EXPECT_EQ(shown[1], (UINT)BST_UNCHECKED);
    EXPECT_EQ(shown[2], (UINT)BST_UNCHECKED);
    EXPECT_STREQ(face, "Arial");
    CWinApp& app = TestApp();
    EXPECT_EQ(app.GetProfileInt("settings", "emax", -1), 0u);
    EXPECT_EQ(app.GetProfileInt("settings", "max", -1), 0u);
    EXPECT_EQ(app.GetProfileInt("settings", "path", -1), 1u);
    EXPECT_EQ(g_bFullPathInRecent, 1);
    EXPECT_EQ((int)app.GetProfileInt("settings", "tfheight", -12345), -12345);  // no font chosen: none stored

    // Cancel stores nothing.
    {
        CDialogDriver driver("Brindlex Settings", [&](HWND h) {
            ::SendMessageA(::GetDlgItem(h, IDC_VIEWER_MAX), BM_CLICK, 0, 0);
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        });
        RunOptionsDialog();
    }
    EXPECT_EQ(app.GetProfileInt("settings", "max", -1), 0u);
    EXPECT_EQ(g_nHexFontHeight, 12);  // the dialog's own default for the hex font
}

// Heights and weights the font dialog could not have given are not used: the defaults stand.
TEST(ViewerFontSettings, OutOfRangeValuesFallBack)
{
    struct Height { int stored, expect; } heights[] = {
        {8, 8}, {-13, -13}, {96, 96}, {-96, -96},  // 72 points at 96 dpi, either sign
        {97, 5}, {-97, 5}, {0, 5}, {100000, 5}, {-100000, 5}, {INT_MIN, 5}, {INT_MAX, 5},
    };
    for (const Height& h : heights) EXPECT_EQ(UsableFontHeight(h.stored, 5, 96), h.expect) << h.stored;
    EXPECT_EQ(UsableFontHeight(-144, 5, 192), -144);  // the bound follows the screen's resolution
    EXPECT_EQ(UsableFontHeight(-193, 5, 192), 5);
    struct Weight { int stored, expect; } weights[] = {
        {400, 400}, {700, 700}, {1, 1}, {1000, 1000}, {0, 400}, {-1, 400}, {1001, 400}, {INT_MIN, 400},
    };
    for (const Weight& w : weights) EXPECT_EQ(UsableFontWeight(w.stored), w.expect) << w.stored;
}

TEST_F(OptionsTest, StoredFontsOutOfRangeAreNotUsed)
{
    CWinApp& app = TestApp();
    app.WriteProfileInt("settings", "tfheight", 100000);
    app.WriteProfileInt("settings", "tfweight", 5000);
    app.WriteProfileInt("settings", "hfheight", -100000);
    app.WriteProfileInt("settings", "hfweight", -1);
    dlg->StartUp(dir.File("small.txt"));
    LOGFONTA text = {}, hex = {};
    ::GetObjectA(g_textFont, sizeof text, &text);
    ::GetObjectA(g_hexFont, sizeof hex, &hex);
    EXPECT_EQ(text.lfHeight, -8);
    EXPECT_EQ(text.lfWeight, 400);
    EXPECT_EQ(hex.lfHeight, -10);
    EXPECT_EQ(hex.lfWeight, 400);

    // The options dialog reads them by the same rule, with its own hex default.
    g_nTextFontHeight = g_nHexFontHeight = g_nTextFontWeight = g_nHexFontWeight = 0;
    {
        CDialogDriver driver("Brindlex Settings", [](HWND h) { ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0); });
        RunOptionsDialog();
    }
    EXPECT_EQ(g_nTextFontHeight, 8);
    EXPECT_EQ(g_nTextFontWeight, 400);
    EXPECT_EQ(g_nHexFontHeight, 12);
    EXPECT_EQ(g_nHexFontWeight, 400);
    EXPECT_EQ((int)app.GetProfileInt("settings", "tfheight", 0), 100000);  // reading changes nothing stored
}

// The font dialog takes only the sizes the viewer uses when it reads them back.
TEST(OptionsDialog, FontDialogRefusesASizeTheViewerWouldNotUse)
{
    ClearSettings();
    std::string said;
    bool fontShown = false;
    {
        CDialogDriver driver("Brindlex Settings", [&](HWND options) {
            ::PostMessageA(::GetDlgItem(options, IDC_TEXT_FONT), BM_CLICK, 0, 0);
            HWND font = nullptr;
            WaitFor([&] {
                font = ::FindWindowA("#32770", "Font");
                return font && ::IsWindowVisible(font);
            }, 10000);
            fontShown = font != nullptr;
            if (font) {
                ::SendMessageA(::GetDlgItem(font, cmb3), WM_SETTEXT, 0, (LPARAM)"100");
                ::PostMessageA(font, WM_COMMAND, IDOK, 0);
                HWND box = nullptr;
                WaitFor([&] {
                    box = FindTopWindowWhere(::GetCurrentProcessId(),
                                             [](HWND h) { return ::IsWindowVisible(h) && IsMessageBox(h); });
                    return box || !::IsWindow(font);
                }, 5000);
                if (box) {
                    said = StaticTexts(box);
                    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
                    WaitFor([&] { return !::IsWindow(box); }, 5000);
                }
                if (::IsWindow(font)) ::PostMessageA(font, WM_COMMAND, IDCANCEL, 0);
                WaitFor([&] { return !::IsWindow(font); }, 5000);
            }
            ::PostMessageA(options, WM_COMMAND, IDOK, 0);
        });
        RunOptionsDialog();
        EXPECT_TRUE(driver.Found());
    }
    EXPECT_TRUE(fontShown);
    EXPECT_NE(said, "") << "a size of 100 points was taken";
    EXPECT_EQ(g_bTextFontChanged, 0);
    EXPECT_EQ((int)TestApp().GetProfileInt("settings", "tfheight", -12345), -12345);
}

}  // namespace
