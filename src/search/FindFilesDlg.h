// CFindFilesDlg: the explorer's modeless Find Files window (template 102). It runs the
// search engine on the user-interface thread; the engine's callback adds the result rows
// and dispatches the thread's messages, so the window stays usable and Search turns into
// Cancel. The object outlives its window: the fields and the finder's results carry over.
#pragma once

#include "fw/Dialog.h"
#include "fw/Handle.h"
#include "fw/ImageList.h"
#include "fw/ListCtrl.h"
#include "search/FileFinder.h"
#include "search/FindFields.h"
#include "search/FindFilesHost.h"
#include "search/ResultList.h"
#include <vector>

struct IconTraits {
    typedef HICON Type;
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { ::DestroyIcon(h); }
};
typedef CHandleT<IconTraits> CIconHandle;

// The result rows, shown by the window's virtual list control: the control holds the
// count and the selection, the rows are here.
class CResultListCtrl : public IResultRows {
public:
    CListCtrl m_list;
    int GetRowCount() const override { return (int)m_data.size(); }
    void AppendRow(const RESULTROW& row) override;
    void DeleteRow(int row) override;
    void DeleteAllRows() override;
    CString GetCellText(int row, int col) const override;

    // While a search adds rows the control's count is brought up to date only when the
    // window is let paint or answer (SyncCount), not after every row.
    void DeferCount(bool bDefer);
    void SyncCount();
    // The control's questions: a row's cells, and type-ahead on the names.
    void GetDispInfo(LVITEMA& item) const;
    int FindName(const char* prefix, int start, bool bPartial, bool bWrap) const;

private:
    std::vector<RESULTROW> m_data;
    bool m_bDeferCount = false;
};

class CFindFilesDlg : public CDialog, public CFindFields {
public:
    CFindFilesDlg();
    ~CFindFilesDlg() override;

    // Creates the window modeless, owned by hParent; host hears of its end.
    BOOL Create(HWND hParent, IFindFilesHost* pHost);

    BOOL IsSearching() const { return m_bSearching; }
    // Stops a running search and destroys the window once it has unwound, then posts
    // WM_CLOSE to hNext (when given); without a search, at once.
    void CloseAfterSearch(HWND hNext);

    void OnSearch();
    void OnBrowse();
    void AddFileToList(const char* path) { m_results.AddFileToList(path); }
    int FindInList(const char* path) const { return m_results.FindInList(path); }
    void SetStatus(int count, const char* folder = nullptr);

    static void FindFilesCallback(CFileFinder* pFinder, int nCode, void* pDlg);

    CFileFinder m_finder;
    BOOL m_bSearching = FALSE;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override { OnSearch(); }
    void OnCancel() override;
    BOOL OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult) override;

    void OnSizeLimits();
    void OnDblClkResults(NMHDR* pNMHDR, LRESULT* pResult);
    void OnRClickResults(NMHDR* pNMHDR, LRESULT* pResult);
    void OnGetDispInfoResults(NMHDR* pNMHDR, LRESULT* pResult);
    void OnFindItemResults(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnClose(WPARAM wp, LPARAM lp);
    LRESULT OnDestroy(WPARAM wp, LPARAM lp);
    LRESULT OnSize(WPARAM wp, LPARAM lp);
    LRESULT OnGetMinMaxInfo(WPARAM wp, LPARAM lp);
    LRESULT OnPaint(WPARAM wp, LPARAM lp);
    LRESULT OnQueryDragIcon(WPARAM wp, LPARAM lp);

    void MakeResizable();
    void EnableSizeFields();
    void PumpMessages();
    CString LongPathOf(const CString& path);

    IFindFilesHost* m_pHost = nullptr;
    CResultListCtrl m_rows;
    HWND m_hStatus = nullptr;  // the status label, 1011
    CResultList m_results;
    CImageList m_rowImages;
    HICON m_hIcon = nullptr;   // large, shared
    CIconHandle m_smallIcon;   // this window's own
    BOOL m_bCloseAfterSearch = FALSE;
    HWND m_hCloseNext = nullptr;
    BOOL m_bQuit = FALSE;      // WM_QUIT met while pumping
    int m_nQuitCode = 0;
    DWORD m_dwLastPump = 0;     // tick of the last look at the queue
    DWORD m_dwLastRowPaint = 0; // tick of the last time the results were let paint while searching
    BOOL m_bStatusDue = FALSE;  // a match or a new folder since the status was last set
    CString m_strLongFolderOf;  // the folder whose long form m_strLongFolder holds
    CString m_strLongFolder;

    DECLARE_MESSAGE_MAP()
};
