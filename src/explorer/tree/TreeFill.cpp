// Population of the tree: item paths, folder enumeration, placeholders.
#include "explorer/tree/LeftView.h"
#include "util/PathText.h"
#include "explorer/ShellIcons.h"
#include "fw/Redraw.h"
#include "fw/FileFind.h"
#include <shellapi.h>

void GetFolderIcons(const char* path, int* pImage, int* pSelectedImage)
{
    CShellIcons::GetFolderIcons(path, INVALID_FILE_ATTRIBUTES, pImage, pSelectedImage);
}

bool PathExists(const char* path)
{
    if (!path || !*path) return false;
    WIN32_FIND_DATAA fd;
    return CFileFind::FindOne(path, &fd) != FALSE;
}

CString CLeftView::GetItemPath(HTREEITEM hItem) const
{
    CTreeCtrl tree = GetTreeCtrl();
    if (!hItem) return CString();
    CString path = tree.GetItemText(hItem);
    for (HTREEITEM h = tree.GetParentItem(hItem); h; h = tree.GetParentItem(h)) {
        CString text = tree.GetItemText(h);
        path = EndsWithBackslash(text) ? text + path : text + "\\" + path;
    }
    return path;
}

bool CLeftView::HasSubfolders(const char* folderPath)
{
    CFileFind find;
    if (!find.FindFile(WithBackslash(folderPath) + "*.*")) return false;
    for (BOOL more = TRUE; more;) {
        more = find.FindNextFile();
        if (find.IsDirectory() && !find.IsDots()) return true;
    }
    return false;
}

int CLeftView::DeleteChildren(HTREEITEM hItem)
{
    CTreeCtrl tree = GetTreeCtrl();
    int n = 0;
    if (!hItem) return 0;
    while (HTREEITEM child = tree.GetChildItem(hItem)) {
        if (!tree.DeleteItem(child)) break;
        n++;
    }
    return n;
}

void CLeftView::AppendPlaceholder(HTREEITEM hItem) { GetTreeCtrl().InsertItem("", 0, 0, hItem, TVI_LAST); }

HTREEITEM CLeftView::InsertFolderItem(HTREEITEM hParent, const char* name, const char* fullPath, DWORD attributes,
                                      bool bSorted)
{
    int image = 0, selected = 0;
    CShellIcons::GetFolderIcons(fullPath, attributes, &image, &selected);
    HTREEITEM h = GetTreeCtrl().InsertItem(name, image, selected, hParent, bSorted ? TVI_SORT : TVI_LAST);
    if (h && HasSubfolders(fullPath)) AppendPlaceholder(h);
    return h;
}

int CLeftView::FillFolder(HTREEITEM hItem, const CString& strFolderPath, bool bTreeOnly)
{
    CString dir = WithBackslash(strFolderPath);
    CShellIcons::Clear();
    if (!bTreeOnly) {
        // The list's model reads the folder itself.
        IFileList* list = GetFileList();
        if (!list) return 0;
        CWaitCursor wait;
        CRedrawOff quiet(list->GetListWindow());
        if (!list->ListFolder(dir) && !GetTreeCtrl().GetParentItem(hItem)) AppendPlaceholder(hItem);
        return 0;
    }
    CRedrawOff quiet(m_hWnd);
    CFileFind find;
    if (!find.FindFile(dir + "*.*")) {
        // A drive keeps its expand button even when it cannot be read.
        if (!GetTreeCtrl().GetParentItem(hItem)) AppendPlaceholder(hItem);
        return 0;
    }
    CWaitCursor wait;
    int count = 0;
    for (BOOL more = TRUE; more;) {
        more = find.FindNextFile();
        DWORD attributes = find.GetAttributes();
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) || find.IsDots() || IsHiddenSystemFolder(attributes)) continue;
        // Appended, then sorted once: sorted insertion one by one is quadratic.
        const char* name = TreeNameOf(find.GetFindData());
        if (name && InsertFolderItem(hItem, name, dir + name, attributes, false)) count++;
    }
    find.Close();
    if (count) GetTreeCtrl().SortChildren(hItem);
    return count;
}
