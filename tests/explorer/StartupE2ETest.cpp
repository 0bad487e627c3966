// The program started as users start it: its frame appears, and its windows run with the
// Common Controls 6 of its own architecture that its manifest asks for (a manifest for another
// architecture either stops the program before main or silently gives the old controls).
#include "ExplorerDriver.h"
#include "support/Driver.h"
#include "support/Modules.h"

TEST(Startup, TheExplorerShowsItsFrameWithItsOwnCommonControls6)
{
    CExplorerProcess explorer;
    ASSERT_TRUE(explorer.Start()) << "no explorer frame appeared";
    std::string path = LoadedModulePath(explorer.Pid(), "comctl32.dll");
    EXPECT_TRUE(IsOwnCommonControls6(path)) << "comctl32 loaded from: " << path;
}

TEST(Startup, TheViewerShowsItsFrameWithItsOwnCommonControls6)
{
    CTempDir dir;
    CString file = dir.File("start.txt");
    ASSERT_TRUE(WriteFileBytes(file, "hello\r\n"));
    CBrindlex viewer;
    ASSERT_TRUE(viewer.Start(std::string("\"") + (const char*)file + "\"", "Brindlex - ")) << "no viewer frame appeared";
    std::string path = LoadedModulePath(viewer.Pid(), "comctl32.dll");
    EXPECT_TRUE(IsOwnCommonControls6(path)) << "comctl32 loaded from: " << path;
}

// The test programs carry the same manifest, so the windows they make are what users see.
TEST(Startup, TestProgramsRunWithTheSameCommonControls)
{
    ASSERT_NE(::LoadLibraryA("comctl32.dll"), nullptr);
    std::string path = LoadedModulePath(::GetCurrentProcessId(), "comctl32.dll");
    EXPECT_TRUE(IsOwnCommonControls6(path)) << "comctl32 loaded from: " << path;
}

TEST(Startup, TheProgramIsLargeAddressAware)
{
    HANDLE f = ::CreateFileA(BrindlexExe().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    char head[4096] = {};
    DWORD got = 0;
    ::ReadFile(f, head, sizeof head, &got, nullptr);
    ::CloseHandle(f);
    const IMAGE_DOS_HEADER* dos = (const IMAGE_DOS_HEADER*)head;
    ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
    ASSERT_GT(dos->e_lfanew, 0);
    ASSERT_LT((size_t)dos->e_lfanew + sizeof(IMAGE_FILE_HEADER) + 4, (size_t)got);
    const IMAGE_FILE_HEADER* fh = (const IMAGE_FILE_HEADER*)(head + dos->e_lfanew + 4);
    EXPECT_TRUE(fh->Characteristics & IMAGE_FILE_LARGE_ADDRESS_AWARE);
}
