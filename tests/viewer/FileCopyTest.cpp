#include "support/TestSupport.h"
#include "viewer/FileCopy.h"

namespace {
class CCancelAfter : public IFileCopyProgress {
public:
    explicit CCancelAfter(int calls) : m_left(calls) {}
    BOOL OnProgress(unsigned __int64 done, unsigned __int64 total) override
    {
        last = done;
        totalSeen = total;
        return --m_left > 0;
    }
    unsigned __int64 last = 0, totalSeen = 0;

private:
    int m_left;
};
}  // namespace

TEST(FileCopy, CopiesExactlyAndReportsProgress)
{
    CTempDir dir;
    for (unsigned __int64 size : {0ull, 1ull, (4ull << 20) + 3}) {
        ASSERT_TRUE(WritePatternFile(dir.File("src.bin"), size));
        ASSERT_TRUE(WriteFileBytes(dir.File("dst.tmp"), "old content that is longer"));
        CCancelAfter never(1000);
        EXPECT_EQ(CopyFileContent(dir.File("src.bin"), dir.File("dst.tmp"), &never), FILECOPY_DONE);
        EXPECT_EQ(ReadFileBytes(dir.File("dst.tmp")), ReadFileBytes(dir.File("src.bin"))) << size;
        if (size) {
            EXPECT_EQ(never.last, size);
            EXPECT_EQ(never.totalSeen, size);
        }
    }
}

TEST(FileCopy, CancelAndFailuresLeaveTheTargetEmpty)
{
    CTempDir dir;
    ASSERT_TRUE(WritePatternFile(dir.File("src.bin"), 9ull << 20));
    ASSERT_TRUE(WriteFileBytes(dir.File("dst.tmp"), "old"));
    CCancelAfter once(1);
    EXPECT_EQ(CopyFileContent(dir.File("src.bin"), dir.File("dst.tmp"), &once), FILECOPY_CANCELLED);
    EXPECT_EQ(ReadFileBytes(dir.File("dst.tmp")), "");

    ASSERT_TRUE(WriteFileBytes(dir.File("locked.bin"), "locked"));
    CFileHandle lock(::CreateFileA(dir.File("locked.bin"), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    const char* bad[] = {"C:\\no\\such.bin", "", dir.Path(), dir.File("locked.bin")};
    for (const char* src : bad) EXPECT_EQ(CopyFileContent(src, dir.File("dst.tmp"), nullptr), FILECOPY_FAILED) << src;

    // A read-only target (a copy of a read-only file) is still replaced.
    ::SetFileAttributesA(dir.File("dst.tmp"), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(CopyFileContent(dir.File("src.bin"), dir.File("dst.tmp"), nullptr), FILECOPY_DONE);
    EXPECT_EQ(ReadFileBytes(dir.File("dst.tmp")).size(), 9u << 20);
}

TEST(FileCopy, OnlyDiskFilesAreCopied)
{
    CTempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File("dst.tmp"), "old"));
    // A listening pipe that never writes would hold a read for good.
    std::string pipeName = "\\\\.\\pipe\\blxcopy-" + std::to_string(::GetCurrentProcessId());
    CHandle pipe(::CreateNamedPipeA(pipeName.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0,
                                    nullptr));
    ASSERT_TRUE(pipe.IsValid());
    for (const char* src : {pipeName.c_str(), "NUL", "CON", "COM1", "\\\\.\\NUL"})
        EXPECT_EQ(CopyFileContent(src, dir.File("dst.tmp"), nullptr), FILECOPY_FAILED) << src;
    EXPECT_EQ(ReadFileBytes(dir.File("dst.tmp")), "old");  // refused before the target is touched
}
