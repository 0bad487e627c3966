// Find Files on names, folders and files at the edges: names that begin with a dot, Look in
// written in the platform's long forms, and a cancel inside a huge file.
#include "ExplorerOnADrive.h"
#include "FindFilesDriver.h"
#include "res/resource.h"
#include <algorithm>

namespace {

class FindFilesEdgesE2E : public ExplorerOnADrive {
protected:
    FindFilesEdgesE2E() : ExplorerOnADrive('F') {}
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(MakeAndStart({"doc", "doc\\Sub"},
                                             {{"doc\\hello.txt", "hello there"}, {"doc\\Sub\\hello-too.txt", "hello again"}}));
        ASSERT_TRUE(app.SelectPath("F:\\doc"));
        ASSERT_TRUE(WaitFor([&] { return app.Caption() == "F:\\doc - Brindlex Explorer"; }, 5000));
        ::PostMessageA(app.Frame(), WM_COMMAND, ID_FIND_FILES, 0);
        ASSERT_TRUE(find.Find() && WaitFor([&] { return find.IsVisible(); }, 5000));
    }
    std::vector<std::string> SortedNames()
    {
        std::vector<std::string> v = find.Names();
        std::sort(v.begin(), v.end());
        return v;
    }
    // A file of n bytes that takes no room on the disk.
    bool MakeSparseFile(const char* rel, __int64 n)
    {
        CFileHandle h(::CreateFileA(drive.Path(rel), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        LARGE_INTEGER end;
        end.QuadPart = n;
        return h.IsValid() && ::SetFilePointerEx(h, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(h);
    }
    // Starts a text search in the huge file and waits until it is being scanned.
    void StartScanOfHugeFile()
    {
        ASSERT_TRUE(MakeSparseFile("doc\\Sub\\huge.bin", 1LL << 40));
        find.Set(IDC_FIND_NAMED, "huge");
        find.Set(IDC_FIND_CONTAINING, "figures");
        find.Click(IDOK);
        ASSERT_TRUE(WaitFor([&] { return find.Get(IDOK) == "Cancel" && find.Status()[0] == '('; }, 10000))
            << find.Status();
        // The search answers a look at its window only when it looks at its queue, and the
        // answer above came while it announced the folder: a few more looks, and the file's
        // scan is under way.
        for (int i = 0; i < 5; i++) ASSERT_EQ(find.Get(IDOK), "Cancel");
    }

    CFindFilesWindow find{app};
};

}  // namespace

TEST_F(FindFilesEdgesE2E, NamesThatBeginWithADotShowLikeAnyOther)
{
    ASSERT_TRUE(drive.MakeFile("doc\\.hidden_hello", std::string(2000, 'h')));
    ASSERT_TRUE(drive.MakeFile("doc\\.hello.cfg", "c"));
    find.Set(IDC_FIND_NAMED, "hello");
    ASSERT_TRUE(find.Search());
    ASSERT_EQ(SortedNames(), (std::vector<std::string>{".hello.cfg", ".hidden_hello", "hello-too.txt", "hello.txt"}));
    std::vector<std::string> names = find.Names();
    int row = (int)(std::find(names.begin(), names.end(), ".hidden_hello") - names.begin());
    EXPECT_EQ(find.Cell(row, 1), "F:\\doc\\");
    EXPECT_EQ(find.Cell(row, 2), "2000 B");
    // The file's own time, not the start of 1970.
    EXPECT_EQ(find.Cell(row, 3).find("01-01-1970"), std::string::npos) << find.Cell(row, 3);
    EXPECT_FALSE(find.Cell(row, 3).empty());
}

TEST_F(FindFilesEdgesE2E, LookInInTheLongFormsFindsWhatThePlainFormFinds)
{
    find.Set(IDC_FIND_NAMED, "hello");
    for (const char* lookIn : {"\\\\?\\F:\\doc", "\\\\.\\F:\\doc", "\\\\?\\F:\\doc\\"}) {
        find.Set(IDC_FIND_LOOK_IN, lookIn);
        ASSERT_TRUE(find.Search()) << lookIn;
        EXPECT_EQ(SortedNames(), (std::vector<std::string>{"hello-too.txt", "hello.txt"})) << lookIn;
        EXPECT_EQ(find.Status(), "2 items found") << lookIn;
        EXPECT_EQ(find.Get(IDC_FIND_LOOK_IN), "F:\\doc");  // shown as searched
    }
}

TEST_F(FindFilesEdgesE2E, CancelInsideAHugeFileStopsItsScan)
{
    StartScanOfHugeFile();
    find.Click(IDOK);
    // A whole scan of the file would take many minutes.
    ASSERT_TRUE(WaitFor([&] { return find.Get(IDOK) == "Search"; }, 15000));
    EXPECT_EQ(find.Status(), "0 items found");
    // The window answers again.
    find.Set(IDC_FIND_CONTAINING, "");
    find.Set(IDC_FIND_NAMED, "hello.txt");
    ASSERT_TRUE(find.Search());
    EXPECT_EQ(find.Names(), (std::vector<std::string>{"hello.txt"}));
}

TEST_F(FindFilesEdgesE2E, CloseInsideAHugeFileClosesTheWindow)
{
    StartScanOfHugeFile();
    HWND window = find.Handle();
    ::PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(window); }, 15000));
    // The explorer goes on answering.
    ASSERT_TRUE(app.SelectPath("F:\\doc\\Sub"));
    EXPECT_TRUE(WaitFor([&] { return app.Caption() == "F:\\doc\\Sub - Brindlex Explorer"; }, 5000));
}
