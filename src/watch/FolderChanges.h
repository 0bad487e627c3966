// CFolderChanges: the names that change in one folder, as the platform reports them
// (ReadDirectoryChangesW), read on a worker thread and handed to a window in batches. The
// window gets one posted message whenever changes wait and it has not been told since its
// last Take; it then takes them all at once. When the platform lost changes (its buffer
// overflowed), the watch ended (the folder went) or a name came that is not one of the code
// page, Take says so: only a full re-read of the folder is then right.
#pragma once

#include "fw/afx.h"
#include "fw/Handle.h"
#include "fw/Thread.h"
#include <memory>
#include <vector>

// Posted to the window of a CFolderChanges while changes wait.
const UINT WM_FOLDER_CHANGES = WM_APP + 1;

struct FOLDERCHANGE {
    DWORD dwAction;  // FILE_ACTION_ADDED, _REMOVED, _MODIFIED, _RENAMED_OLD_NAME, _RENAMED_NEW_NAME
    CString strName; // the entry's name in the folder (ANSI code page)
};

class CFolderChanges {
public:
    CFolderChanges() {}
    ~CFolderChanges() { Stop(); }
    CFolderChanges(const CFolderChanges&) = delete;
    CFolderChanges& operator=(const CFolderChanges&) = delete;

    // Watches folder (ending with a backslash or not) for hWnd, which gets msg; the watch of
    // a folder before is stopped. False when the folder cannot be watched.
    bool Start(const char* folder, HWND hWnd, UINT msg);
    // Returns once the worker has ended; changes not yet taken are dropped.
    void Stop();
    bool IsWatching() const { return m_hThread.IsValid(); }
    // Whether the path watched still opens as the folder the watch began on: false once it
    // is gone, on its way out (deleted while open) or another folder of that name.
    bool IsStillTheFolder() const;
    // The last-write time of the folder watched (it changes with every entry made, removed
    // or renamed in it); false when not known.
    bool GetFolderWriteTime(FILETIME* pTime) const;
    // The folder watched, with its backslash; empty when none.
    const CString& GetFolder() const { return m_strFolder; }

    // The waiting changes in the order they happened. *pLost: some were lost or the watch
    // ended since the last Take.
    void Take(std::vector<FOLDERCHANGE>* pChanges, bool* pLost);

    // The platform's buffer of notices per read, for the next Start (256 KiB by default;
    // whole DWORDs, at least one record's head).
    void SetBufferSize(DWORD bytes)
    {
        bytes &= ~(DWORD)(sizeof(DWORD) - 1);
        m_dwBufferSize = bytes < sizeof(FILE_NOTIFY_INFORMATION) ? (DWORD)sizeof(FILE_NOTIFY_INFORMATION) : bytes;
    }
    // How many times changes were lost since the first Start.
    int GetLostCount() const { return m_nLost; }

private:
    static DWORD WINAPI ThreadProc(LPVOID p);
    void Run();
    // Asks the platform for the next notices (the first one before Start returns, so that
    // nothing made after Start goes unseen).
    bool Issue();
    // Queues the notices of one read; under no lock.
    void Queue(const BYTE* buffer, DWORD size);
    void Notify();

    CString m_strFolder;
    BY_HANDLE_FILE_INFORMATION m_identity = {};  // volume and index of the folder watched
    HWND m_hWnd = nullptr;
    UINT m_msg = 0;
    CFileHandle m_hDir;
    CHandle m_hStop;
    CHandle m_hDone;  // the read's event
    OVERLAPPED m_ov = {};
    std::unique_ptr<DWORD[]> m_buffer;  // DWORD-aligned records
    DWORD m_dwIssuedSize = 0;
    CHandle m_hThread;
    CCriticalSection m_lock;
    std::vector<FOLDERCHANGE> m_pending;  // under m_lock, as the two flags
    bool m_bLost = false;
    bool m_bPosted = false;
    DWORD m_dwBufferSize = 256 * 1024;
    int m_nLost = 0;  // read on the window's thread only
};
