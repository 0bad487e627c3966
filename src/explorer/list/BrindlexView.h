// CBrindlexView: the file list, the right pane of the explorer. It shows the entries of the
// folder the tree selected, one row each: name, size, created, modified. A row is a folder
// exactly when its Size cell is empty.
#pragma once

#include "fw/ListView.h"
#include "fw/Handle.h"
#include "explorer/list/NameIndex.h"

class CBrindlexDoc;
class CLeftView;

extern bool g_bDetailsShading;  // alternating row shading in Details

// Background of odd rows while shading is on.
const COLORREF LIST_SHADE_COLOR = RGB(240, 240, 255);

class CBrindlexView : public CListView {
public:
    CBrindlexView() {}
    ~CBrindlexView() override;

    CBrindlexDoc* GetDocument() const;
    CLeftView* GetTreeView() const;

    // Appends a row for the entry unless a row of that name (ignoring case) exists.
    void AddFileEntry(const WIN32_FIND_DATAA& fd, const CString& strFolder);
    void DeleteAllEntries();
    // Whether a row of that name exists, ignoring case; no walk over the rows.
    bool HasEntry(const char* name) const { return m_index.Contains(name); }

    // The view modes of the View menu, with the computed column widths.
    void ShowAsList();
    void ShowAsDetails();
    // LVS_LIST (3) or LVS_REPORT (1).
    DWORD GetViewType() const { return GetListCtrl().GetStyle() & LVS_TYPEMASK; }

    // Opens the selected rows: the first, when a folder, in the tree; the rest with their programs.
    void OpenSelected();

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void OnInitialUpdate() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

    CFont m_font;
    CString m_strFolder;  // the folder on show, always ending with a backslash
    int m_nListWidth = 0;
    int m_nNameWidth = 0;
    int m_nSizeWidth = 0;
    int m_nCreatedWidth = 0;
    int m_nModifiedWidth = 0;

protected:
    void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDeleteAllItems(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnLButtonDblClk(WPARAM wp, LPARAM lp);
    LRESULT OnDestroy(WPARAM wp, LPARAM lp);
    void OnUp();
    void OnRefresh();

    // Keeps m_index in step with every change of the rows' names, whoever makes it.
    LRESULT TrackRowNames(UINT msg, WPARAM wp, LPARAM lp);

    CNameIndex m_index;

    DECLARE_MESSAGE_MAP()
};
