#include "support/TestSupport.h"
#include "viewer/PrintView.h"
#include "res/resource.h"
#include <vector>

TEST(PrintView, DeviceEntrySplitsAtTheLastCommas)
{
    struct Case { const char* entry; bool ok; const char* device; const char* driver; } cases[] = {
        {"Printer X,winspool,LPT1:", true, "Printer X", "winspool"},
        {"PDF,wineps.drv,CUPS:PDF", true, "PDF", "wineps.drv"},
        {"Office, 2nd floor,winspool,Ne00:", true, "Office, 2nd floor", "winspool"},
        {"", false, "", ""},
        {"nodriver", false, "", ""},
        {"only,port", false, "", ""},
        {",winspool,LPT1:", false, "", ""},
    };
    for (const Case& c : cases) {
        CString device, driver;
        EXPECT_EQ(SplitPrinterDevice(c.entry, device, driver) != 0, c.ok) << c.entry;
        if (c.ok) {
            EXPECT_EQ(std::string(device), c.device);
            EXPECT_EQ(std::string(driver), c.driver);
        }
    }
}

namespace {
// A page source whose control lays out `perPage` characters a page, or makes no progress.
class CFakePages : public IPageSource {
public:
    explicit CFakePages(long perPage, int stopAfter = 0) : m_perPage(perPage), m_stopAfter(stopAfter) {}
    void BeginPage(int page) override { headers.push_back(page); }
    long FormatPage(long start, long total) override { return start + m_perPage < total ? start + m_perPage : total; }
    bool EndPage() override { return ++ends != m_stopAfter; }
    int FinishWithoutControl(long start, long, int, int) override
    {
        fallbackFrom.push_back(start);
        ends++;
        return 0;
    }
    std::vector<int> headers;
    std::vector<long> fallbackFrom;
    int ends = 0;

private:
    long m_perPage;
    int m_stopAfter;  // the page after which the job is cancelled; 0: never
};
}  // namespace

TEST(PrintView, PagingLoop)
{
    CFakePages three(100);
    EXPECT_EQ(PrintPages(three, 0, 250, 0), 3);
    EXPECT_EQ(three.headers, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(three.ends, 3);

    CFakePages one(100);  // Print Page: one page, numbered 1, wherever it starts
    EXPECT_EQ(PrintPages(one, 120, 250, 1), 1);
    EXPECT_EQ(one.headers, (std::vector<int>{1}));

    CFakePages stuck(0);  // no progress: the loop ends, the rest is laid out without the control
    EXPECT_EQ(PrintPages(stuck, 0, 250, 0), 1);
    EXPECT_EQ(stuck.fallbackFrom, (std::vector<long>{0}));
    EXPECT_EQ(stuck.ends, 1);

    CFakePages cancelled(100, 2);  // cancelled during the second page: no page after it
    EXPECT_EQ(PrintPages(cancelled, 0, 1000, 0), 2);
    EXPECT_EQ(cancelled.headers, (std::vector<int>{1, 2}));
    EXPECT_EQ(cancelled.ends, 2);

    CFakePages empty(100);  // an empty section prints no page
    EXPECT_EQ(PrintPages(empty, 0, 0, 0), 0);
    EXPECT_TRUE(empty.headers.empty());
}

#include "viewer/BrindlexDlg.h"

TEST(PrintView, WithoutUsablePrinterNothingIsPrintedAndTheUserIsTold)
{
    ClearSettings();
    CTempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File("p.txt"), "print me"));
    CBrindlexDlg* dlg = new CBrindlexDlg;
    ASSERT_TRUE(dlg->LoadFrame(IDR_VIEWER, WS_OVERLAPPEDWINDOW, nullptr, "Brindlex"));
    TestApp().m_pMainWnd = dlg;
    dlg->StartUp(dir.File("p.txt"));
    char saved[256] = "";
    ::GetProfileStringA("windows", "device", "", saved, sizeof saved);
    const char* entries[] = {"", "No Such Printer,nodriver.drv,LPT9:"};
    for (const char* entry : entries) {
        ::WriteProfileStringA("windows", "device", entry);
        CMessageBoxAnswerer box;
        PrintView(0);
        EXPECT_EQ(box.Text(), "No default printer is set up, so nothing was printed.") << entry;
    }
    ::WriteProfileStringA("windows", "device", saved);
    dlg->SendMessage(WM_CLOSE);
    TestApp().m_pMainWnd = nullptr;
    delete dlg;
}
