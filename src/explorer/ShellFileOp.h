// CShellFileOp: one shell file operation (copy, move, delete, rename) over double-NUL lists
// of source and destination paths. The shell shows its own confirmations, progress and
// errors; the result of SHFileOperationA is passed through unchanged (0: success). The shell
// takes '*' and '?' as patterns, and no file name can hold them: a list given a path with
// either (or an empty one) is never handed on, and the operation fails with ERROR_INVALID_NAME.
#pragma once

#include "fw/afx.h"
#include <shellapi.h>

class CShellFileOp {
public:
    CShellFileOp();
    virtual ~CShellFileOp();
    CShellFileOp(const CShellFileOp&) = delete;
    CShellFileOp& operator=(const CShellFileOp&) = delete;

    void SetParent(HWND hWnd) { m_op.hwnd = hWnd; }
    void SetFlags(FILEOP_FLAGS flags) { m_op.fFlags = flags; }
    // An empty title clears the one set before.
    void SetProgressTitle(const CString& strTitle);
    // nList 0: a source path; any other value: a destination path.
    void AddFile(int nList, const CString& strPath);

    int Copy() { return Run(FO_COPY); }
    int Move() { return Run(FO_MOVE); }
    int Delete() { return Run(FO_DELETE); }
    int Rename() { return Run(FO_RENAME); }

    // For callers and tests: the lists as the shell sees them.
    const SHFILEOPSTRUCTA& GetOperation() const { return m_op; }
    const char* GetSources() const { return m_pSourceBuffer; }
    const char* GetDestinations() const { return m_pDestBuffer; }
    int GetSourceLength() const { return m_nSourceLength; }
    int GetDestLength() const { return m_nDestLength; }
    int GetSourceCapacity() const { return m_nSourceCapacity; }
    int GetDestCapacity() const { return m_nDestCapacity; }
    // Whether a path was refused (the operation will not run).
    bool HasRefusedPath() const { return m_bRefused; }

private:
    int Run(UINT wFunc);

    SHFILEOPSTRUCTA m_op;
    int m_nSourceCapacity = 0;
    int m_nDestCapacity = 0;
    int m_nSourceLength = 0;
    int m_nDestLength = 0;
    char* m_pDestBuffer = nullptr;
    char* m_pSourceBuffer = nullptr;
    char* m_pSourceEnd = nullptr;
    char* m_pDestEnd = nullptr;
    char* m_pTitle = nullptr;
    bool m_bRefused = false;
};
