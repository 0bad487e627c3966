// The shell's context menu of the list's entries, and the menu messages it needs while shown.
#include "explorer/list/BrindlexView.h"
#include "explorer/ShellContextMenu.h"

void CBrindlexView::ShowShellContextMenu(const CString& strFolder, const CArray<CString>& names, int x, int y)
{
    TrackShellContextMenu(m_hWnd, strFolder, names, x, y);
}

LRESULT CBrindlexView::OnInitMenuPopup(WPARAM wp, LPARAM lp)
{
    ForwardShellMenuMessage(WM_INITMENUPOPUP, wp, lp);
    return DefWindowProc(WM_INITMENUPOPUP, wp, lp);
}

LRESULT CBrindlexView::OnDrawItem(WPARAM wp, LPARAM lp)
{
    ForwardShellMenuMessage(WM_DRAWITEM, wp, lp);
    return DefWindowProc(WM_DRAWITEM, wp, lp);
}

LRESULT CBrindlexView::OnMeasureItem(WPARAM wp, LPARAM lp)
{
    ForwardShellMenuMessage(WM_MEASUREITEM, wp, lp);
    return DefWindowProc(WM_MEASUREITEM, wp, lp);
}
