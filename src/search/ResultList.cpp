#include "search/ResultList.h"
#include "search/ResultText.h"
#include "util/Path.h"

RESULTROW MakeResultRow(const char* path)
{
    RESULTROW row;
    CPath p(path);
    row.cells[RESULT_NAME] = p.GetFileName();
    row.cells[RESULT_FOLDER] = p.GetLocation();
    // One read of the file's information gives both its size and its time.
    p.GetFileInformation();
    const BY_HANDLE_FILE_INFORMATION& info = p.GetFileInfo();
    row.cells[RESULT_SIZE] = FormatResultSize(((unsigned __int64)info.nFileSizeHigh << 32) | info.nFileSizeLow);
    row.cells[RESULT_MODIFIED] = FormatResultTime(CPath::FileTimeToInstant(info.ftLastWriteTime));
    return row;
}

void CResultList::AddFileToList(const char* path) { AddRow(MakeResultRow(path)); }

void CResultList::AddRow(const RESULTROW& row)
{
    m_rows.AppendRow(row);
    m_index.Append(row.cells[RESULT_FOLDER] + row.cells[RESULT_NAME]);
}

int CResultList::FindInList(const char* path) const { return m_index.Find(path); }

void CResultList::DeleteRow(int row)
{
    if (row < 0 || row >= m_rows.GetRowCount()) return;
    m_rows.DeleteRow(row);
    m_index.RemoveRow(row);
}

void CResultList::DeleteAll()
{
    m_rows.DeleteAllRows();
    m_index.Clear();
}

void CResultList::OnMatch(int nListMode, const char* path)
{
    if (nListMode == LIST_REPLACE) {
        AddFileToList(path);
    } else if (nListMode == LIST_ADD) {
        if (FindInList(path) == -1) AddFileToList(path);
    } else if (nListMode == LIST_REMOVE) {
        DeleteRow(FindInList(path));
    }
}
