// Dragging rows out of the file list, and the list as a target of dropped files.
#include "explorer/list/BrindlexView.h"
#include "explorer/DropPaths.h"
#include "explorer/FileDrop.h"
#include "explorer/NameRefusal.h"
#include "fw/OleDataSource.h"
#include "fw/WinApp.h"

void CBrindlexView::OnBeginDrag(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    CArray<int> rows;
    {
        CNameRefusal refusal(m_hWnd);
        rows = refusal.Filter(GetModel(), GetSelectedRows());
        if (rows.IsEmpty()) return;
    }
    CGlobalMemory block = MakeFileDropBlock(GetModel().GetPaths(rows));
    if (!block.IsValid()) return;
    // Rows may come and go while the drag runs (drops, change notifications): they are
    // found again by name afterwards.
    CString folder = GetModel().GetFolder();
    CArray<CString> names;
    for (int i = 0; i < rows.GetSize(); i++) names.Add(GetModel().GetAt(rows[i]).strName);

    COleDataSource source;
    if (!source.CacheGlobalData(CF_HDROP, block)) return;
    source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
    // Whatever effect the target reported, a row goes exactly when its entry is gone.
    DeleteRowsOfVanishedEntries(folder, names);
}

void CBrindlexView::DeleteRowsOfVanishedEntries(const CString& folder, const CArray<CString>& names)
{
    if (GetModel().GetFolder().CompareNoCase(folder) != 0) return;
    for (int i = 0; i < names.GetSize(); i++) {
        int row = FindRow(names[i]);
        if (row >= 0 && IsPathGone(GetEntryPath(row))) DeleteRow(row);
    }
}

DROPEFFECT CBrindlexView::OnDragEnter(COleDataObject* pData, DWORD dwKeyState, POINT)
{
    return FileDropEffect(pData, dwKeyState);
}

DROPEFFECT CBrindlexView::OnDragOver(COleDataObject* pData, DWORD dwKeyState, POINT point)
{
    DROPEFFECT effect = FileDropEffect(pData, dwKeyState);
    if (effect == DROPEFFECT_NONE) return effect;
    // Over empty space the last row keeps its highlight.
    int row = GetListCtrl().HitTest(point);
    if (row >= 0) SetDropHighlight(row);
    return effect;
}

void CBrindlexView::OnDragLeave() { SetDropHighlight(-1); }

BOOL CBrindlexView::OnDrop(COleDataObject* pData, DROPEFFECT dropEffect, POINT point)
{
    SetDropHighlight(-1);
    CWaitCursor wait;
    return DropFiles(pData, point, dropEffect);
}

void CBrindlexView::SetDropHighlight(int nRow)
{
    // The virtual control asks for the highlight with the row's other states.
    int old = m_nDropRow;
    m_nDropRow = nRow >= 0 && nRow < GetModel().GetCount() ? nRow : -1;
    if (old >= 0) SendMessage(LVM_REDRAWITEMS, (WPARAM)old, (LPARAM)old);
    if (m_nDropRow >= 0) SendMessage(LVM_REDRAWITEMS, (WPARAM)m_nDropRow, (LPARAM)m_nDropRow);
    if (old != m_nDropRow) ::UpdateWindow(m_hWnd);
}

BOOL CBrindlexView::DropFiles(COleDataObject* pData, POINT point, DROPEFFECT dropEffect)
{
    return DropFilesOnRow(pData, GetListCtrl().HitTest(point), dropEffect);
}

BOOL CBrindlexView::DropFilesOnRow(COleDataObject* pData, int nRow, DROPEFFECT dropEffect)
{
    const CFolderModel& model = GetModel();
    CString target = model.GetFolder();
    if (nRow >= 0 && nRow < model.GetCount() && model.IsFolder(nRow)) {
        CNameRefusal refusal(m_hWnd);
        if (!refusal.Allows(model, nRow)) return FALSE;
        target = model.GetPath(nRow) + "\\";
    }
    CGlobalMemory block(pData ? pData->GetGlobalData(CF_HDROP) : nullptr);
    FILEDROPLIST dropped;
    if (!block.IsValid() || !ReadFileDropBlock(block.Get(), &dropped)) return FALSE;
    // Before the first folder is listed there is nowhere to put them.
    if (target.IsEmpty()) return FALSE;
    if (CWnd* main = AfxGetMainWnd()) ::SetForegroundWindow(main->m_hWnd);
    // New rows come from the change notifications of the folder on show.
    DropPathsInto(m_hWnd, dropped.paths, target, (dropEffect & DROPEFFECT_MOVE) != 0);
    return TRUE;
}
