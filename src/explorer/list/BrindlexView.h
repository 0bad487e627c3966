// CBrindlexView: the file list, the right pane of the explorer. A virtual list control over
// the document's folder model: the control knows only the count and the selection, and asks
// for each row's name, size, created, modified and icon as it draws it. Every change of the
// rows goes through the model, so row i is always entry i.
#pragma once

#include "fw/ListView.h"
#include "fw/Handle.h"
#include "fw/OleDropTarget.h"
#include "explorer/FolderModel.h"
#include "explorer/PaneLinks.h"
#include "explorer/list/RowLooks.h"

class CBrindlexDoc;

extern bool g_bDetailsShading;

// Holds a list's selection changes as moves of the selection with its entries.
class CSelectionMove {
public:
    explicit CSelectionMove(int& nMoves) : m_nMoves(nMoves) { m_nMoves++; }
    ~CSelectionMove() { m_nMoves--; }
    CSelectionMove(const CSelectionMove&) = delete;
    CSelectionMove& operator=(const CSelectionMove&) = delete;

private:
    int& m_nMoves;
};  // alternating row shading in Details

// Background of odd rows while shading is on.
const COLORREF LIST_SHADE_COLOR = RGB(240, 240, 255);

class CBrindlexView : public CListView, public IFileList {
public:
    CBrindlexView() {}
    ~CBrindlexView() override;

    CBrindlexDoc* GetDocument() const;
    // The tree, through the document (null while there is none).
    IFolderTree* GetFolderTree() const;
    // The entries the rows show: the document's, or the view's own without a document.
    CFolderModel& GetModel();
    const CFolderModel& GetModel() const;

    // IFileList
    void ShowFolder(const char* folder) override;
    bool ListFolder(const char* folder) override;
    void AddFileEntry(const WIN32_FIND_DATAA& fd, const CString& strFolder) override;
    void SortRows(int nColumn) override;
    void DeleteRow(int nRow) override;
    void DeleteRows(const std::vector<int>& rows) override;
    // Renames a row in place (no re-sort).
    void RenameRow(int nRow, const char* newName) override;
    void UpdateRow(int nRow, const WIN32_FIND_DATAA& fd) override;
    HWND GetListWindow() const override { return m_hWnd; }
    void HoldRowCount(bool bHold) override;
    // Makes a file or folder of that name (one leading and one trailing backslash dropped) in
    // the folder on show and appends its row; returns the row or -1 (after a message).
    int CreateNewItem(const char* name, bool bFolder) override;
    // Starts this program in viewer mode for each selected file.
    void ViewSelected() override;
    void FolderMoved() override { m_strFolder = GetModel().GetFolder(); }
    void KeepSelectionOnFiles(const std::vector<CString>& changedNames, bool bAllSelected) override;

    void DeleteAllEntries();
    // Appends a row for an entry just made by a command: name as given, no look for an
    // existing row of that name; a file shows the size "0". Returns the row or -1.
    int AppendNewEntry(const WIN32_FIND_DATAA& fd, const char* name);
    // Whether a row of that name exists, ignoring case; no walk over the rows.
    bool HasEntry(const char* name) const { return GetModel().Contains(name); }
    // The first row of that name ignoring case, or -1.
    int FindRow(const char* name) const { return GetModel().Find(name); }
    bool IsFolderRow(int nRow) const { return GetModel().IsFolder(nRow); }
    // The folder on show followed by the row's name.
    CString GetEntryPath(int nRow) const { return GetModel().GetPath(nRow); }
    // The selected rows in row order, and their entries' full paths.
    CArray<int> GetSelectedRows() const;
    CArray<CString> GetSelectedPaths() const { return GetModel().GetPaths(GetSelectedRows()); }

    // The selected rows (the first alone when bFirstOnly) that still name the files they
    // showed when selected; each of the others is deselected, and the user is told "X has
    // changed since it was listed.".
    CArray<int> GetUnchangedSelectedRows(bool bFirstOnly = false);
    // The first selected row when it still names its file, else -1 (told as above).
    int GetFirstUnchangedSelectedRow();
    // Selection changes made by the list itself move a selection with its entry: the file the
    // entry showed stays its own. Held while such changes are made.
    int m_nSelectionMoves = 0;
    // Files whose rows lost the selection when their names went to other files: the changes
    // that tell where they went may come in a later batch.
    std::vector<CFileIdentity> m_lostSelections;

    // The view modes of the View menu, with the computed column widths.
    void ShowAsList();
    void ShowAsDetails();
    // LVS_LIST (3) or LVS_REPORT (1).
    DWORD GetViewType() const { return GetListCtrl().GetStyle() & LVS_TYPEMASK; }

    // Opens the selected rows: the first, when a folder, in the tree; the rest with their programs.
    void OpenSelected();
    // Opens the selected files with recent program k (1 to 8) of Open With.
    void OpenWithRecentProgram(int k);
    // The context menu with the recent programs under Open With; *pPopup is its popup.
    HMENU LoadListContextMenu(HMENU* pPopup);

    // The shell's context menu of the named entries of strFolder (ending with a backslash) at
    // screen (x, y); the Find Files dialog uses it through the frame as well.
    void ShowShellContextMenu(const CString& strFolder, const CArray<CString>& names, int x, int y);

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void OnInitialUpdate() override;

    // Clipboard and drag and drop of files.
    void OnEditCopy();
    void OnEditPaste();
    DROPEFFECT OnDragEnter(COleDataObject* pData, DWORD dwKeyState, POINT point) override;
    DROPEFFECT OnDragOver(COleDataObject* pData, DWORD dwKeyState, POINT point) override;
    void OnDragLeave() override;
    BOOL OnDrop(COleDataObject* pData, DROPEFFECT dropEffect, POINT point) override;
    // Copies (or moves) the data's files into the folder row at point, or into the folder on
    // show. 1 when a file-drop block was read.
    BOOL DropFiles(COleDataObject* pData, POINT point, DROPEFFECT dropEffect);
    BOOL DropFilesOnRow(COleDataObject* pData, int nRow, DROPEFFECT dropEffect);
    // Sets the drop highlight on one row (none: -1).
    void SetDropHighlight(int nRow);

    CFont m_font;
    COleDropTarget m_dropTarget;
    CString m_strFolder;  // the model's folder: the one on show, always ending with a backslash
    int m_nListWidth = 0;
    int m_nNameWidth = 0;
    int m_nSizeWidth = 0;
    int m_nCreatedWidth = 0;
    int m_nModifiedWidth = 0;

protected:
    void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDeleteAllItems(NMHDR* pNMHDR, LRESULT* pResult);
    void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    void OnFindItem(NMHDR* pNMHDR, LRESULT* pResult);
    void OnFindItemW(NMHDR* pNMHDR, LRESULT* pResult);
    // Item data lives in m_rowLooks: the virtual control keeps none.
    LRESULT OnGetItem(WPARAM wp, LPARAM lp);
    LRESULT OnSetItem(WPARAM wp, LPARAM lp);
    LRESULT OnLButtonDblClk(WPARAM wp, LPARAM lp);
    LRESULT OnPaintRows(WPARAM wp, LPARAM lp);
    LRESULT OnDestroy(WPARAM wp, LPARAM lp);
    void OnUp();
    void OnNewFolder();
    void OnNewFile();
    void OnOpen() { OpenSelected(); }
    void OnView() { ViewSelected(); }
    void OnRename();
    void OnCopyRename();
    void OnDelete();
    void OnRecycle();
    void OnOpenWith();
    void OnRecentProgram(UINT nID);
    void OnRClick(NMHDR* pNMHDR, LRESULT* pResult);
    // A row selected by the user keeps the identity of the file it shows; a row deselected
    // forgets it.
    void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnODStateChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void NoteSelection(int nFirst, int nLast, bool bSelected);
    int GetFirstSelectedRow() const;
    // Delete of one row: a file through the shell, a folder after a question.
    void DeleteOneRow(int nRow);
    void OnRefresh();
    void OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult);
    // Removes the rows of these names of the folder whose entries are gone from the disk.
    void DeleteRowsOfVanishedEntries(const CString& folder, const CArray<CString>& names);

    // The control's count follows the model's; the rows already there stay as they are.
    void SyncRowCount();
    // The shell's icon and ghosted state of an entry, asked once, when first shown.
    void LookUpShellInfo(int nEntry);

    CFolderModel m_ownModel;  // for a view without a document
    CRowLooks m_rowLooks;     // icons, dimmed state and item data of the model's entries
    int m_nDropRow = -1;      // the row drawn drop-highlighted
    int m_nCountHolds = 0;    // HoldRowCount nesting

    DECLARE_MESSAGE_MAP()
};
