// CToolBar: a toolbar control with the framework's bar styles; tooltips come from the
// string resource of each button's command, the part after the line break ("prompt\ntip").
#pragma once

#include "fw/View.h"

// Bar styles of the framework; they live beside the window style, not in it.
const DWORD CBRS_ALIGN_TOP = 0x2000;
const DWORD CBRS_BORDER_BOTTOM = 0x0800;
const DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
const DWORD CBRS_TOOLTIPS = 0x0010;
const DWORD CBRS_FLYBY = 0x0020;
const DWORD CBRS_ALL = 0x0040FFFF;
const UINT ID_SEPARATOR = 0;

class CToolBar : public CWnd {
public:
    // dwCtrlStyle: toolbar styles (TBSTYLE_FLAT ...); dwStyle: window style plus bar styles.
    BOOL CreateEx(CWnd* pParent, DWORD dwCtrlStyle = TBSTYLE_FLAT, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                  UINT nID = AFX_IDW_TOOLBAR);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    // The bar's height; the buttons are centred in it.
    void SetHeight(int cyHeight) { m_cyHeight = cyHeight; }
    // Buttons in order; ID_SEPARATOR makes a separator. Images are numbered along the buttons.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    void SetImageList(HIMAGELIST hImages);
    DWORD GetBarStyle() const { return m_dwBarStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwBarStyle = dwStyle; }
    // Width of all buttons and the bar's height.
    SIZE CalcFixedSize() const;
    // The tooltip of a command: the text after the first line break of its string, or "".
    static CString TipOfCommand(UINT nID);

protected:
    BOOL OnNotify(WPARAM wp, LPARAM lp, LRESULT* pResult) override;

    DWORD m_dwBarStyle = 0;
    int m_cyHeight = 0;
};

// CReBar: a rebar control whose bands carry bars.
class CReBar : public CWnd {
public:
    BOOL Create(CWnd* pParent, DWORD dwCtrlStyle = RBS_BANDBORDERS,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                UINT nID = AFX_IDW_REBAR);
    // Moves the bar into a new band at the end.
    BOOL AddBar(CToolBar* pBar, const char* text = nullptr, HBITMAP hbmBack = nullptr,
                DWORD dwBandStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP);
};
