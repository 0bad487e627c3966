#include "explorer/tree/LeftView.h"
#include "res/resource.h"
#include "explorer/BrindlexDoc.h"
#include "explorer/ShellIcons.h"
#include "explorer/PaneFont.h"
#include "fw/PathParts.h"
#include "watch/FileWatch.h"
#include <utility>
#include <vector>

BEGIN_MESSAGE_MAP(CLeftView, CTreeView)
    ON_NOTIFY_REFLECT(TVN_ITEMEXPANDINGA, OnItemExpanding)
    ON_NOTIFY_REFLECT(TVN_SELCHANGINGA, OnSelChanging)
    ON_MESSAGE(WM_DESTROY, OnDestroy)
    ON_REGISTERED_MESSAGE(g_uFileWatchNotify, OnFileWatchMessage)  // known once the first watch registered it
    ON_MESSAGE(WM_FOLDER_CHANGES, OnFolderChanges)
    ON_MESSAGE(WM_TIMER, OnTimer)
    ON_COMMAND(ID_REFRESH, OnRefresh)
    ON_COMMAND(ID_UP, OnUp)
    ON_COMMAND(ID_NEW_FOLDER, OnNewFolder)
    ON_COMMAND(ID_NEW_FILE, OnNewFile)
    ON_COMMAND(ID_VIEW_FILE, OnView)
    ON_COMMAND(ID_RENAME, OnRename)
    ON_COMMAND(ID_COPY_RENAME, OnCopyRename)
    ON_COMMAND(ID_DELETE, OnDelete)
    ON_COMMAND(ID_RECYCLE, OnRecycle)
    ON_NOTIFY_REFLECT(NM_RCLICK, OnRClick)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_NOTIFY_REFLECT(TVN_BEGINDRAGA, OnBeginDrag)
END_MESSAGE_MAP()

CLeftView::~CLeftView()
{
    m_folderChanges.Stop();
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

void CLeftView::InitTree()
{
    if (!m_font) {
        m_font.Attach(CreateTallerTahoma(m_hWnd));
        if (m_font) SendMessage(WM_SETFONT, (WPARAM)(HFONT)m_font, TRUE);
    }
    char winDir[256] = "";
    UINT n = ::GetWindowsDirectoryA(winDir, sizeof winDir);
    if (n >= sizeof winDir) winDir[0] = 0;
    int slash = NextSeparator(winDir);
    if (slash >= 0) winDir[slash + 1] = 0;

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

LRESULT CLeftView::OnFileWatchMessage(WPARAM wp, LPARAM lp)
{
    // One re-read brings both panes up to date with every change made before it, so the
    // notices already queued for this window are folded into this one: each watched folder
    // is re-read once, in the order its first notice came. Notices that arrive while the
    // re-read runs stay queued and make one more.
    std::vector<std::pair<WPARAM, CString>> notices;
    notices.emplace_back(wp, TakeFileWatchPath(lp));  // exactly once per message
    MSG msg;
    while (::PeekMessageA(&msg, m_hWnd, g_uFileWatchNotify, g_uFileWatchNotify, PM_REMOVE)) {
        CString path = TakeFileWatchPath(msg.lParam);
        bool known = false;
        for (const auto& n : notices) known = known || n.second.CompareNoCase(path) == 0;
        if (!known) notices.emplace_back(msg.wParam, path);
    }
    for (const auto& n : notices) {
        // The folder on show tells its changes by name: no re-read for its own watch.
        if (IsFolderOnShowFollowed(n.second)) continue;
        OnFileWatchNotify(n.first, n.second);
    }
    return 0;
}

LRESULT CLeftView::OnDestroy(WPARAM wp, LPARAM lp)
{
    m_folderChanges.Stop();
    m_font.Close();
    return CTreeView::OnDestroy(wp, lp);
}

void CLeftView::RemoveWatches()
{
    RemoveFileWatch(m_dwWatchFolder);
    RemoveFileWatch(m_dwWatchParent);
    m_dwWatchFolder = m_dwWatchParent = 0;
}
