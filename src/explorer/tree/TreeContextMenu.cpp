// Right click on the tree: the tree's own menu, or with a Ctrl key held the shell's menu of
// the selected folder. The right click does not move the selection.
#include "explorer/tree/LeftView.h"
#include "explorer/ShellContextMenu.h"
#include "res/resource.h"

void CLeftView::OnRClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    POINT pt;
    ::GetCursorPos(&pt);
    // As the keys were when the click was made, as in the list.
    bool ctrl = (::GetKeyState(VK_LCONTROL) & 0x8000) || (::GetKeyState(VK_RCONTROL) & 0x8000);
    if (!ctrl) {
        CMenuHandle menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TREE_CONTEXT)));
        HMENU popup = menu.IsValid() ? ::GetSubMenu(menu, 0) : nullptr;
        if (!popup) return;
        ::SetForegroundWindow(m_hWnd);
        ::TrackPopupMenu(popup, 0, pt.x, pt.y, 0, m_hWnd, nullptr);
        return;
    }
    ShowSelectedFolderShellMenu(pt.x, pt.y);
}

void CLeftView::ShowSelectedFolderShellMenu(int x, int y)
{
    CTreeCtrl tree = GetTreeCtrl();
    HTREEITEM sel = tree.GetSelectedItem();
    if (!sel) return;
    CString path = GetItemPath(sel);
    CArray<CString> names;
    if (!tree.GetParentItem(sel)) {
        // A drive: its menu comes from the computer folder.
        names.Add(path);
        TrackShellContextMenu(m_hWnd, CString(), names, x, y);
        return;
    }
    names.Add(tree.GetItemText(sel));
    TrackShellContextMenu(m_hWnd, ParentFolderOf(path), names, x, y);
}

LRESULT CLeftView::OnInitMenuPopup(WPARAM wp, LPARAM lp)
{
    ForwardShellMenuMessage(WM_INITMENUPOPUP, wp, lp);
    return DefWindowProc(WM_INITMENUPOPUP, wp, lp);
}

LRESULT CLeftView::OnDrawItem(WPARAM wp, LPARAM lp)
{
    ForwardShellMenuMessage(WM_DRAWITEM, wp, lp);
    return DefWindowProc(WM_DRAWITEM, wp, lp);
}

LRESULT CLeftView::OnMeasureItem(WPARAM wp, LPARAM lp)
{
    ForwardShellMenuMessage(WM_MEASUREITEM, wp, lp);
    return DefWindowProc(WM_MEASUREITEM, wp, lp);
}
