// CResultList: the rows of the Find Files window as the search fills them, over any list
// of rows (the window's list control, or a plain model in tests): one row per match with
// Name, In Folder, Size and Modified, and the list modes Replace, Add and Remove. The rows'
// paths are kept in an index in step with the rows, so a lookup never walks them.
#pragma once

#include "fw/afx.h"
#include "search/FileFinder.h"
#include "search/PathIndex.h"

// Columns of a result row.
enum { RESULT_NAME = 0, RESULT_FOLDER = 1, RESULT_SIZE = 2, RESULT_MODIFIED = 3 };
// The list modes (radio buttons Replace list, Add to list, Remove from list).
enum { LIST_REPLACE = 0, LIST_ADD = 1, LIST_REMOVE = 2 };

struct RESULTROW {
    CString cells[4];
};

class IResultRows {
public:
    virtual int GetRowCount() const = 0;
    virtual void AppendRow(const RESULTROW& row) = 0;
    virtual void DeleteRow(int row) = 0;
    virtual void DeleteAllRows() = 0;
    virtual CString GetCellText(int row, int col) const = 0;

protected:
    ~IResultRows() {}
};

// The cells of a result row for the path: its name and folder, and the size and last-write
// time its folder's listing gives. A folder, and a path no longer listed, show 0 B and the
// zero instant.
RESULTROW MakeResultRow(const char* path, const FILEFINDINFO& info);
// The same with the listing read for the path.
RESULTROW MakeResultRow(const char* path);

class CResultList {
public:
    explicit CResultList(IResultRows& rows) : m_rows(rows) {}
    CResultList(const CResultList&) = delete;
    CResultList& operator=(const CResultList&) = delete;

    void AddFileToList(const char* path);
    void AddRow(const RESULTROW& row);
    // The first row whose In Folder followed by Name equals path ignoring case, or -1.
    int FindInList(const char* path) const;
    void DeleteRow(int row);
    void DeleteAll();
    // One match of the search, in the given list mode; info is what the search's listing
    // said of it (read anew when not given).
    void OnMatch(int nListMode, const char* path, const FILEFINDINFO* info = nullptr);
    // The index forgets everything: the rows are gone with their window.
    void Reset() { m_index.Clear(); }

private:
    IResultRows& m_rows;
    CPathIndex m_index;
};
