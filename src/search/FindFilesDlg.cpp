#include "search/FindFilesDlg.h"
#include "fw/DataExchange.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CFindFilesDlg, CDialog)
    ON_COMMAND(IDC_FIND_BROWSE, OnBrowse)
    ON_COMMAND(IDC_FIND_SIZE_LIMITS, OnSizeLimits)
    ON_NOTIFY(NM_DBLCLK, IDC_FIND_RESULTS, OnDblClkResults)
    ON_NOTIFY(NM_RCLICK, IDC_FIND_RESULTS, OnRClickResults)
    ON_NOTIFY(LVN_GETDISPINFOA, IDC_FIND_RESULTS, OnGetDispInfoResults)
    ON_NOTIFY(LVN_ODFINDITEMA, IDC_FIND_RESULTS, OnFindItemResults)
    ON_NOTIFY(LVN_ODFINDITEMW, IDC_FIND_RESULTS, OnFindItemResults)
    ON_MESSAGE(WM_CLOSE, OnClose)
    ON_MESSAGE(WM_DESTROY, OnDestroy)
    ON_MESSAGE(WM_SIZE, OnSize)
    ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
    ON_MESSAGE(WM_PAINT, OnPaint)
    ON_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
END_MESSAGE_MAP()

CFindFilesDlg::CFindFilesDlg() : CDialog(IDD_FIND_FILES), m_results(m_rows) {}

CFindFilesDlg::~CFindFilesDlg() {}

BOOL CFindFilesDlg::Create(HWND hParent, IFindFilesHost* pHost)
{
    m_pHost = pHost;
    return CDialog::Create(IDD_FIND_FILES, hParent);
}

void CFindFilesDlg::DoDataExchange(CDataExchange* pDX)
{
    // In this order: with both size fields wrong, the upper one is reported and focused.
    DDX_Check(pDX, IDC_FIND_SIZE_LIMITS, m_bSizeLimits);
    DDX_Check(pDX, IDC_FIND_SUBFOLDERS, m_bSubfolders);
    DDX_Text(pDX, IDC_FIND_NAMED, m_strNamed);
    DDX_Text(pDX, IDC_FIND_MAX_KB, m_nMaxKB);
    DDX_Text(pDX, IDC_FIND_MIN_KB, m_nMinKB);
    DDX_Text(pDX, IDC_FIND_LOOK_IN, m_strLookIn);
    DDX_Text(pDX, IDC_FIND_CONTAINING, m_strContaining);
    DDX_Radio(pDX, IDC_FIND_REPLACE, m_nListMode);
}

BOOL CFindFilesDlg::OnInitDialog()
{
    UpdateData(FALSE);
    EnableSizeFields();
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    m_hIcon = ::LoadIconA(hInst, MAKEINTRESOURCEA(IDR_EXPLORER));
    m_smallIcon.Attach((HICON)::LoadImageA(hInst, MAKEINTRESOURCEA(IDR_EXPLORER), IMAGE_ICON, 16, 16, 0));
    SendMessage(WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)m_smallIcon.Get());

    m_rows.m_list.m_hWnd = GetDlgItem(IDC_FIND_RESULTS);
    m_hStatus = GetDlgItem(IDC_FIND_STATUS);
    m_results.Reset();
    if (m_rowImages.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1)) {
        HICON row = ::LoadIconA(hInst, MAKEINTRESOURCEA(IDI_FIND_RESULT));
        if (row) ImageList_AddIcon(m_rowImages, row);
    }
    static const struct { const char* heading; int width; } columns[] = {
        {"Name", 150}, {"In Folder", 200}, {"Size", 60}, {"Modified", 120}};
    for (int i = 0; i < 4; i++) m_rows.m_list.InsertColumn(i, columns[i].heading, LVCFMT_LEFT, columns[i].width);
    m_rows.m_list.SetImageList(m_rowImages, LVSIL_SMALL);
    m_finder.SetCallback(&CFindFilesDlg::FindFilesCallback, this);
    MakeResizable();
    return TRUE;
}

void CFindFilesDlg::EnableSizeFields()
{
    BOOL on = IsDlgButtonChecked(IDC_FIND_SIZE_LIMITS) == BST_CHECKED;
    ::EnableWindow(GetDlgItem(IDC_FIND_MIN_KB), on);
    ::EnableWindow(GetDlgItem(IDC_FIND_MAX_KB), on);
}

void CFindFilesDlg::OnSizeLimits() { EnableSizeFields(); }

void CFindFilesDlg::OnCancel()
{
    if (!m_bSearching) ShowWindow(SW_HIDE);
}

void CFindFilesDlg::CloseAfterSearch(HWND hNext)
{
    if (!m_bSearching) {
        DestroyWindow();
        if (hNext) ::PostMessageA(hNext, WM_CLOSE, 0, 0);
        return;
    }
    m_bCloseAfterSearch = TRUE;
    m_hCloseNext = hNext;
    m_finder.StopSearch();
}

// Destroying the window under a running search would pull it from under the search's own
// handler: the search is stopped first and the window goes when it has unwound.
LRESULT CFindFilesDlg::OnClose(WPARAM, LPARAM)
{
    CloseAfterSearch(nullptr);
    return 0;
}

LRESULT CFindFilesDlg::OnDestroy(WPARAM, LPARAM)
{
    if (m_bSearching) m_finder.StopSearch();
    m_rowImages.DeleteImageList();
    m_rows.m_list.m_hWnd = nullptr;
    m_hStatus = nullptr;
    // The rows go with their window, as the index does.
    m_rows.DeleteAllRows();
    m_results.Reset();
    SendMessage(WM_SETICON, ICON_SMALL, 0);
    m_smallIcon.Close();
    if (m_pHost) m_pHost->OnFindFilesDestroyed();
    return 0;
}
