#include "search/FindFilesDlg.h"
#include "search/ResultText.h"
#include "fw/PathParts.h"
#include "fw/Redraw.h"
#include "res/resource.h"
#include "util/PathText.h"

void CFindFilesDlg::OnSearch()
{
    if (m_bSearching) {
        m_finder.StopSearch();
        return;
    }
    FILEFINDPARAMS params;
    if (!UpdateData(TRUE)) return;
    if (!MakeParams(params)) {
        char text[256] = "";
        ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_INVALID_PARAMETER,
                         0, text, sizeof text, nullptr);
        MessageBox(text, nullptr, MB_OK | MB_ICONSTOP);
        return;
    }
    SetDlgItemText(IDC_FIND_LOOK_IN, m_strLookIn);
    if (m_nListMode == LIST_REPLACE) {
        m_results.DeleteAll();
        SetStatus(0);
    }

    m_bSearching = TRUE;
    m_strLongFolderOf.Empty();
    SetDlgItemText(IDOK, "Cancel");
    m_finder.RemoveAll();
    // A Look in that is no folder (a file, a device, a missing path) finds nothing.
    if (IsSearchableFolder(m_strLookIn.IsEmpty() ? "" : CPath::AddBackslash(m_strLookIn))) {
        // Painting the results after every row would cost far more than finding them: they
        // paint a few times a second while the search runs, and once at its end.
        SetRedraw(m_rows.m_list.m_hWnd, false);
        m_rows.DeferCount(true);
        m_dwLastRowPaint = ::GetTickCount();
        m_bStatusDue = FALSE;
        m_finder.FindFiles(params);
        m_rows.DeferCount(false);
        if (m_hWnd) SetRedraw(m_rows.m_list.m_hWnd, true);
    }
    m_bSearching = FALSE;

    if (!m_hWnd) return;  // destroyed with its owner while searching
    if (m_bCloseAfterSearch) {
        m_bCloseAfterSearch = FALSE;
        HWND next = m_hCloseNext;
        m_hCloseNext = nullptr;
        DestroyWindow();
        if (next) ::PostMessageA(next, WM_CLOSE, 0, 0);
    } else {
        SetDlgItemText(IDOK, "Search");
        SetStatus(m_finder.GetFileCount());
    }
    if (m_bQuit) {
        m_bQuit = FALSE;
        ::PostQuitMessage(m_nQuitCode);
    }
}

void CFindFilesDlg::SetStatus(int count, const char* folder)
{
    ::SetWindowTextA(m_hStatus, FormatFindStatus(count, folder));
}

static const DWORD kPumpIntervalMs = 10;
static const DWORD kRowPaintIntervalMs = 250;

void CFindFilesDlg::FindFilesCallback(CFileFinder* pFinder, int nCode, void* pDlg)
{
    CFindFilesDlg* dlg = (CFindFilesDlg*)pDlg;
    if (!dlg->m_hWnd) {
        // The window went while searching: nothing to show, the search only unwinds.
        pFinder->StopSearch();
        return;
    }
    if (nCode == FIND_NOTIFY_MATCH) {
        // The path as the engine found it: its parts would drop a name like ".profile".
        CString path = dlg->LongPathOf(pFinder->GetFilePath(pFinder->GetFileCount() - 1).GetPath(TRUE));
        dlg->m_results.OnMatch(dlg->m_nListMode, path, &pFinder->GetMatchInfo());
    }
    if (nCode == FIND_NOTIFY_MATCH || nCode == FIND_NOTIFY_FOLDER) dlg->m_bStatusDue = TRUE;
    // Each look at the queue is a trip to the window server and paints the list and the
    // status: a content scan reports every kilobyte or so, and a wide search matches
    // thousands of files a second. The queue waits a few milliseconds between looks, which
    // the user never notices and the search does.
    DWORD now = ::GetTickCount();
    if (now - dlg->m_dwLastPump < kPumpIntervalMs) return;
    dlg->m_dwLastPump = now;
    // The status is brought up to date whenever the window can be seen or asked, not after
    // every match: a new text is a trip to the server and a paint of its own.
    if (dlg->m_bStatusDue) {
        dlg->m_bStatusDue = FALSE;
        dlg->SetStatus(pFinder->GetFileCount(), pFinder->GetSearchingFolder());
    }
    // Whatever the window answers meanwhile sees all the rows found so far.
    dlg->m_rows.SyncCount();
    bool bPaintRows = now - dlg->m_dwLastRowPaint >= kRowPaintIntervalMs;
    if (bPaintRows) {
        dlg->m_dwLastRowPaint = now;
        SetRedraw(dlg->m_rows.m_list.m_hWnd, true);
    }
    dlg->PumpMessages();
    if (bPaintRows && dlg->m_hWnd && dlg->m_bSearching) SetRedraw(dlg->m_rows.m_list.m_hWnd, false);
}

// The engine's names come from the folder's listing and are long already: only the folder
// part is converted, once per folder.
CString CFindFilesDlg::LongPathOf(const CString& path)
{
    const char* name = NameOfPath(path);
    if (name == path.c_str() || !*name) {
        CString whole = CPath(path).GetLongPath();
        return whole.IsEmpty() ? path : whole;  // gone again already
    }
    CString folder = ParentOfPath(path);
    if (folder != m_strLongFolderOf) {
        m_strLongFolderOf = folder;
        m_strLongFolder = CPath(folder).GetLongPath();
        if (m_strLongFolder.IsEmpty()) m_strLongFolder = folder;
        m_strLongFolder = WithBackslash(m_strLongFolder);
    }
    return m_strLongFolder + name;
}

// Every waiting message of the thread, without dialog keys or accelerators.
void CFindFilesDlg::PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The application is ending: stop, and hand the quit on once the search is over.
            m_bQuit = TRUE;
            m_nQuitCode = (int)msg.wParam;
            m_finder.StopSearch();
            return;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
