#include "search/ResultList.h"
#include "search/ResultText.h"
#include "util/Path.h"
#include "fw/FileFind.h"
#include "fw/PathParts.h"

// The row takes the size and time from the folder's listing, as the search has it already:
// asking the file itself would open every match (three trips to the file system each), and
// a file another program is writing could not be opened and would show 0 B from 1970.
RESULTROW MakeResultRow(const char* path, const FILEFINDINFO& info)
{
    RESULTROW row;
    CPath p(path);
    row.cells[RESULT_FOLDER] = p.GetLocation();
    // The name is all that follows the folder: the parts leave out the name of ".profile".
    CString whole(path);
    int n = row.cells[RESULT_FOLDER].GetLength();
    row.cells[RESULT_NAME] = whole.Left(n).CompareNoCase(row.cells[RESULT_FOLDER]) == 0 ? whole.Mid(n) : p.GetFileName();
    bool file = !row.cells[RESULT_NAME].IsEmpty() && !(info.attributes & FILE_ATTRIBUTE_DIRECTORY);
    row.cells[RESULT_SIZE] = FormatResultSize(file ? info.size : 0);
    row.cells[RESULT_MODIFIED] = FormatResultTime(file ? CPath::FileTimeToInstant(info.written) : CTime(0));
    return row;
}

RESULTROW MakeResultRow(const char* path)
{
    FILEFINDINFO info = {};
    size_t n = strlen(path);
    // A name with wildcards is no single listing entry.
    if (n > 0 && n < MAX_PATH && *NameOfPath(path) && !strpbrk(path, "*?")) {
        WIN32_FIND_DATAA fd;
        if (CFileFind::FindOne(path, &fd)) info = FindInfoOf(fd);
    }
    return MakeResultRow(path, info);
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

void CResultList::OnMatch(int nListMode, const char* path, const FILEFINDINFO* info)
{
    if (nListMode == LIST_REPLACE || (nListMode == LIST_ADD && FindInList(path) == -1)) {
        AddRow(info ? MakeResultRow(path, *info) : MakeResultRow(path));
    } else if (nListMode == LIST_REMOVE) {
        DeleteRow(FindInList(path));
    }
}
