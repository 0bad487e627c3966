// Right click on the list: the program's own menu with the recent programs under Open With,
// or with a Ctrl key held the shell's menu of the selected entries.
#include "explorer/list/BrindlexView.h"
#include "explorer/NameRefusal.h"
#include "explorer/RecentPrograms.h"
#include "explorer/ShellContextMenu.h"
#include "fw/WinApp.h"
#include "res/resource.h"

// The keys as they were when the click was made, not as they are now: a Ctrl let go while
// the click is still being handled must not turn it into a plain one.
static bool IsCtrlDown()
{
    return (::GetKeyState(VK_LCONTROL) & 0x8000) || (::GetKeyState(VK_RCONTROL) & 0x8000);
}

HMENU CBrindlexView::LoadListContextMenu(HMENU* pPopup)
{
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_LIST_CONTEXT));
    *pPopup = menu ? ::GetSubMenu(menu, 0) : nullptr;
    if (!*pPopup) return menu;
    HMENU openWith = ::GetSubMenu(*pPopup, 4);
    CArray<CString> programs = ReadRecentPrograms(AfxGetApp());
    for (int i = 0; openWith && i < programs.GetSize(); i++)
        ::AppendMenuA(openWith, MF_STRING, (UINT_PTR)(ID_RECENT_PROGRAM_FIRST + i), RecentProgramText(programs[i]));
    return menu;
}

void CBrindlexView::OnRClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    POINT pt;
    ::GetCursorPos(&pt);
    if (!IsCtrlDown()) {
        HMENU popup = nullptr;
        CMenuHandle menu(LoadListContextMenu(&popup));
        if (!popup) return;
        ::SetForegroundWindow(m_hWnd);
        ::TrackPopupMenu(popup, TPM_LEFTBUTTON, pt.x, pt.y, 0, m_hWnd, nullptr);
        return;
    }
    CNameRefusal refusal(m_hWnd);
    CArray<int> rows = refusal.Filter(GetModel(), GetSelectedRows());
    if (rows.IsEmpty()) return;
    CArray<CString> names;
    for (int i = 0; i < rows.GetSize(); i++) names.Add(GetModel().GetAt(rows[i]).CommandName());
    ShowShellContextMenu(m_strFolder, names, pt.x, pt.y);
}

void CBrindlexView::ShowShellContextMenu(const CString& strFolder, const CArray<CString>& names, int x, int y)
{
    TrackShellContextMenu(m_hWnd, strFolder, names, x, y);
}
