#include "fw/afx.h"
#include "fw/ToolBar.h"

BOOL CToolBar::CreateEx(CWnd* pParent, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    if (!pParent) return FALSE;
    m_dwBarStyle = dwStyle & CBRS_ALL;
    DWORD style = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NOMOVEY |
                  CCS_NODIVIDER | CCS_NORESIZE;
    RECT rc = {0, 0, 100, 30};
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, nullptr, style, rc, pParent->m_hWnd, nID)) return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    while (SendMessage(TB_BUTTONCOUNT)) SendMessage(TB_DELETEBUTTON, 0);
    int image = 0;
    for (int i = 0; i < nIDCount; i++) {
        TBBUTTON b = {};
        if (lpIDArray[i] == ID_SEPARATOR) {
            b.fsStyle = TBSTYLE_SEP;
            b.iBitmap = 0;
        } else {
            b.iBitmap = image++;
            b.idCommand = (int)lpIDArray[i];
            b.fsState = TBSTATE_ENABLED;
            b.fsStyle = TBSTYLE_BUTTON;
        }
        if (!SendMessage(TB_ADDBUTTONSA, 1, (LPARAM)&b)) return FALSE;
    }
    return TRUE;
}

void CToolBar::SetImageList(HIMAGELIST hImages) { SendMessage(TB_SETIMAGELIST, 0, (LPARAM)hImages); }

SIZE CToolBar::CalcFixedSize() const
{
    SIZE sz = {0, m_cyHeight};
    int n = (int)SendMessage(TB_BUTTONCOUNT);
    for (int i = 0; i < n; i++) {
        RECT r;
        if (SendMessage(TB_GETITEMRECT, i, (LPARAM)&r) && r.right > sz.cx) sz.cx = r.right;
    }
    if (!sz.cy) {
        DWORD b = (DWORD)SendMessage(TB_GETBUTTONSIZE);
        sz.cy = HIWORD(b);
    }
    return sz;
}

CString CToolBar::TipOfCommand(UINT nID)
{
    CString full;
    if (!nID || !full.LoadString(nID)) return CString();
    int nl = full.Find('\n');
    return nl < 0 ? CString() : full.Mid(nl + 1);
}

BOOL CToolBar::OnNotify(WPARAM wp, LPARAM lp, LRESULT* pResult)
{
    NMHDR* nm = (NMHDR*)lp;
    if (nm->code == TTN_GETDISPINFOA || nm->code == TTN_GETDISPINFOW) {
        CString tip;
        if (m_dwBarStyle & CBRS_TOOLTIPS) tip = TipOfCommand((UINT)nm->idFrom);
        if (nm->code == TTN_GETDISPINFOA) {
            NMTTDISPINFOA* di = (NMTTDISPINFOA*)lp;
            lstrcpynA(di->szText, tip, sizeof di->szText);
            di->lpszText = di->szText;
        } else {
            NMTTDISPINFOW* di = (NMTTDISPINFOW*)lp;
            int n = ::MultiByteToWideChar(CP_ACP, 0, tip, -1, di->szText, ARRAYSIZE(di->szText));
            di->szText[n > 0 ? n - 1 : 0] = 0;
            di->szText[ARRAYSIZE(di->szText) - 1] = 0;
            di->lpszText = di->szText;
        }
        *pResult = 0;
        return TRUE;
    }
    return CWnd::OnNotify(wp, lp, pResult);
}

BOOL CReBar::Create(CWnd* pParent, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    if (!pParent) return FALSE;
    DWORD style = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NODIVIDER | CCS_NOPARENTALIGN;
    RECT rc = {0, 0, 100, 30};
    if (!CWnd::CreateEx(0, REBARCLASSNAMEA, nullptr, style, rc, pParent->m_hWnd, nID)) return FALSE;
    REBARINFO ri = {};
    ri.cbSize = sizeof ri;
    SendMessage(RB_SETBARINFO, 0, (LPARAM)&ri);
    return TRUE;
}

BOOL CReBar::AddBar(CToolBar* pBar, const char* text, HBITMAP hbmBack, DWORD dwBandStyle)
{
    if (!pBar || !pBar->m_hWnd) return FALSE;
    ::SetParent(pBar->m_hWnd, m_hWnd);
    pBar->SendMessage(TB_SETPARENT, (WPARAM)::GetParent(m_hWnd));
    SIZE sz = pBar->CalcFixedSize();
    REBARBANDINFOA bi = {};
    bi.cbSize = sizeof bi;
    bi.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_ID | RBBIM_SIZE;
    bi.fStyle = dwBandStyle;
    bi.hwndChild = pBar->m_hWnd;
    bi.cxMinChild = sz.cx;
    bi.cyMinChild = sz.cy;
    bi.cx = sz.cx;
    bi.wID = (UINT)::GetDlgCtrlID(pBar->m_hWnd);
    if (text) {
        bi.fMask |= RBBIM_TEXT;
        bi.lpText = (LPSTR)text;
    }
    if (hbmBack) {
        bi.fMask |= RBBIM_BACKGROUND;
        bi.hbmBack = hbmBack;
    }
    return (BOOL)SendMessage(RB_INSERTBANDA, (WPARAM)-1, (LPARAM)&bi);
}
