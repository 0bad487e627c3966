#include "explorer/list/BrindlexView.h"
#include "res/resource.h"
#include "explorer/BrindlexDoc.h"
#include "explorer/list/SortClass.h"
#include "explorer/ShellIcons.h"
#include "explorer/PaneFont.h"
#include "fw/WinApp.h"
#include "fw/Redraw.h"

bool g_bDetailsShading = false;

BEGIN_MESSAGE_MAP(CBrindlexView, CListView)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
    ON_NOTIFY_REFLECT(LVN_DELETEALLITEMS, OnDeleteAllItems)
    ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, OnGetDispInfo)
    ON_NOTIFY_REFLECT(LVN_ODFINDITEMA, OnFindItem)
    ON_NOTIFY_REFLECT(LVN_ODFINDITEMW, OnFindItemW)
    ON_MESSAGE(LVM_GETITEMA, OnGetItem)
    ON_MESSAGE(LVM_SETITEMA, OnSetItem)
    ON_MESSAGE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
    ON_MESSAGE(WM_PAINT, OnPaintRows)
    ON_MESSAGE(WM_DESTROY, OnDestroy)
    ON_COMMAND(ID_UP, OnUp)
    ON_NOTIFY_REFLECT(NM_RCLICK, OnRClick)
    ON_COMMAND(ID_NEW_FOLDER, OnNewFolder)
    ON_COMMAND(ID_NEW_FILE, OnNewFile)
    ON_COMMAND(ID_OPEN, OnOpen)
    ON_COMMAND(ID_VIEW_FILE, OnView)
    ON_COMMAND(ID_RENAME, OnRename)
    ON_COMMAND(ID_COPY_RENAME, OnCopyRename)
    ON_COMMAND(ID_DELETE, OnDelete)
    ON_COMMAND(ID_RECYCLE, OnRecycle)
    ON_COMMAND(ID_OPEN_WITH, OnOpenWith)
    ON_COMMAND_RANGE(ID_RECENT_PROGRAM_FIRST, ID_RECENT_PROGRAM_LAST, OnRecentProgram)
    ON_COMMAND(ID_REFRESH, OnRefresh)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_NOTIFY_REFLECT(LVN_BEGINDRAG, OnBeginDrag)
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
    ON_NOTIFY_REFLECT(LVN_ODSTATECHANGED, OnODStateChanged)
END_MESSAGE_MAP()

CBrindlexView::~CBrindlexView()
{
    if (CBrindlexDoc* doc = GetDocument()) {
        if (doc->m_pListView == this) doc->m_pListView = nullptr;
        if (doc->m_pFileList == this) doc->m_pFileList = nullptr;
    }
}

CBrindlexDoc* CBrindlexView::GetDocument() const { return static_cast<CBrindlexDoc*>(m_pDocument); }

IFolderTree* CBrindlexView::GetFolderTree() const
{
    CBrindlexDoc* doc = GetDocument();
    return doc ? doc->m_pFolderTree : nullptr;
}

CFolderModel& CBrindlexView::GetModel()
{
    CBrindlexDoc* doc = GetDocument();
    return doc ? doc->m_folder : m_ownModel;
}

const CFolderModel& CBrindlexView::GetModel() const
{
    CBrindlexDoc* doc = GetDocument();
    return doc ? doc->m_folder : m_ownModel;
}

BOOL CBrindlexView::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= LVS_REPORT | LVS_OWNERDATA;
    return CListView::PreCreateWindow(cs);
}

void CBrindlexView::OnInitialUpdate()
{
    g_bDetailsShading = false;
    CWinApp* app = AfxGetApp();
    int listSetting = app ? (int)app->GetProfileInt("settings", "list", 0) : 0;
    CListView::OnInitialUpdate();
    m_dropTarget.Register(this);

    m_font.Attach(CreateTallerTahoma(m_hWnd));
    if (m_font) SendMessage(WM_SETFONT, (WPARAM)(HFONT)m_font, TRUE);

    CListCtrl list = GetListCtrl();
    const DWORD style = LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_NOSORTHEADER;
    list.SetStyleBits(LVS_TYPEMASK | style, style);
    list.SetImageList(g_systemImageList, LVSIL_SMALL);
    list.SetExtendedStyle(LVS_EX_INFOTIP, 0);
    // The dimmed and drop-highlighted states of a row come from the view, with its text and icon.
    SendMessage(LVM_SETCALLBACKMASK, LVIS_CUT | LVIS_DROPHILITED);
    if (CBrindlexDoc* doc = GetDocument()) {
        doc->m_pListView = this;
        doc->m_pFileList = this;
    }

    int w = ::GetSystemMetrics(SM_CXSCREEN) - 222;
    m_nListWidth = w / 3;
    m_nNameWidth = w / 2;
    m_nSizeWidth = m_nCreatedWidth = m_nModifiedWidth = w / 6;

    list.InsertColumn(0, "File Name", LVCFMT_LEFT, m_nNameWidth);
    list.InsertColumn(1, "Size", LVCFMT_LEFT, m_nSizeWidth);
    list.InsertColumn(2, "Created", LVCFMT_LEFT, m_nCreatedWidth);
    list.InsertColumn(3, "Modified", LVCFMT_LEFT, m_nModifiedWidth);

    if (listSetting == 0) {
        list.SetStyleBits(LVS_TYPEMASK, LVS_LIST);
        list.SetColumnWidth(0, m_nListWidth);
    }
}

void CBrindlexView::ShowAsList()
{
    CListCtrl list = GetListCtrl();
    g_bDetailsShading = false;
    list.SetStyleBits(LVS_TYPEMASK, LVS_LIST);
    list.SetColumnWidth(0, m_nListWidth);
}

void CBrindlexView::ShowAsDetails()
{
    CListCtrl list = GetListCtrl();
    g_bDetailsShading = true;
    list.SetStyleBits(LVS_TYPEMASK, LVS_REPORT);
    list.SetColumnWidth(0, m_nNameWidth);
    list.SetColumnWidth(1, m_nSizeWidth);
    list.SetColumnWidth(2, m_nCreatedWidth);
    list.SetColumnWidth(3, m_nModifiedWidth);
    // Shading may have just been turned on with the style unchanged: draw the rows again.
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CBrindlexView::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = CDRF_DODEFAULT;
    if (!g_bDetailsShading) return;
    NMLVCUSTOMDRAW* cd = (NMLVCUSTOMDRAW*)pNMHDR;
    if (cd->nmcd.dwDrawStage == CDDS_PREPAINT) {
        *pResult = CDRF_NOTIFYITEMDRAW;
    } else if (cd->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        cd->clrTextBk = (cd->nmcd.dwItemSpec & 1) ? LIST_SHADE_COLOR : RGB(255, 255, 255);
        *pResult = CDRF_DODEFAULT;
    }
}

// Nobody needs a notification per row when all rows go at once.
void CBrindlexView::OnDeleteAllItems(NMHDR*, LRESULT* pResult) { *pResult = TRUE; }

void CBrindlexView::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    CWaitCursor wait;
    SortRows(((NMLISTVIEW*)pNMHDR)->iSubItem);
    *pResult = 0;
}

void CBrindlexView::SortRows(int nColumn)
{
    CSortClass sorter(this, nColumn, nColumn == 1);
    sorter.Sort(true);
}

LRESULT CBrindlexView::OnPaintRows(WPARAM wp, LPARAM lp)
{
    LRESULT r = DefWindowProc(WM_PAINT, wp, lp);
    // The control may work out its own item width at its first paint with rows, over the
    // width List view set: only List view sets the column there, so it gets it back.
    CListCtrl list = GetListCtrl();
    if (GetViewType() == LVS_LIST && m_nListWidth > 0 && list.GetColumnWidth(0) != m_nListWidth)
        list.SetColumnWidth(0, m_nListWidth);
    return r;
}

LRESULT CBrindlexView::OnLButtonDblClk(WPARAM wp, LPARAM lp)
{
    OpenSelected();
    return DefWindowProc(WM_LBUTTONDBLCLK, wp, lp);
}

void CBrindlexView::OnUp()
{
    if (IFolderTree* tree = GetFolderTree()) tree->SelectParentFolder();
}

void CBrindlexView::OnRefresh()
{
    if (IFolderTree* tree = GetFolderTree()) tree->RebuildTree();
}

LRESULT CBrindlexView::OnDestroy(WPARAM wp, LPARAM lp)
{
    LRESULT r = CListView::OnDestroy(wp, lp);
    m_font.Close();
    return r;
}
