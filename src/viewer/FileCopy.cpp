#include "viewer/FileCopy.h"
#include "fw/Handle.h"
#include <vector>

static const DWORD kBlock = 4 << 20;

FileCopyResult CopyFileContent(const char* source, const char* target, IFileCopyProgress* progress)
{
    CFileHandle in(::CreateFileA(source, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!in.IsValid()) return FILECOPY_FAILED;
    // Ports, pipes and consoles would block the read for good: only disk files are copied.
    if (::GetFileType(in) != FILE_TYPE_DISK) return FILECOPY_FAILED;
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(in, &size)) return FILECOPY_FAILED;
    ::SetFileAttributesA(target, FILE_ATTRIBUTE_NORMAL);  // a read-only target would refuse the write
    CFileHandle out(::CreateFileA(target, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY,
                                  nullptr));
    if (!out.IsValid()) return FILECOPY_FAILED;

    std::vector<char> buf(kBlock);
    unsigned __int64 done = 0;
    FileCopyResult result = FILECOPY_DONE;
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(in, buf.data(), kBlock, &got, nullptr)) { result = FILECOPY_FAILED; break; }
        if (got == 0) break;
        DWORD put = 0;
        if (!::WriteFile(out, buf.data(), got, &put, nullptr) || put != got) { result = FILECOPY_FAILED; break; }
        done += got;
        if (progress && !progress->OnProgress(done, (unsigned __int64)size.QuadPart)) {
            result = FILECOPY_CANCELLED;
            break;
        }
    }
    if (result != FILECOPY_DONE) {
        // Leave no partial copy behind: the name stays, the content goes.
        LARGE_INTEGER zero = {};
        ::SetFilePointerEx(out, zero, nullptr, FILE_BEGIN);
        ::SetEndOfFile(out);
    }
    return result;
}
