// Dragging the selected folder out of the tree, and the tree as a target of dropped files.
#include "explorer/tree/LeftView.h"
#include "explorer/NameIndex.h"
#include "explorer/DropPaths.h"
#include "explorer/FileDrop.h"
#include "fw/OleDataSource.h"
#include "fw/WinApp.h"
#include "util/PathText.h"
#include "fw/PathParts.h"

HTREEITEM CLeftView::FindItemByPath(const char* path) const
{
    CTreeCtrl tree = GetTreeCtrl();
    for (HTREEITEM h = tree.GetRootItem(); h; h = tree.GetNextSiblingItem(h)) {
        CString root = tree.GetItemText(h);
        CString p(path);
        if (p.GetLength() < root.GetLength() || p.Left(root.GetLength()).CompareNoCase(root) != 0) continue;
        // Down the remaining names one child at a time.
        HTREEITEM item = h;
        int i = root.GetLength();
        while (item && i < p.GetLength()) {
            int end = NextSeparator(p, i);
            if (end < 0) end = p.GetLength();
            CString name = p.Mid(i, end - i);
            HTREEITEM match = nullptr;
            for (HTREEITEM c = tree.GetChildItem(item); c && !match; c = tree.GetNextSiblingItem(c))
                if (CNameIndex::Same(tree.GetItemText(c), name)) match = c;
            item = match;
            i = end + 1;
        }
        if (item) return item;
    }
    return nullptr;
}

// The drag carries the selected folder, whichever item the mouse started on.
void CLeftView::OnBeginDrag(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    CTreeCtrl tree = GetTreeCtrl();
    HTREEITEM sel = tree.GetSelectedItem();
    if (!sel || !tree.GetParentItem(sel)) return;
    CArray<CString> paths;
    paths.Add(GetItemPath(sel));
    CGlobalMemory block = MakeFileDropBlock(paths);
    if (!block.IsValid()) return;
    COleDataSource source;
    if (!source.CacheGlobalData(CF_HDROP, block)) return;
    source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
    // Items may have changed during the drag: the folder's item is looked up again, and goes
    // exactly when the folder is gone, whatever effect the target reported.
    if (!IsPathGone(paths[0])) return;
    if (HTREEITEM item = FindItemByPath(paths[0])) tree.DeleteItem(item);
}

DROPEFFECT CLeftView::OnDragEnter(COleDataObject* pData, DWORD dwKeyState, POINT)
{
    return FileDropEffect(pData, dwKeyState);
}

DROPEFFECT CLeftView::OnDragOver(COleDataObject* pData, DWORD dwKeyState, POINT point)
{
    DROPEFFECT effect = FileDropEffect(pData, dwKeyState);
    if (effect == DROPEFFECT_NONE) return effect;
    // Over empty space the last item keeps its highlight.
    if (HTREEITEM h = GetTreeCtrl().HitTest(point)) GetTreeCtrl().SelectDropTarget(h);
    return effect;
}

void CLeftView::OnDragLeave() { GetTreeCtrl().SelectDropTarget(nullptr); }

BOOL CLeftView::OnDrop(COleDataObject* pData, DROPEFFECT dropEffect, POINT point)
{
    CWaitCursor wait;
    bool dropped = DropOnItem(pData, GetTreeCtrl().HitTest(point), dropEffect);
    GetTreeCtrl().SelectDropTarget(nullptr);
    return dropped;
}

bool CLeftView::DropOnItem(COleDataObject* pData, HTREEITEM hTarget, DROPEFFECT dropEffect)
{
    if (!hTarget) return false;
    CTreeCtrl tree = GetTreeCtrl();
    tree.SelectDropTarget(hTarget);
    CString dir = WithBackslash(GetItemPath(hTarget));
    CGlobalMemory block(pData ? pData->GetGlobalData(CF_HDROP) : nullptr);
    FILEDROPLIST dropped;
    if (!block.IsValid() || !ReadFileDropBlock(block.Get(), &dropped)) {
        tree.SelectDropTarget(nullptr);
        return false;
    }
    if (CWnd* main = AfxGetMainWnd()) ::SetForegroundWindow(main->m_hWnd);
    DropPathsInto(m_hWnd, dropped.paths, dir, (dropEffect & DROPEFFECT_MOVE) != 0, [&](const DROPPEDITEM& item) {
        if (!item.bFolder) return;
        // A change notification may have shown it already.
        for (HTREEITEM c = tree.GetChildItem(hTarget); c; c = tree.GetNextSiblingItem(c))
            if (CNameIndex::Same(tree.GetItemText(c), item.strName)) return;
        InsertFolderItem(hTarget, item.strName, item.strNewPath);
    });
    tree.SelectDropTarget(nullptr);
    return true;
}
