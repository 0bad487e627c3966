// The rows of the file list: each shows the model's entry of the same index.
#include "explorer/list/BrindlexView.h"
#include "util/PathText.h"
#include "explorer/ShellIcons.h"
#include "explorer/RowCells.h"
#include <shellapi.h>
#include <shlobj.h>

void CBrindlexView::ShowFolder(const char* folder)
{
    GetListCtrl().DeleteAllItems();
    GetModel().Reset(folder);
    m_strFolder = GetModel().GetFolder();
}

void CBrindlexView::DeleteAllEntries() { ShowFolder(m_strFolder); }

int CBrindlexView::InsertRow(int nEntry, const WIN32_FIND_DATAA& fd, const char* folder)
{
    const CFolderEntry& e = GetModel().GetAt(nEntry);
    int icon = 0;
    DWORD shellAttributes = 0;
    CShellIcons::GetRowInfo(JoinPath(folder, fd.cFileName), fd, &icon, &shellAttributes);

    CListCtrl list = GetListCtrl();
    LVITEMA it = {};
    it.mask = LVIF_TEXT | LVIF_IMAGE;
    it.iItem = nEntry;
    it.pszText = (LPSTR)e.strName.c_str();
    it.iImage = icon;
    if (UINT state = RowStateOf(shellAttributes)) {
        it.mask |= LVIF_STATE;
        it.state = it.stateMask = state;
    }
    int row = list.InsertItem(it);
    if (row != nEntry) {
        // The control refused the row: the model must not keep an entry nobody sees.
        if (row >= 0) list.DeleteItem(row);
        GetModel().RemoveAt(nEntry);
        return -1;
    }
    list.SetItemText(row, 1, e.strSize);
    list.SetItemText(row, 2, e.strCreated);
    list.SetItemText(row, 3, e.strModified);
    return row;
}

void CBrindlexView::AddFileEntry(const WIN32_FIND_DATAA& fd, const CString& strFolder)
{
    CFolderModel& model = GetModel();
    if (model.Contains(fd.cFileName)) return;
    // A caller that lists before telling the folder: the model learns it here.
    if (model.GetFolder().IsEmpty() && !strFolder.IsEmpty() && model.GetCount() == 0) {
        model.Reset(strFolder);
        m_strFolder = model.GetFolder();
    }
    int entry = model.Add(fd);
    if (entry >= 0) InsertRow(entry, fd, strFolder);
}

int CBrindlexView::AppendNewEntry(const WIN32_FIND_DATAA& fd, const char* name)
{
    CFolderEntry e = CFolderModel::MakeEntry(fd);
    e.strName = name;
    if (!e.IsFolder()) e.strSize = "0";
    int entry = GetModel().Append(e);
    return InsertRow(entry, fd, m_strFolder);
}

void CBrindlexView::DeleteRow(int nRow)
{
    if (nRow < 0 || nRow >= GetModel().GetCount()) return;
    if (GetListCtrl().DeleteItem(nRow)) GetModel().RemoveAt(nRow);
}

void CBrindlexView::RenameRow(int nRow, const char* newName)
{
    if (nRow < 0 || nRow >= GetModel().GetCount()) return;
    GetModel().Rename(nRow, newName);
    GetListCtrl().SetItemText(nRow, 0, newName);
}

CArray<int> CBrindlexView::GetSelectedRows() const
{
    CArray<int> rows;
    CListCtrl list = GetListCtrl();
    int count = GetModel().GetCount();
    for (int i = list.GetNextItem(-1, LVNI_SELECTED); i >= 0 && i < count; i = list.GetNextItem(i, LVNI_SELECTED))
        rows.Add(i);
    return rows;
}
