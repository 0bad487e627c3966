#include "explorer/list/BrindlexView.h"
#include "explorer/tree/LeftView.h"
#include "fw/WinApp.h"
#include <shellapi.h>

void CBrindlexView::OpenSelected()
{
    CListCtrl list = GetListCtrl();
    CWnd* main = AfxGetMainWnd();
    HWND owner = main ? main->m_hWnd : nullptr;
    // Names and folder first: selecting a folder in the tree lists it here and replaces both.
    CString folder = m_strFolder;
    CArray<CString> names;
    for (int i = list.GetNextItem(-1, LVNI_SELECTED); i >= 0; i = list.GetNextItem(i, LVNI_SELECTED))
        names.Add(list.GetItemText(i, 0));
    for (int n = 0; n < names.GetSize(); n++) {
        CString full = folder + names[n];
        // A failing call gives all bits set, so it counts as a folder.
        if (n == 0 && (::GetFileAttributesA(full) & FILE_ATTRIBUTE_DIRECTORY)) {
            if (CLeftView* tree = GetTreeView()) tree->SelectChildFolder(names[n]);
            continue;
        }
        ::ShellExecuteA(owner, nullptr, full, nullptr, nullptr, SW_SHOWNORMAL);
    }
}
