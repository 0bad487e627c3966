// CFrameWnd: a top-level frame with a menu, accelerators and an icon from one
// resource id; routes commands to the active view, then itself, then the application.
#pragma once

#include "fw/Wnd.h"

class CFrameWnd : public CWnd {
public:
    BOOL LoadFrame(UINT nIDResource, DWORD style = WS_OVERLAPPEDWINDOW, HWND hParent = nullptr,
                   const char* title = nullptr);
    BOOL OnCmdMsg(UINT nID, UINT nCode, void* pExtra) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The pane that gets commands first (explorer panes); none in the viewer.
    virtual CWnd* GetActiveView() const { return nullptr; }
    HACCEL m_hAccelTable = nullptr;

protected:
    LRESULT OnInitMenuPopup(WPARAM wp, LPARAM lp);
    LRESULT OnNcDestroyFrame(WPARAM wp, LPARAM lp);
    void PostNcDestroy() override;

    DECLARE_MESSAGE_MAP()
};
