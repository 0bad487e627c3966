// The file-drop block (CF_HDROP), the one form in which the explorer hands lists of files
// to the clipboard and to drag and drop, and takes them from other programs: a 20-byte
// header (offset of the paths, a point and two flags) and the paths, each ending with a NUL,
// followed by one more NUL.
#pragma once

#include "fw/afx.h"
#include "fw/Handle.h"

// How the block is allocated: movable, zeroed, shareable with other programs.
const UINT FILEDROP_ALLOC_FLAGS = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE;
// Bytes of the header; the paths begin right after it.
const size_t FILEDROP_HEADER_SIZE = 20;
// A read path must fit a buffer of this many characters with its NUL.
const int FILEDROP_MAX_PATH = 260;

// 20 + the sum of (path length + 1) + 1.
size_t FileDropBlockSize(const CArray<CString>& paths);
// Writes header and paths into a zeroed buffer of FileDropBlockSize(paths) bytes.
void WriteFileDropBlock(void* block, const CArray<CString>& paths);
// A new block holding the paths (single-byte, in the given order) but those holding a wildcard
// or empty; none when there is no memory or every path given was left out.
CGlobalMemory MakeFileDropBlock(const CArray<CString>& paths);

// What was read from a block.
struct FILEDROPLIST {
    CArray<CString> paths;  // single-byte paths in block order
    int nSkipped = 0;       // paths left out: too long for the buffer, or not in the code page
};

// Reads a block of size bytes, single-byte or wide. False for a malformed block (shorter
// than the header, paths outside the block, no final NUL within it); nothing is read then.
// A path that does not fit FILEDROP_MAX_PATH, or a wide path with characters the code page
// lacks, is skipped: a cut or substituted path may name another file.
bool ReadFileDropBlock(const void* block, size_t size, FILEDROPLIST* pList);
bool ReadFileDropBlock(HGLOBAL hBlock, FILEDROPLIST* pList);
