#include "explorer/FileDrop.h"
#include "fw/AnsiName.h"
#include <shlobj.h>
#include <vector>

static_assert(sizeof(DROPFILES) == FILEDROP_HEADER_SIZE, "the block's header is 20 bytes");

size_t FileDropBlockSize(const CArray<CString>& paths)
{
    size_t n = FILEDROP_HEADER_SIZE + 1;
    for (int i = 0; i < paths.GetSize(); i++) n += (size_t)paths[i].GetLength() + 1;
    return n;
}

void WriteFileDropBlock(void* block, const CArray<CString>& paths)
{
    DROPFILES header = {};
    header.pFiles = (DWORD)FILEDROP_HEADER_SIZE;
    memcpy(block, &header, sizeof header);
    char* p = (char*)block + FILEDROP_HEADER_SIZE;
    for (int i = 0; i < paths.GetSize(); i++) {
        size_t n = (size_t)paths[i].GetLength() + 1;
        memcpy(p, paths[i].c_str(), n);
        p += n;
    }
    *p = 0;
}

CGlobalMemory MakeFileDropBlock(const CArray<CString>& given)
{
    // A path holding a wildcard (or none at all) is no file's own: it never leaves us.
    CArray<CString> paths;
    for (int i = 0; i < given.GetSize(); i++)
        if (!given[i].IsEmpty() && !HasWildcard(given[i])) paths.Add(given[i]);
    if (paths.IsEmpty() && !given.IsEmpty()) return CGlobalMemory();
    size_t size = FileDropBlockSize(paths);
    CGlobalMemory mem(::GlobalAlloc(FILEDROP_ALLOC_FLAGS, size));
    if (!mem.IsValid()) return mem;
    void* p = ::GlobalLock(mem);
    if (!p) return CGlobalMemory();
    WriteFileDropBlock(p, paths);
    ::GlobalUnlock(mem);
    return mem;
}

namespace {

// Single-byte paths from begin up to the empty one that ends the list (known to be there).
void ReadNarrow(const char* p, FILEDROPLIST* pList)
{
    while (*p) {
        size_t n = strlen(p);
        // '?' in an 8-bit path is what its program's code page made of a character it lacks.
        if (n < (size_t)FILEDROP_MAX_PATH && !HasWildcard(p))
            pList->paths.Add(CString(p));
        else
            pList->nSkipped++;
        p += n + 1;
    }
}

// Wide paths, converted to the code page only when every character has its own there.
void ReadWide(const WCHAR* p, FILEDROPLIST* pList)
{
    while (*p) {
        size_t n = wcslen(p);
        char buf[FILEDROP_MAX_PATH * 2];
        BOOL usedDefault = FALSE;
        int got = n < (size_t)FILEDROP_MAX_PATH
                      ? ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, p, (int)n, buf, (int)sizeof buf - 1,
                                              nullptr, &usedDefault)
                      : 0;
        if (got > 0 && got < FILEDROP_MAX_PATH && !usedDefault) {
            buf[got] = 0;
            pList->paths.Add(CString(buf));
        } else {
            pList->nSkipped++;
        }
        p += n + 1;
    }
}

}  // namespace

bool ReadFileDropBlock(const void* block, size_t size, FILEDROPLIST* pList)
{
    pList->paths.RemoveAll();
    pList->nSkipped = 0;
    if (!block || size < FILEDROP_HEADER_SIZE) return false;
    DROPFILES header;
    memcpy(&header, block, sizeof header);
    size_t offset = header.pFiles;
    if (offset < FILEDROP_HEADER_SIZE || offset >= size) return false;
    const unsigned char* begin = (const unsigned char*)block + offset;
    size_t bytes = size - offset;
    if (header.fWide) {
        // The list ends with an empty path: two wide NULs in a row, on a character boundary.
        std::vector<WCHAR> text(bytes / sizeof(WCHAR));
        if (!text.empty()) memcpy(text.data(), begin, text.size() * sizeof(WCHAR));
        bool found = false;
        for (size_t i = 0; i < text.size() && !found; i++) found = text[i] == 0 && (i == 0 || text[i - 1] == 0);
        if (!found) return false;
        ReadWide(text.data(), pList);
    } else {
        const char* p = (const char*)begin;
        bool found = false;
        for (size_t i = 0; i < bytes && !found; i++) found = p[i] == 0 && (i == 0 || p[i - 1] == 0);
        if (!found) return false;
        ReadNarrow(p, pList);
    }
    return true;
}

bool ReadFileDropBlock(HGLOBAL hBlock, FILEDROPLIST* pList)
{
    if (!hBlock) {
        pList->paths.RemoveAll();
        pList->nSkipped = 0;
        return false;
    }
    const void* p = ::GlobalLock(hBlock);
    if (!p) return ReadFileDropBlock(nullptr, 0, pList);
    bool ok = ReadFileDropBlock(p, ::GlobalSize(hBlock), pList);
    ::GlobalUnlock(hBlock);
    return ok;
}
