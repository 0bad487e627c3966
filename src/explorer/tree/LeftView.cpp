#include "explorer/tree/LeftView.h"
#include "res/resource.h"
#include "explorer/BrindlexDoc.h"
#include "explorer/ShellIcons.h"
#include "watch/FileWatch.h"

BEGIN_MESSAGE_MAP(CLeftView, CTreeView)
    ON_NOTIFY_REFLECT(TVN_ITEMEXPANDINGA, OnItemExpanding)
    ON_NOTIFY_REFLECT(TVN_SELCHANGINGA, OnSelChanging)
    ON_MESSAGE(WM_DESTROY, OnDestroy)
    ON_COMMAND(ID_REFRESH, OnRefresh)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_NOTIFY_REFLECT(TVN_BEGINDRAGA, OnBeginDrag)
END_MESSAGE_MAP()

CLeftView::~CLeftView()
{
    RemoveWatches();
    StopFileWatchThread();
    if (CBrindlexDoc* doc = GetDocument()) {
        if (doc->m_pTreeView == this) doc->m_pTreeView = nullptr;
        if (doc->m_pFolderTree == this) doc->m_pFolderTree = nullptr;
    }
}

CBrindlexDoc* CLeftView::GetDocument() const { return static_cast<CBrindlexDoc*>(m_pDocument); }

IFileList* CLeftView::GetFileList() const
{
    CBrindlexDoc* doc = GetDocument();
    return doc ? doc->m_pFileList : nullptr;
}

CFolderModel* CLeftView::GetFolderModel() const
{
    CBrindlexDoc* doc = GetDocument();
    return doc ? &doc->m_folder : nullptr;
}

BOOL CLeftView::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    return CTreeView::PreCreateWindow(cs);
}

void CLeftView::OnInitialUpdate()
{
    m_hStartItem = nullptr;
    m_dropTarget.Register(this);
    GetTreeCtrl().SetImageList(g_systemImageList, TVSIL_NORMAL);
    InitTree();
    CTreeView::OnInitialUpdate();
    if (CBrindlexDoc* doc = GetDocument()) {
        doc->m_pTreeView = this;
        doc->m_pFolderTree = this;
    }
}

// The control's font with the face "Tahoma", one pixel taller.
static HFONT MakeTallerTahoma(HWND hWnd)
{
    HFONT current = (HFONT)::SendMessageA(hWnd, WM_GETFONT, 0, 0);
    if (!current) current = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    LOGFONTA lf = {};
    if (!::GetObjectA(current, sizeof lf, &lf)) return nullptr;
    lstrcpynA(lf.lfFaceName, "Tahoma", LF_FACESIZE);
    lf.lfHeight -= 1;
    return ::CreateFontIndirectA(&lf);
}

void CLeftView::InitTree()
{
    if (!m_font) {
        m_font.Attach(MakeTallerTahoma(m_hWnd));
        if (m_font) SendMessage(WM_SETFONT, (WPARAM)(HFONT)m_font, TRUE);
    }
    char winDir[256] = "";
    UINT n = ::GetWindowsDirectoryA(winDir, sizeof winDir);
    if (n >= sizeof winDir) winDir[0] = 0;
    if (char* slash = strchr(winDir, '\\')) slash[1] = 0;

    CTreeCtrl tree = GetTreeCtrl();
    DWORD drives = ::GetLogicalDrives();
    for (int i = 0; i < 26 && (drives >> i); i++) {
        if (!(drives & (1u << i))) continue;
        char root[4] = "?:\\";
        root[0] = (char)('A' + i);
        int image = 0, selected = 0;
        GetFolderIcons(root, &image, &selected);
        HTREEITEM h = tree.InsertItem(root, image, selected, TVI_ROOT, TVI_SORT);
        if (!h) continue;
        AppendPlaceholder(h);
        if (lstrcmpiA(root, winDir) == 0) m_hStartItem = h;
    }
}

LRESULT CLeftView::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    // The message's id is known only once the first watch registered it.
    if (IsFileWatchNotify(msg)) {
        CString path = TakeFileWatchPath(lp);
        return OnFileWatchNotify(wp, path);
    }
    return CTreeView::WindowProc(msg, wp, lp);
}

LRESULT CLeftView::OnDestroy(WPARAM wp, LPARAM lp)
{
    m_font.DeleteObject();
    return CTreeView::OnDestroy(wp, lp);
}

void CLeftView::RemoveWatches()
{
    RemoveFileWatch(m_dwWatchFolder);
    RemoveFileWatch(m_dwWatchParent);
    m_dwWatchFolder = m_dwWatchParent = 0;
}
