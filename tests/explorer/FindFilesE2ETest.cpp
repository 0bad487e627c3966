// Find Files as a user meets it: opened from the explorer with F3, the menu or the toolbar,
// worked through its fields and buttons, on a fixture tree under a drive of the test's own.
#include "ExplorerOnADrive.h"
#include "FindFilesDriver.h"
#include "res/resource.h"
#include <algorithm>

namespace {

BOOL CALLBACK FindTitled(HWND h, LPARAM lp)
{
    std::pair<const char*, HWND>* s = (std::pair<const char*, HWND>*)lp;
    char title[300] = "";
    ::SendMessageTimeoutA(h, WM_GETTEXT, sizeof title, (LPARAM)title, SMTO_ABORTIFHUNG, 200, nullptr);
    if (::IsWindowVisible(h) && strstr(title, s->first)) {
        s->second = h;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window of any process whose title holds text.
HWND FindWindowTitled(const char* text)
{
    std::pair<const char*, HWND> s(text, nullptr);
    ::EnumWindows(FindTitled, (LPARAM)&s);
    return s.second;
}

BOOL CALLBACK AddTitle(HWND h, LPARAM lp)
{
    char title[300] = "";
    ::SendMessageTimeoutA(h, WM_GETTEXT, sizeof title, (LPARAM)title, SMTO_ABORTIFHUNG, 200, nullptr);
    if (::IsWindowVisible(h)) *(std::string*)lp += std::string("[") + title + "] ";
    return TRUE;
}

// The titles of the visible top-level windows, to tell what opened instead.
std::string VisibleTitles()
{
    std::string s;
    ::EnumWindows(AddTitle, (LPARAM)&s);
    return s;
}

class FindFilesE2E : public ExplorerOnADrive {
protected:
    FindFilesE2E() : ExplorerOnADrive('F') {}
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(MakeAndStart({"Data", "Data\\Sub"}, {{"Data\\report.txt", "quarterly figures"},
                                                                  {"Data\\notes.txt", std::string(1500, 'n')},
                                                                  {"Data\\image.bmp", std::string(3000, 'b')},
                                                                  {"Data\\Sub\\REPORT-old.txt", "old figures"}}));
        ASSERT_TRUE(app.SelectPath("F:\\Data"));
        ASSERT_TRUE(WaitFor([&] { return app.Caption() == "F:\\Data - Brindlex Explorer"; }, 5000));
    }
    // Opens Find Files with the menu's command and waits for it.
    bool Open()
    {
        ::PostMessageA(app.Frame(), WM_COMMAND, ID_FIND_FILES, 0);
        return find.Find() && WaitFor([&] { return find.IsVisible(); }, 5000);
    }
    // Checks or clears "Search in subdirectories" with a click when it is not so already.
    void Subfolders(bool on)
    {
        bool checked = ::SendMessageA(::GetDlgItem(find.Handle(), IDC_FIND_SUBFOLDERS), BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (checked != on) find.Click(IDC_FIND_SUBFOLDERS);
    }
    std::vector<std::string> SortedNames()
    {
        std::vector<std::string> v = find.Names();
        std::sort(v.begin(), v.end());
        return v;
    }
    bool MakeZeroFile(const char* rel, __int64 n)
    {
        CFileHandle h(::CreateFileA(drive.Path(rel), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        LARGE_INTEGER end;
        end.QuadPart = n;
        return h.IsValid() && ::SetFilePointerEx(h, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(h);
    }

    CFindFilesWindow find{app};
};

}  // namespace

TEST_F(FindFilesE2E, F3OpensOnTheFolderOnShowAndSearchListsTheMatches)
{
    CFindFilesWindow::Key(app.Frame(), VK_F3);
    ASSERT_TRUE(find.Find());
    EXPECT_EQ(find.Get(IDC_FIND_LOOK_IN), "F:\\Data");  // the tree's path of the folder on show
    EXPECT_EQ(find.Status(), "0 items found");
    // A new window searches the sub-folders; this search is of the folder alone.
    EXPECT_EQ(::SendMessageA(::GetDlgItem(find.Handle(), IDC_FIND_SUBFOLDERS), BM_GETCHECK, 0, 0), BST_CHECKED);
    Subfolders(false);
    find.Set(IDC_FIND_NAMED, "report");
    ASSERT_TRUE(find.Search());
    EXPECT_EQ(find.Names(), (std::vector<std::string>{"report.txt"}));
    EXPECT_EQ(find.Cell(0, 1), "F:\\Data\\");
    EXPECT_EQ(find.Cell(0, 2), "17 B");
    EXPECT_EQ(find.Status(), "1 items found");
    EXPECT_EQ(find.Get(IDC_FIND_LOOK_IN), "F:\\Data");

    find.Click(IDC_FIND_SUBFOLDERS);
    ASSERT_TRUE(find.Search());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"REPORT-old.txt", "report.txt"}));
    EXPECT_EQ(find.Status(), "2 items found");
}

TEST_F(FindFilesE2E, ToolbarButtonOpensItAndATextSearchFindsContents)
{
    POINT pt = find.ToolbarButton(4);
    ASSERT_GT(pt.x, 0);
    find.ClickToolbarButton(4);
    ASSERT_TRUE(find.Find());
    find.Set(IDC_FIND_CONTAINING, "FIGURES");
    ASSERT_TRUE(find.Search());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"REPORT-old.txt", "report.txt"}));
    EXPECT_EQ(find.Status(), "2 items found");
}

TEST_F(FindFilesE2E, SizeLimitsAndAFieldThatIsNoInteger)
{
    ASSERT_TRUE(Open());
    find.Click(IDC_FIND_SIZE_LIMITS);
    ASSERT_TRUE(WaitFor([&] { return ::IsWindowEnabled(::GetDlgItem(find.Handle(), IDC_FIND_MIN_KB)) != 0; }, 3000));
    find.Set(IDC_FIND_MIN_KB, "1");
    find.Set(IDC_FIND_MAX_KB, "2");
    ASSERT_TRUE(find.Search());
    EXPECT_EQ(find.Names(), (std::vector<std::string>{"notes.txt"}));

    find.Set(IDC_FIND_MAX_KB, "two");
    find.Click(IDOK);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        box = FindWindowTitled("Brindlex");
        char cls[32] = "";
        if (box) ::GetClassNameA(box, cls, sizeof cls);
        return box && !strcmp(cls, "#32770");
    }, 5000));
    char text[128] = "";
    ::SendMessageA(::GetDlgItem(box, 0xFFFF), WM_GETTEXT, sizeof text, (LPARAM)text);
    EXPECT_STREQ(text, "Enter an integer.");
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(box); }, 5000));
    EXPECT_EQ(find.Names(), (std::vector<std::string>{"notes.txt"}));
    EXPECT_EQ(find.Status(), "1 items found");
}

TEST_F(FindFilesE2E, AddTwiceKeepsOneRowEachAndRemoveTakesRowsOut)
{
    ASSERT_TRUE(Open());
    Subfolders(false);
    find.Set(IDC_FIND_NAMED, ".txt");
    find.Click(IDC_FIND_ADD);
    ASSERT_TRUE(find.Search());
    ASSERT_TRUE(find.Search());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"notes.txt", "report.txt"}));
    EXPECT_EQ(find.Status(), "2 items found");
    find.Set(IDC_FIND_NAMED, "image");
    ASSERT_TRUE(find.Search());
    EXPECT_EQ(find.Names().size(), 3u);

    find.Click(IDC_FIND_REMOVE);
    find.Set(IDC_FIND_NAMED, "notes");
    ASSERT_TRUE(find.Search());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"image.bmp", "report.txt"}));
    EXPECT_EQ(find.Status(), "1 items found");
}

TEST_F(FindFilesE2E, CancelDuringALongContentScan)
{
    // Long enough to be caught while it is scanned, on a fast machine too.
    ASSERT_TRUE(MakeZeroFile("Data\\Sub\\huge.bin", 1LL << 30));
    ASSERT_TRUE(Open());
    find.Set(IDC_FIND_CONTAINING, "figures");
    find.Click(IDOK);
    ASSERT_TRUE(WaitFor([&] { return find.Get(IDOK) == "Cancel" && find.Status()[0] == '('; }, 10000)) << find.Status();
    find.Click(IDOK);
    ASSERT_TRUE(WaitFor([&] { return find.Get(IDOK) == "Search"; }, 90000));
    std::string status = find.Status();
    EXPECT_TRUE(status == "0 items found" || status == "1 items found" || status == "2 items found") << status;
    EXPECT_EQ(std::to_string(find.Names().size()) + " items found", status);
    // The window answers again.
    find.Set(IDC_FIND_CONTAINING, "");
    find.Set(IDC_FIND_NAMED, "image");
    ASSERT_TRUE(find.Search());
    EXPECT_EQ(find.Names(), (std::vector<std::string>{"image.bmp"}));
}

TEST_F(FindFilesE2E, EscHidesAndF3ShowsTheSameWindowWithItsList)
{
    ASSERT_TRUE(Open());
    HWND first = find.Handle();
    find.Set(IDC_FIND_NAMED, "txt");
    ASSERT_TRUE(find.Search());
    ASSERT_EQ(find.Names().size(), 3u);  // REPORT-old.txt of Sub too
    find.Set(IDC_FIND_LOOK_IN, "F:\\Data\\Sub");
    CFindFilesWindow::Key(::GetDlgItem(first, IDC_FIND_NAMED), VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindowVisible(first); }, 5000));
    CFindFilesWindow::Key(app.Frame(), VK_F3);
    ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(first) != 0; }, 5000));
    EXPECT_EQ(find.Find(), first);
    EXPECT_EQ(find.Names().size(), 3u);
    EXPECT_EQ(find.Get(IDC_FIND_LOOK_IN), "F:\\Data\\Sub");  // not reset
}

TEST_F(FindFilesE2E, CloseBoxAndReopenKeepsTheFieldsAndResetsLookIn)
{
    ASSERT_TRUE(Open());
    HWND first = find.Handle();
    find.Set(IDC_FIND_NAMED, "txt");
    find.Click(IDC_FIND_ADD);
    ASSERT_TRUE(find.Search());
    find.Set(IDC_FIND_LOOK_IN, "F:\\Data\\Sub");
    ASSERT_TRUE(find.Search());
    ::PostMessageA(first, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(first); }, 5000));

    ASSERT_TRUE(app.SelectPath("F:\\Data\\Sub"));
    ASSERT_TRUE(WaitFor([&] { return app.Caption() == "F:\\Data\\Sub - Brindlex Explorer"; }, 5000));
    ASSERT_TRUE(Open());
    EXPECT_NE(find.Handle(), first);
    EXPECT_EQ(find.Get(IDC_FIND_LOOK_IN), "F:\\Data\\Sub");
    EXPECT_EQ(find.Get(IDC_FIND_NAMED), "txt");
    EXPECT_EQ(::SendMessageA(::GetDlgItem(find.Handle(), IDC_FIND_ADD), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(find.Names().empty());
}

TEST_F(FindFilesE2E, DoubleClickOpensTheResultWithItsProgram)
{
    // A batch file's program is the command interpreter: running it leaves a file behind.
    ASSERT_TRUE(drive.MakeFile("Data\\open-me.bat", "echo opened> F:\\Data\\opened.log\r\n"));
    ASSERT_TRUE(Open());
    find.Set(IDC_FIND_NAMED, "open-me");
    ASSERT_TRUE(find.Search());
    ASSERT_EQ(find.Names(), (std::vector<std::string>{"open-me.bat"}));
    find.DoubleClick(0);
    EXPECT_TRUE(WaitFor([&] { return ::GetFileAttributesA(drive.Path("Data\\opened.log")) != INVALID_FILE_ATTRIBUTES; },
                          20000)) << VisibleTitles();
}
