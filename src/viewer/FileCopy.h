// Copies a file onto another in large blocks, reporting progress as it goes.
#pragma once

#include <windows.h>

class IFileCopyProgress {
public:
    virtual ~IFileCopyProgress() {}
    // Called after each block; FALSE cancels the copy.
    virtual BOOL OnProgress(unsigned __int64 done, unsigned __int64 total) = 0;
};

enum FileCopyResult { FILECOPY_FAILED = 0, FILECOPY_DONE = 1, FILECOPY_CANCELLED = -1 };

// Replaces target's content with source's. A cancelled or failed copy leaves the target empty;
// a source that is not a disk file (device, pipe, console) fails without touching the target.
FileCopyResult CopyFileContent(const char* source, const char* target, IFileCopyProgress* progress);
