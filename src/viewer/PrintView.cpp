#include "viewer/PrintView.h"
#include "viewer/BrindlexDlg.h"
#include "viewer/PrintLayout.h"
#include "viewer/PrintProgress.h"
#include "viewer/ViewerState.h"
#include "viewer/ViewerFonts.h"
#include "viewer/AddedBreaks.h"
#include "fw/Handle.h"
#include "fw/WinApp.h"
#include <richedit.h>

BOOL SplitPrinterDevice(const char* entry, CString& device, CString& driver)
{
    CString s(entry);
    int port = s.ReverseFind(',');
    if (port < 0) return FALSE;
    s = s.Left(port);
    int drv = s.ReverseFind(',');
    if (drv < 0) return FALSE;
    driver = s.Mid(drv + 1);
    device = s.Left(drv);
    return !device.IsEmpty() && !driver.IsEmpty();
}

int PrintPages(IPageSource& src, long start, long total, int mode)
{
    int page = 1, printed = 0;
    while (start < total) {
        src.BeginPage(page);
        printed++;
        long next = src.FormatPage(start, total);
        if (next <= start) return printed + src.FinishWithoutControl(start, total, page, mode);
        if (!src.EndPage() || mode == 1) break;
        start = next;
        page++;
    }
    return printed;
}

namespace {

class CControlPageSource : public IPageSource {
public:
    CControlPageSource(HDC hdc, const RECT& rcTwips, CPrintProgressDlg* progress)
        : m_hdc(hdc), m_rc(rcTwips), m_progress(progress)
    {
    }

    // Whether the job stopped before its end.
    bool Stopped() const { return m_bStopped; }

    void BeginPage(int page) override
    {
        if (m_progress) m_progress->ShowPage(page);
        ::StartPage(m_hdc);
        // GDI's "A" text functions take the system's code page, whatever the process's own is.
        wchar_t path[VIEWER_PATH_SIZE];
        if (!::MultiByteToWideChar(CP_ACP, 0, g_szViewedPath, -1, path, VIEWER_PATH_SIZE)) path[0] = L'\0';
        wchar_t header[VIEWER_PATH_SIZE + 32];
        int n = _snwprintf(header, ARRAYSIZE(header), L"%ls  -  Page %d", path, page);
        if (n < 0) n = 0;
        ::TextOutW(m_hdc, 0, 0, header, n);
    }

    long FormatPage(long start, long total) override
    {
        FORMATRANGE fr = {};
        fr.hdc = fr.hdcTarget = m_hdc;
        fr.rc = m_rc;
        ::GetClientRect(g_richEdit, &fr.rcPage);
        fr.chrg.cpMin = start;
        fr.chrg.cpMax = total;
        long next = g_richEdit.FormatRange(&fr, TRUE);
        g_richEdit.DisplayBand(fr.rc);
        return next;
    }

    bool EndPage() override
    {
        if (::EndPage(m_hdc) <= 0) m_bStopped = true;
        if (g_richEdit) g_richEdit.FormatRange(nullptr, FALSE);
        // The window answers, and the user may cancel, while the pages go to the printer.
        if (m_progress && !m_progress->Pump()) m_bStopped = true;
        return !m_bStopped;
    }

    int FinishWithoutControl(long start, long total, int page, int mode) override
    {
        g_richEdit.FormatRange(nullptr, FALSE);
        std::wstring text = GetControlText(start, total);
        HFONT font = g_bHexMode ? g_hexFont.Get() : g_textFont.Get();  // the control's font
        CPrintLayout layout(m_hdc, m_rc, font, g_bHexMode == 0);
        int extra = 0;
        const wchar_t* p = text.c_str();
        for (;;) {
            p = layout.DrawPage(p);
            if (!EndPage() || mode == 1 || !*p) break;
            ++extra;
            BeginPage(page + extra);
        }
        return extra;
    }

private:
    // The text as the file holds it: a long line prints as the page's width wraps it.
    static std::wstring GetControlText(long start, long total)
    {
        return SectionTextOf(g_richEdit, start, total, false);
    }

    HDC m_hdc;
    RECT m_rc;
    CPrintProgressDlg* m_progress;
    bool m_bStopped = false;
};

}  // namespace

void PrintView(int mode)
{
    if (!g_richEdit) return;
    char entry[81] = "";
    ::GetProfileStringA("windows", "device", "", entry, sizeof entry);
    CString device, driver;
    CDcHandle dc;
    if (SplitPrinterDevice(entry, device, driver)) dc.Attach(::CreateDCA(driver, device, nullptr, nullptr));
    if (!dc.IsValid()) {
        AfxMessageBox("No default printer is set up, so nothing was printed.", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    int dpiX = ::GetDeviceCaps(dc, LOGPIXELSX), dpiY = ::GetDeviceCaps(dc, LOGPIXELSY);
    if (dpiX <= 0 || dpiY <= 0) return;
    RECT rc;
    rc.left = 0;
    rc.top = ::GetDeviceCaps(dc, PHYSICALOFFSETY) * 2880 / dpiY;
    rc.right = ::GetDeviceCaps(dc, HORZRES) * 1440 / dpiX;
    rc.bottom = ::GetDeviceCaps(dc, VERTRES) * 1440 / dpiY;

    DOCINFOA di = {};
    di.cbSize = sizeof di;
    di.lpszDocName = "Report";
    if (::StartDocA(dc, &di) <= 0) return;

    long total = g_richEdit.GetCharCount();
    long start = 0;
    if (mode == 1) {
        start = g_richEdit.LineIndex(g_richEdit.GetFirstVisibleLine());
        if (start < 0) start = 0;
    }
    // A print of the whole section may run to many pages: its progress shows, with Cancel.
    CPrintProgressDlg progress;
    CWnd* frame = AfxGetMainWnd();
    bool shown = mode == 0 && total > start && progress.Open(frame ? frame->m_hWnd : nullptr, dc, g_szViewedPath);
    CWaitCursor wait;
    CControlPageSource src(dc, rc, shown ? &progress : nullptr);
    PrintPages(src, start, total, mode);
    // A cancelled job goes whole: no page of it is left to print.
    if (src.Stopped())
        ::AbortDoc(dc);
    else
        ::EndDoc(dc);
}
