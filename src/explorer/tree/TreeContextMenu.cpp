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
    // The whole path: a drive root ("C:\") gets the drive's own menu.
    CArray<CString> paths;
    paths.Add(GetItemPath(sel));
    TrackShellContextMenu(m_hWnd, CString(), paths, x, y);
}
