// The explorer frame's Find Files command: one window at a time, made on the folder on show.
#include "FrameFixture.h"
#include "explorer/tree/LeftView.h"
#include "res/resource.h"
#include <shellapi.h>

namespace {

class FindFilesFrame : public ExplorerFrameTest {
protected:
    void SetUp() override
    {
        ExplorerFrameTest::SetUp();
        // Not the main window: closing it must not end the test's message loop.
        TestApp().m_pMainWnd = nullptr;
    }
    void Command() { ::SendMessageA(frame->m_hWnd, WM_COMMAND, ID_FIND_FILES, 0); }
    CFindFilesDlg& Dlg() { return frame->m_dlgFindFiles; }
    std::string Field(int id) { return Dlg().GetDlgItemText(id).str(); }
};

}  // namespace

TEST_F(FindFilesFrame, CommandShowsOneWindowOnTheFolderOnShow)
{
    // The tree's path of the folder on show (the list's has a trailing backslash below a drive).
    CLeftView* tree = frame->GetTreeView();
    ASSERT_TRUE(tree);
    CString folder = tree->m_strCurrentPath;
    ASSERT_FALSE(folder.IsEmpty());
    Command();
    ASSERT_TRUE(frame->m_bFindFilesCreated);
    HWND first = Dlg().m_hWnd;
    ASSERT_TRUE(::IsWindowVisible(first));
    EXPECT_EQ(::GetWindow(first, GW_OWNER), frame->m_hWnd);
    EXPECT_EQ(Field(IDC_FIND_LOOK_IN), folder.str());

    ::SetDlgItemTextA(first, IDC_FIND_LOOK_IN, "C:\\elsewhere");
    ::SetDlgItemTextA(first, IDC_FIND_NAMED, "part");
    ::SendMessageA(first, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(::IsWindowVisible(first));
    Command();
    EXPECT_EQ(Dlg().m_hWnd, first);
    EXPECT_TRUE(::IsWindowVisible(first));
    EXPECT_EQ(Field(IDC_FIND_LOOK_IN), "C:\\elsewhere");

    // The close box: the window goes, the values stay, Look in follows the folder on show.
    ::SendMessageA(first, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(first));
    EXPECT_FALSE(frame->m_bFindFilesCreated);
    Command();
    ASSERT_TRUE(frame->m_bFindFilesCreated);
    EXPECT_TRUE(::IsWindow(Dlg().m_hWnd));
    EXPECT_EQ(Field(IDC_FIND_LOOK_IN), folder.str());
    EXPECT_EQ(Field(IDC_FIND_NAMED), "");  // typed, never searched: not taken into the values
}

TEST_F(FindFilesFrame, ClosingTheExplorerDuringASearchWaitsForItToUnwind)
{
    CTempDir dir;
    {
        CFileHandle h(::CreateFileA(dir.File("big.bin"), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        LARGE_INTEGER end;
        end.QuadPart = 512LL << 20;
        ASSERT_TRUE(h.IsValid() && ::SetFilePointerEx(h, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(h));
    }
    Command();
    HWND dlg = Dlg().m_hWnd;
    HWND main = frame->m_hWnd;
    ::SetDlgItemTextA(dlg, IDC_FIND_LOOK_IN, dir.Path());
    ::SetDlgItemTextA(dlg, IDC_FIND_CONTAINING, "not in there");
    // Another thread closes the explorer once the search is under way.
    auto searching = [dlg](HWND w) {
        char status[300] = "";
        ::GetDlgItemTextA(dlg, IDC_FIND_STATUS, status, sizeof status);
        return w == dlg && status[0] == '(';
    };
    CWindowWatcher closer(searching, [main](HWND, size_t) { ::PostMessageA(main, WM_CLOSE, 0, 0); });
    ::SendMessageA(dlg, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(closer.Wait(), 1u);
    EXPECT_FALSE(::IsWindow(dlg));
    // The frame's close comes back once the search is over.
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(main); }, 5000));
    frame = nullptr;
}
