// The program's own context menus of the list and the tree as the right click shows them,
// with the recent programs under Open With.
#include "ExplorerFixture.h"
#include "MenuCloser.h"
#include "res/resource.h"

namespace {

class ContextMenus : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        host.reset(new CPaneHost);
    }
    void TearDown() override
    {
        host.reset();
        ClearSettings();
    }
    // A right click without Ctrl, as the control reports it to its parent.
    void RightClick(HWND pane)
    {
        NMHDR nm = {pane, (UINT_PTR)::GetDlgCtrlID(pane), (UINT)NM_RCLICK};
        ::SendMessageA(host->m_host.m_hWnd, WM_NOTIFY, nm.idFrom, (LPARAM)&nm);
    }
    std::string ShownMenu(HWND pane)
    {
        CMenuCloser closer;
        RightClick(pane);
        return closer.Wait() ? closer.Layout() : "(no menu)";
    }

    std::unique_ptr<CPaneHost> host;
};

std::string ListMenu(const std::string& recent)
{
    return "Brin&dlex\tCtrl+K=32776|-|&New{Fo&lder\tCtrl+L=32773|F&ile\tCtrl+I=32774}|&Open\tCtrl+O=32775|"
           "Open With{Choose Program\tCtrl+W=32779" + recent + "}|-|&Rename\tCtrl+R=32781|Copy and Rename=32783";
}

}  // namespace

TEST_F(ContextMenus, TheListsMenuWithTheRecentProgramsUnderOpenWith)
{
    const std::string brindlex = BesideTestProgram("brindlex.exe").str();
    struct Case {
        const char* what;
        std::vector<std::string> values;  // "mre1" on
        std::string recent;
    } cases[] = {
        {"none", {}, ""},
        // The product name of the version resource, else the file name less its last four
        // characters when it is longer; the run ends at the first empty value.
        {"named three, then a gap", {brindlex, "C:\\Tools\\app.exe", "C:\\Tools\\ab.c", "", "C:\\Tools\\late.exe"},
         "|Brindlex=169|app=170|ab.c=171"},
        {"all eight", {"C:\\p\\one.exe", "C:\\p\\two.exe", "C:\\p\\three.exe", "C:\\p\\four.exe", "C:\\p\\five.exe",
                       "C:\\p\\six.exe", "C:\\p\\seven.exe", "C:\\p\\eight.exe"},
         "|one=169|two=170|three=171|four=172|five=173|six=174|seven=175|eight=176"},
    };
    for (const Case& c : cases) {
        ClearSettings();
        for (size_t k = 0; k < c.values.size(); k++)
            TestApp().WriteProfileString("mre", ("mre" + std::to_string(k + 1)).c_str(), c.values[k].c_str());
        EXPECT_EQ(ShownMenu(host->List().m_hWnd), ListMenu(c.recent)) << c.what;
    }
}

TEST_F(ContextMenus, TheTreesMenuHasNewFolderAndRename)
{
    TestApp().WriteProfileString("mre", "mre1", "C:\\Tools\\app.exe");  // the list's alone
    EXPECT_EQ(ShownMenu(host->Tree().m_hWnd), "&New{Fo&lder\tCtrl+L=32773}|&Rename\tCtrl+R=32781");
}
