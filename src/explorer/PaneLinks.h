// What one explorer pane may ask of the other. The document hands these out, so the file
// list and the folder tree never know each other's classes.
#pragma once

#include "fw/afx.h"
#include <vector>

// The file list, as the tree and the commands see it.
class IFileList {
public:
    // Empties the list: the entries of folder are added next.
    virtual void ShowFolder(const char* folder) = 0;
    // Lists the folder's entries sorted by name (the model reads the folder). Listing the
    // folder on show again keeps the same entries selected and focused and the same entry at
    // the top. False when the folder cannot be read.
    virtual bool ListFolder(const char* folder) = 0;
    // Appends a row for the entry unless a row of that name (ignoring case) exists.
    virtual void AddFileEntry(const WIN32_FIND_DATAA& fd, const CString& strFolder) = 0;
    // Sorts the rows by a column, as a click on its header does (column 0: by name).
    virtual void SortRows(int nColumn) = 0;
    virtual void DeleteRow(int nRow) = 0;
    // Deletes many rows at once (ascending, each once); the others keep their selection.
    virtual void DeleteRows(const std::vector<int>& rows) = 0;
    // The row keeps its place with a new name, or with new directory data.
    virtual void RenameRow(int nRow, const char* newName) = 0;
    virtual void UpdateRow(int nRow, const WIN32_FIND_DATAA& fd) = 0;
    virtual HWND GetListWindow() const = 0;
    // Many rows at once: while held, the control learns the new row count only once, at the
    // last release (the platform's list view may measure every row when its count changes).
    virtual void HoldRowCount(bool bHold) = 0;
    // New Folder / New File into the folder on show: returns the new row or -1.
    virtual int CreateNewItem(const char* name, bool bFolder) = 0;
    // View: this program in viewer mode for each selected file.
    virtual void ViewSelected() = 0;
    // The model's folder was renamed under the list: it takes the new path.
    virtual void FolderMoved() = 0;
    // Rows of changedNames (every selected row when bAllSelected) may name other files now: a
    // selected row whose file changed loses its selection, which goes to the row of
    // changedNames now holding that file, if any.
    virtual void KeepSelectionOnFiles(const std::vector<CString>& changedNames, bool bAllSelected) = 0;

protected:
    ~IFileList() = default;
};

// Holds the row count of a list for its life.
class CRowCountHold {
public:
    explicit CRowCountHold(IFileList* list) : m_list(list) { if (m_list) m_list->HoldRowCount(true); }
    ~CRowCountHold() { if (m_list) m_list->HoldRowCount(false); }
    CRowCountHold(const CRowCountHold&) = delete;
    CRowCountHold& operator=(const CRowCountHold&) = delete;

private:
    IFileList* m_list;
};

// The folder tree, as the list sees it. Names are bare names of children of the folder on
// show, compared ignoring case.
class IFolderTree {
public:
    virtual void AddChildFolder(const char* name) = 0;
    virtual void RemoveChildFolder(const char* name) = 0;
    virtual void RenameChildFolder(const char* oldName, const char* newName) = 0;
    // Selects the child: the tree lists it into the file list.
    virtual void SelectChildFolder(const char* name) = 0;
    // Up: selects the parent of the folder on show; nothing at a drive.
    virtual void SelectParentFolder() = 0;
    // Refresh: throws the tree away and walks back down to the folder on show.
    virtual void RebuildTree() = 0;

protected:
    ~IFolderTree() = default;
};
