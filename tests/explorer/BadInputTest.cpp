// Awkward folders and names: unreadable, vanished, too long, outside the code page.
#include "ExplorerFixture.h"
#include "explorer/ShellIcons.h"
#include <shellapi.h>
#include <shlobj.h>

namespace {

class BadInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        ASSERT_TRUE(drive.IsReady());
        ASSERT_TRUE(drive.MakeDir("Data"));
        host.reset(new CPaneHost);
    }
    void TearDown() override { host.reset(); }

    CTestDrive drive{'T'};
    std::unique_ptr<CPaneHost> host;
};

}  // namespace

TEST_F(BadInput, NamesOutsideTheCodePageAreListedAndKept)
{
    ASSERT_TRUE(WriteFileBytes(drive.Path("Data\\plain.txt"), "x"));
    HANDLE h = ::CreateFileW(L"T:\\Data\\\x4e2d\x6587.txt", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    ::CloseHandle(h);
    HTREEITEM data = host->Open("T:\\Data");
    host->Tree().SelectItem(data);
    std::vector<std::string> rows = host->Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_TRUE(rows[0].find('?') != std::string::npos || rows[1].find('?') != std::string::npos);
    // A change notification keeps the row: the name found is the name the folder gives.
    host->m_pTree->OnFileWatchNotify(0, "T:\\Data\\");
    EXPECT_EQ(host->Rows().size(), 2u);
}

TEST_F(BadInput, PathsBeyondTheLimitGiveEmptyListsNotCrashes)
{
    // A chain of folders made from Linux, longer than the 260 characters of the platform.
    std::string rel = "Data";
    for (int i = 0; i < 30; i++) rel += "\\folder-" + std::to_string(i);
    std::string unixRel = rel;
    for (char& c : unixRel)
        if (c == '\\') c = '/';
    ASSERT_TRUE(RunLinux("/bin/mkdir", {"-p", std::string(drive.LinuxDir()) + "/" + unixRel}));
    ASSERT_TRUE(WaitFor([&] { return CLeftView::HasSubfolders(drive.Path("Data\\folder-0")); }, 5000));
    CString deep = drive.Path(rel.c_str());
    ASSERT_GT(deep.GetLength(), 260);
    host->m_pTree->FillFolder(host->Root("T:\\"), deep, false);
    EXPECT_TRUE(host->Rows().empty());
    EXPECT_EQ(host->m_pList->m_strFolder, deep + "\\");
    EXPECT_FALSE(CLeftView::HasSubfolders(deep));
    // Expanding down the chain goes as far as the platform reaches, then stops quietly.
    HTREEITEM h = host->Open("T:\\Data");
    for (int i = 0; h && i < 30; i++) {
        host->Tree().Expand(h, TVE_EXPAND);
        h = host->Child(h, ("folder-" + std::to_string(i)).c_str());
    }
    SUCCEED();
}

TEST_F(BadInput, AFolderDeletedWhileShownListsNothing)
{
    HTREEITEM data = host->Open("T:\\Data");
    host->Tree().SelectItem(data);
    ASSERT_TRUE(drive.RemoveFromLinux("Data"));
    host->m_pTree->FillFolder(data, "T:\\Data", false);
    EXPECT_TRUE(host->Rows().empty());
    EXPECT_EQ(host->Children(data), std::vector<std::string>());  // not a drive: no placeholder
    EXPECT_TRUE(::GetWindowLongA(host->List().m_hWnd, GWL_STYLE) & WS_VISIBLE);
}

TEST_F(BadInput, ABigFolderListsEveryEntryOnce)
{
    const int n = 3000;
    ASSERT_TRUE(RunLinux("/bin/sh", {"-c", std::string("cd ") + drive.LinuxDir().c_str() +
                                               "/Data && seq -f 'f%05g.txt' 1 " + std::to_string(n) + " | xargs touch"}));
    ASSERT_TRUE(WaitFor([&] { return ::GetFileAttributesA(drive.Path("Data\\f03000.txt")) != INVALID_FILE_ATTRIBUTES; },
                          10000));
    host->m_pTree->FillFolder(host->Root("T:\\"), "T:\\Data", false);
    std::vector<std::string> rows = host->Rows();
    ASSERT_EQ(rows.size(), (size_t)n);
    EXPECT_EQ(rows.front(), "f00001.txt");
    EXPECT_EQ(rows.back(), "f03000.txt");
    EXPECT_TRUE(::GetWindowLongA(host->List().m_hWnd, GWL_STYLE) & WS_VISIBLE);
}

TEST(ShellIcons, EntriesOfOneKindShareTheShellsAnswer)
{
    const struct {
        const char* name;
        DWORD attributes;
        bool own;
    } cases[] = {
        {"a.txt", FILE_ATTRIBUTE_ARCHIVE, false},
        {"noext", FILE_ATTRIBUTE_NORMAL, false},
        {"Data", FILE_ATTRIBUTE_DIRECTORY, false},
        {"tool.EXE", FILE_ATTRIBUTE_ARCHIVE, true},
        {"pic.ico", FILE_ATTRIBUTE_ARCHIVE, true},
        {"link.lnk", FILE_ATTRIBUTE_ARCHIVE, true},
        {".hidden", FILE_ATTRIBUTE_HIDDEN, true},
        {"sys.txt", FILE_ATTRIBUTE_SYSTEM, true},
        {"Custom", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY, true},
        {"x.txt", INVALID_FILE_ATTRIBUTES, true},
    };
    for (const auto& c : cases) EXPECT_EQ(CShellIcons::IsOwnKind(c.name, c.attributes), c.own) << c.name;
}

TEST(ShellIcons, TheSharedAnswerIsTheShellsOwnForEachEntry)
{
    CTempDir dir;
    for (const char* f : {"a.txt", "b.txt", "c.ini", ".h.txt"}) ASSERT_TRUE(WriteFileBytes(dir.File(f), "x"));
    ASSERT_TRUE(::CreateDirectoryA(dir.File("sub"), nullptr));
    ASSERT_TRUE(::CreateDirectoryA(dir.File("sub2"), nullptr));
    CShellIcons::Clear();
    for (const char* f : {"a.txt", "b.txt", "c.ini", ".h.txt", "sub", "sub2"}) {
        WIN32_FIND_DATAA fd = {};
        HANDLE h = ::FindFirstFileA(dir.File(f), &fd);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        ::FindClose(h);
        int icon = -1;
        DWORD attributes = 0;
        CShellIcons::GetRowInfo(dir.File(f), fd, &icon, &attributes);
        SHFILEINFOA sfi = {};
        ::SHGetFileInfoA(dir.File(f), 0, &sfi, sizeof sfi, SHGFI_SYSICONINDEX | SHGFI_ATTRIBUTES | SHGFI_TYPENAME);
        EXPECT_EQ(icon, sfi.iIcon) << f;
        EXPECT_EQ(attributes & SFGAO_GHOSTED, sfi.dwAttributes & SFGAO_GHOSTED) << f;
        int image = -1, open = -1;
        CShellIcons::GetFolderIcons(dir.File(f), fd.dwFileAttributes, &image, &open);
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            sfi = SHFILEINFOA();
            ::SHGetFileInfoA(dir.File(f), 0, &sfi, sizeof sfi, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_OPENICON);
            EXPECT_EQ(open, sfi.iIcon) << f;
        }
    }
}
