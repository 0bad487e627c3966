// The shell's context menu of list entries and of tree folders, built by the real shell.
#include "ExplorerFixture.h"
#include "MenuCloser.h"
#include "explorer/ShellContextMenu.h"

namespace {

class ShellMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(drive.IsReady());
        ASSERT_TRUE(drive.MakeDir("Data"));
        ASSERT_TRUE(drive.MakeDir("Data\\Sub"));
        ASSERT_TRUE(drive.MakeFile("Data\\a.txt", "a"));
        ASSERT_TRUE(drive.MakeFile("Data\\b.txt", "b"));
        host.reset(new CPaneHost);
    }
    void TearDown() override { host.reset(); }
    CTestDrive drive{'T'};
    std::unique_ptr<CPaneHost> host;
};

bool MenuInterfaceHeld() { return g_pContextMenu2 != nullptr; }

CArray<CString> Names(std::initializer_list<const char*> list)
{
    CArray<CString> names;
    for (const char* n : list) names.Add(CString(n));
    return names;
}

}  // namespace

TEST(ShellFolderSplit, DriveAndComponents)
{
    CString drive;
    CArray<CString> parts;
    SplitShellFolder("C:\\Data\\Sub\\", &drive, &parts);
    EXPECT_STREQ(drive, "C:\\");
    ASSERT_EQ(parts.GetSize(), 2);
    EXPECT_STREQ(parts[0], "Data");
    EXPECT_STREQ(parts[1], "Sub");
    SplitShellFolder("C:\\", &drive, &parts);
    EXPECT_STREQ(drive, "C:\\");
    EXPECT_EQ(parts.GetSize(), 0);
    // The last component without its backslash counts as well.
    SplitShellFolder("C:\\Data\\Sub", &drive, &parts);
    EXPECT_EQ(parts.GetSize(), 2);
}

TEST_F(ShellMenu, TheListShowsTheShellVerbsOfItsEntries)
{
    CMenuCloser closer;
    closer.m_pfnCheck = MenuInterfaceHeld;
    host->m_pList->ShowShellContextMenu("T:\\Data\\", Names({"a.txt", "b.txt"}), 100, 100);
    ASSERT_TRUE(closer.Wait());
    EXPECT_GT(closer.Items().size(), 1u);
    // The shell's menu interface is held while the menu is open and let go after.
    EXPECT_TRUE(closer.m_bCheckWhileOpen);
    EXPECT_EQ(g_pContextMenu2, nullptr);
}

TEST_F(ShellMenu, AFolderOfTheTreeAndADrive)
{
    {
        CMenuCloser closer;
        EXPECT_TRUE(TrackShellContextMenu(host->m_pTree->m_hWnd, "T:\\Data\\", Names({"Sub"}), 50, 50));
        EXPECT_TRUE(closer.Wait());
    }
    {
        CMenuCloser closer;
        EXPECT_TRUE(TrackShellContextMenu(host->m_pTree->m_hWnd, "", Names({"T:\\"}), 50, 50));
        EXPECT_TRUE(closer.Wait());
    }
}

TEST_F(ShellMenu, NothingFoundShowsNoMenu)
{
    HWND owner = host->m_pList->m_hWnd;
    EXPECT_FALSE(TrackShellContextMenu(owner, "T:\\Data\\", Names({"missing.txt"}), 0, 0));
    EXPECT_FALSE(TrackShellContextMenu(owner, "T:\\Data\\", CArray<CString>(), 0, 0));
    // A folder on the way that does not exist: the names are not looked up anywhere else.
    EXPECT_FALSE(TrackShellContextMenu(owner, "T:\\Gone\\", Names({"a.txt"}), 0, 0));
    EXPECT_FALSE(TrackShellContextMenu(owner, "Q:\\Data\\", Names({"a.txt"}), 0, 0));
    EXPECT_EQ(g_pContextMenu2, nullptr);
}
