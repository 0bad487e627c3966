#include "app/OptionsDlg.h"
#include "res/resource.h"
#include "fw/WinApp.h"
#include "viewer/BrindlexDlg.h"
#include "viewer/FileModel.h"
#include "viewer/ViewerFonts.h"
#include <commdlg.h>

BEGIN_MESSAGE_MAP(CSetDlg, CDialog)
    ON_COMMAND(IDC_TEXT_FONT, OnTextFont)
    ON_COMMAND(IDC_HEX_FONT, OnHexFont)
END_MESSAGE_MAP()

BOOL CSetDlg::OnInitDialog()
{
    CWinApp* app = AfxGetApp();
    SetDlgItemText(IDC_TEXT_FONT_NAME, app->GetProfileString("settings", "tfname", "MS Sans Serif"));
    SetDlgItemText(IDC_HEX_FONT_NAME, app->GetProfileString("settings", "hfname", "Courier New"));
    CheckDlgButton(IDC_VIEWER_MAX, app->GetProfileInt("settings", "max", 0) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_EXPLORER_MAX, app->GetProfileInt("settings", "emax", 0) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_FULL_PATH, app->GetProfileInt("settings", "path", 0) ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

void CSetDlg::OnOK()
{
    CWinApp* app = AfxGetApp();
    app->WriteProfileInt("settings", "max", IsDlgButtonChecked(IDC_VIEWER_MAX) == BST_CHECKED ? 1 : 0);
    app->WriteProfileInt("settings", "emax", IsDlgButtonChecked(IDC_EXPLORER_MAX) == BST_CHECKED ? 1 : 0);
    g_bFullPathInRecent = IsDlgButtonChecked(IDC_FULL_PATH) == BST_CHECKED ? 1 : 0;
    app->WriteProfileInt("settings", "path", g_bFullPathInRecent);
    EndDialog(IDOK);
}

// The font dialog seeded with the stored height (sign included), weight and face.
static bool ChooseViewerFont(char* face, int* height, int* weight)
{
    LOGFONTA lf = {};
    lf.lfHeight = *height;
    lf.lfWeight = *weight;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    CHOOSEFONTA cf = {};
    cf.lStructSize = sizeof cf;
    cf.lpLogFont = &lf;
    // Sizes outside these the viewer would not use when it reads them back.
    cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_LIMITSIZE;
    cf.nSizeMin = VIEWER_FONT_MIN_POINTS;
    cf.nSizeMax = VIEWER_FONT_MAX_POINTS;
    if (!::ChooseFontA(&cf)) return false;
    lstrcpynA(face, lf.lfFaceName, 256);
    *height = lf.lfHeight;
    *weight = lf.lfWeight;
    return true;
}

void CSetDlg::OnTextFont()
{
    g_bTextFontChanged = ChooseViewerFont(g_szTextFontName, &g_nTextFontHeight, &g_nTextFontWeight) ? 1 : 0;
    if (g_bTextFontChanged) SetDlgItemText(IDC_TEXT_FONT_NAME, g_szTextFontName);
}

void CSetDlg::OnHexFont()
{
    g_bHexFontChanged = ChooseViewerFont(g_szHexFontName, &g_nHexFontHeight, &g_nHexFontWeight) ? 1 : 0;
    if (g_bHexFontChanged) SetDlgItemText(IDC_HEX_FONT_NAME, g_szHexFontName);
}

static void StoreFont(const char* nameKey, const char* weightKey, const char* heightKey, const char* face,
                      int weight, int height, CFont& font, int mode)
{
    CWinApp* app = AfxGetApp();
    app->WriteProfileString("settings", nameKey, face);
    app->WriteProfileInt("settings", weightKey, weight);
    app->WriteProfileInt("settings", heightKey, height);
    LOGFONTA lf = MakeViewerLogFont(face, height, weight);
    font.Attach(::CreateFontIndirectA(&lf));
    if (GetViewerWindow() && g_richEdit && g_bHexMode == mode) {
        // Reloading puts the section into a fresh control with the new font; re-fonting
        // the full control first would lay out its whole text once more for nothing.
        if (g_bFileLoaded)
            LoadSection();
        else
            ::SendMessageA(g_richEdit, WM_SETFONT, (WPARAM)font.Get(), TRUE);
    }
}

void ApplyChangedFonts()
{
    if (g_bTextFontChanged == 1)
        StoreFont("tfname", "tfweight", "tfheight", g_szTextFontName, g_nTextFontWeight, g_nTextFontHeight,
                  g_textFont, 0);
    if (g_bHexFontChanged == 1)
        StoreFont("hfname", "hfweight", "hfheight", g_szHexFontName, g_nHexFontWeight, g_nHexFontHeight,
                  g_hexFont, 1);
}

void RunOptionsDialog()
{
    g_bHexFontChanged = 0;
    g_bTextFontChanged = 0;
    VIEWERFONTSETTING text = ReadViewerFontSetting(false, 8);
    VIEWERFONTSETTING hex = ReadViewerFontSetting(true, 12);
    lstrcpynA(g_szTextFontName, text.face, 256);
    lstrcpynA(g_szHexFontName, hex.face, 256);
    g_nTextFontHeight = text.height;
    g_nHexFontHeight = hex.height;
    g_nTextFontWeight = text.weight;
    g_nHexFontWeight = hex.weight;

    CSetDlg dlg;
    if (dlg.DoModal() == IDOK) ApplyChangedFonts();
}
