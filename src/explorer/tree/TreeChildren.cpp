// The tree's operations for the file list: children of the selected item by name.
#include "explorer/tree/LeftView.h"
#include "explorer/NameIndex.h"
#include "util/PathText.h"

void CLeftView::AddChildFolder(const char* name)
{
    HTREEITEM sel = GetTreeCtrl().GetSelectedItem();
    if (!sel) return;
    InsertFolderItem(sel, name, JoinPath(GetItemPath(sel), name));
}

void CLeftView::RemoveChildFolder(const char* name)
{
    CTreeCtrl tree = GetTreeCtrl();
    HTREEITEM sel = tree.GetSelectedItem();
    if (!sel) return;
    for (HTREEITEM h = tree.GetChildItem(sel); h;) {
        HTREEITEM next = tree.GetNextSiblingItem(h);
        if (CNameIndex::Same(tree.GetItemText(h), name)) tree.DeleteItem(h);
        h = next;
    }
}

void CLeftView::RenameChildFolder(const char* oldName, const char* newName)
{
    CTreeCtrl tree = GetTreeCtrl();
    HTREEITEM sel = tree.GetSelectedItem();
    if (!sel) return;
    for (HTREEITEM h = tree.GetChildItem(sel); h; h = tree.GetNextSiblingItem(h))
        if (CNameIndex::Same(tree.GetItemText(h), oldName)) tree.SetItemText(h, newName);
}

void CLeftView::SelectChildFolder(const char* name)
{
    CTreeCtrl tree = GetTreeCtrl();
    HTREEITEM sel = tree.GetSelectedItem();
    if (!sel) return;
    if (!(tree.GetItemState(sel, TVIS_EXPANDED) & TVIS_EXPANDED)) ExpandItem(sel);
    for (HTREEITEM h = tree.GetChildItem(sel); h; h = tree.GetNextSiblingItem(h))
        if (CNameIndex::Same(tree.GetItemText(h), name)) tree.SelectItem(h);
}

void CLeftView::SelectParentFolder()
{
    CTreeCtrl tree = GetTreeCtrl();
    HTREEITEM parent = tree.GetParentItem(tree.GetSelectedItem());
    if (parent) tree.SelectItem(parent);
}
