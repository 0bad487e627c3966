#include "explorer/list/BrindlexView.h"
#include "explorer/NameRefusal.h"
#include "fw/WinApp.h"
#include <shellapi.h>

void CBrindlexView::OpenSelected()
{
    CWnd* main = AfxGetMainWnd();
    HWND owner = main ? main->m_hWnd : nullptr;
    // Paths first: selecting a folder in the tree lists it here and replaces the rows.
    CNameRefusal refusal(m_hWnd);
    CArray<int> rows = refusal.Filter(GetModel(), GetSelectedRows());
    CArray<CString> paths = GetModel().GetPaths(rows);
    for (int n = 0; n < paths.GetSize(); n++) {
        // A failing call gives all bits set, so it counts as a folder.
        if (n == 0 && (::GetFileAttributesA(paths[n]) & FILE_ATTRIBUTE_DIRECTORY)) {
            // The folder's rows replace the former selection: nothing else of it is opened.
            if (IFolderTree* tree = GetFolderTree()) tree->SelectChildFolder(GetModel().GetAt(rows[0]).CommandName());
            return;
        }
        ::ShellExecuteA(owner, nullptr, paths[n], nullptr, nullptr, SW_SHOWNORMAL);
    }
}
