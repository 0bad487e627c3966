// CLeftView: the folder tree, the left pane of the explorer. One root per logical drive;
// a folder's sub-folders are read when it is expanded and dropped when it is collapsed.
// The selected item is the folder on show in the file list, watched with its parent.
#pragma once

#include "fw/TreeView.h"
#include "fw/Handle.h"
#include "fw/OleDropTarget.h"
#include "fw/FileFind.h"
#include "explorer/PaneLinks.h"
#include "watch/FolderChanges.h"
#include <vector>

class CBrindlexDoc;
class CFolderModel;

class CLeftView : public CTreeView, public IFolderTree {
public:
    CLeftView() {}
    ~CLeftView() override;

    CBrindlexDoc* GetDocument() const;
    // The file list and the entries it shows, through the document (null without one).
    IFileList* GetFileList() const;
    CFolderModel* GetFolderModel() const;

    // The folder an item stands for: its text under its ancestors' texts ("C:\Data\Sub"; "C:\").
    CString GetItemPath(HTREEITEM hItem) const;
    // bTreeOnly: inserts the folder's sub-folders under item and returns how many; otherwise
    // lists the folder's entries into the file list, sorted by name, and returns 0.
    int FillFolder(HTREEITEM hItem, const CString& strFolderPath, bool bTreeOnly);
    // Whether the folder has a sub-folder entry (hidden and system ones count).
    static bool HasSubfolders(const char* folderPath);
    int DeleteChildren(HTREEITEM hItem);
    // One root item per logical drive, each with a placeholder child.
    void InitTree();

    // IFolderTree: children of the selected item, by name ignoring case.
    void AddChildFolder(const char* name) override;
    void RemoveChildFolder(const char* name) override;
    void RenameChildFolder(const char* oldName, const char* newName) override;
    void SelectChildFolder(const char* name) override;
    void SelectParentFolder() override;
    // Throws the tree away, fills it again and walks back down to the selected folder.
    void RebuildTree() override;
    // A "FileWatchNotify" for the watch whose path is notifiedPath.
    LRESULT OnFileWatchNotify(WPARAM wp, const CString& notifiedPath);
    // The shell's context menu of the selected folder (of the drive at a root) at (x, y).
    void ShowSelectedFolderShellMenu(int x, int y);

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void OnInitialUpdate() override;
    void OnDraw(HDC) override {}

    // Clipboard and drag and drop of folders.
    void OnEditCopy();
    void OnEditPaste();
    DROPEFFECT OnDragEnter(COleDataObject* pData, DWORD dwKeyState, POINT point) override;
    DROPEFFECT OnDragOver(COleDataObject* pData, DWORD dwKeyState, POINT point) override;
    void OnDragLeave() override;
    BOOL OnDrop(COleDataObject* pData, DROPEFFECT dropEffect, POINT point) override;
    // Copies (or moves) the data's files into the item's folder; dropped folders get items.
    // False when there is no item or no file-drop block.
    bool DropOnItem(COleDataObject* pData, HTREEITEM hTarget, DROPEFFECT dropEffect);
    // The item shown for a path ("T:\Data\Sub"), found through the loaded items; none if not loaded.
    HTREEITEM FindItemByPath(const char* path) const;

    CString m_strCurrentPath;         // the selected folder, as GetItemPath gives it
    int m_bRedirectSelection = 1;     // the next selection change goes to m_hStartItem
    HTREEITEM m_hStartItem = nullptr;
    DWORD m_dwWatchFolder = 0;        // watch on the selected folder
    DWORD m_dwWatchParent = 0;        // watch on its parent
    int m_bSkipNextNotify = 0;        // set by the tree's own Rename
    CFont m_font;
    COleDropTarget m_dropTarget;
    // The names that change in the folder on show; the list follows them one by one.
    CFolderChanges m_folderChanges;

protected:
    void OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSelChanging(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnDestroy(WPARAM wp, LPARAM lp);
    LRESULT OnFileWatchMessage(WPARAM wp, LPARAM lp);
    // Changes of the folder on show by name: the rows and the selected item's children of
    // just those names; lost changes or a folder gone make the full re-read.
    LRESULT OnFolderChanges(WPARAM wp, LPARAM lp);
    // The end of a burst of changes: the rows are checked against the whole folder.
    LRESULT OnTimer(WPARAM wp, LPARAM lp);
    // Brings the rows and children of some names of the folder on show up to date with the disk.
    void ApplyNames(const std::vector<FOLDERCHANGE>& changes, size_t first, size_t last);
    // Moves the changes the watch by name has for us to m_changesToApply; true when some
    // were lost on the way.
    bool TakeFolderChanges();
    // The notice of a folder watch on path needs no re-read: the folder on show is followed
    // by name and is not on its way out.
    bool IsFolderOnShowFollowed(const CString& path);
    // Watches the names of the folder about to be listed (none without a list).
    void WatchFolderOnShow(const CString& path);
    void OnRefresh() { RebuildTree(); }
    void OnUp() { SelectParentFolder(); }
    void OnNewFolder();
    void OnNewFile();
    void OnView();
    void OnRename();
    void OnCopyRename();
    void OnDelete();
    void OnRecycle();
    void OnRClick(NMHDR* pNMHDR, LRESULT* pResult);
    // The selected item unless it is a drive root (those are never changed), or none.
    HTREEITEM GetSelectedFolderItem() const;
    void OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult);

    // A folder item under hParent (sorted, or at the end when bSorted is false) with the
    // icons of fullPath and a placeholder child when that folder has sub-folders. attributes:
    // the folder's own as enumerated, or INVALID_FILE_ATTRIBUTES.
    HTREEITEM InsertFolderItem(HTREEITEM hParent, const char* name, const char* fullPath,
                               DWORD attributes = INVALID_FILE_ATTRIBUTES, bool bSorted = true);
    void AppendPlaceholder(HTREEITEM hItem);
    // Programmatic expansion that always reads the folder, even after an earlier collapse.
    BOOL ExpandItem(HTREEITEM hItem);
    // Its next visible item is its first child.
    bool IsExpanded(HTREEITEM hItem) const;
    void RemoveWatches();
    // The watches of the folder on show and of its parent. A selection change skips the root
    // of a removable drive (bSkipRemovableRoots); a refresh re-arms them wherever they are.
    void ArmSelectionWatches(HTREEITEM hItem, const CString& path, bool bSkipRemovableRoots);

    std::vector<FOLDERCHANGE> m_changesToApply;  // taken, not yet applied (a burst goes in slices)
    bool m_bRereadFolderOnShow = false;          // the folder on show was made anew: read it whole
    size_t m_nBurstChanges = 0;                  // changes taken since the last check of a burst
    enum { BURST_TIMER = 0x4246 };  // apart from the tree control's own timers
    HTREEITEM m_hDeletedOnExpand = nullptr;  // the item an expansion found gone and deleted
    bool m_bCollapsingNoMedium = false;      // our own collapse of a drive without a medium

    DECLARE_MESSAGE_MAP()
};

// The icons of a path in the system small-icon list: normal and open; 0 when unknown.
void GetFolderIcons(const char* path, int* pImage, int* pSelectedImage);
// The entry exists (file or folder), looked up without wildcards of our own.
bool PathExists(const char* path);
// Folders that are directory + hidden + system and nothing else stay out of both panes.
inline bool IsHiddenSystemFolder(DWORD attributes)
{
    return attributes == (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
}
// The name a folder's item shows and its path is made of: the short name when the entry's
// own is not one of the code page; null for an entry no name of ours reaches (no item).
inline const char* TreeNameOf(const WIN32_FIND_DATAA& fd)
{
    DWORD use = NameUseOf(fd);
    return use == FIND_NAME_OWN ? fd.cFileName : use == FIND_NAME_SHORT ? fd.cAlternateFileName : nullptr;
}
inline bool IsDots(const char* name) { return !strcmp(name, ".") || !strcmp(name, ".."); }
