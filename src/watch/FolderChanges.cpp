#include "watch/FolderChanges.h"
#include "util/PathText.h"
#include "fw/AnsiName.h"
#include <string>
#include <memory>

bool CFolderChanges::Start(const char* folder, HWND hWnd, UINT msg)
{
    Stop();
    if (!folder || !*folder || !hWnd) return false;
    HANDLE dir = ::CreateFileA(folder, FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    if (dir == INVALID_HANDLE_VALUE) return false;
    m_hDir.Attach(dir);
    if (!::GetFileInformationByHandle(m_hDir, &m_identity)) m_identity = BY_HANDLE_FILE_INFORMATION();
    m_hStop.Attach(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    m_hDone.Attach(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    m_dwIssuedSize = m_dwBufferSize;
    m_buffer.reset(new DWORD[m_dwIssuedSize / sizeof(DWORD)]);
    m_strFolder = WithBackslash(folder);
    m_hWnd = hWnd;
    m_msg = msg;
    {
        CSingleLock lock(m_lock);
        m_pending.clear();
        m_bLost = m_bPosted = false;
    }
    DWORD id = 0;
    bool issued = m_hStop.IsValid() && m_hDone.IsValid() && Issue();
    if (issued) m_hThread.Attach(::CreateThread(nullptr, 0, ThreadProc, this, 0, &id));
    if (!m_hThread.IsValid()) {
        if (issued) {
            DWORD got = 0;
            ::CancelIoEx(m_hDir, &m_ov);
            ::GetOverlappedResult(m_hDir, &m_ov, &got, TRUE);
        }
        m_hDir.Close();
        m_hStop.Close();
        m_hDone.Close();
        m_buffer.reset();
        m_strFolder.Empty();
        return false;
    }
    return true;
}

void CFolderChanges::Stop()
{
    if (m_hThread.IsValid()) {
        ::SetEvent(m_hStop);
        ::WaitForSingleObject(m_hThread, INFINITE);
        m_hThread.Close();
    }
    m_hDir.Close();
    m_hStop.Close();
    m_hDone.Close();
    m_buffer.reset();
    m_strFolder.Empty();
    CSingleLock lock(m_lock);
    m_pending.clear();
    m_bLost = m_bPosted = false;
}

bool CFolderChanges::IsStillTheFolder() const
{
    if (!m_hDir.IsValid()) return false;
    CFileHandle now(::CreateFileA(m_strFolder, FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!now.IsValid()) return false;
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(now, &info)) return true;  // nothing to tell them apart
    return info.dwVolumeSerialNumber == m_identity.dwVolumeSerialNumber &&
           info.nFileIndexHigh == m_identity.nFileIndexHigh && info.nFileIndexLow == m_identity.nFileIndexLow;
}

bool CFolderChanges::GetFolderWriteTime(FILETIME* pTime) const
{
    return m_hDir.IsValid() && ::GetFileTime(m_hDir, nullptr, nullptr, pTime);
}

void CFolderChanges::Take(std::vector<FOLDERCHANGE>* pChanges, bool* pLost)
{
    CSingleLock lock(m_lock);
    pChanges->swap(m_pending);
    m_pending.clear();
    *pLost = m_bLost;
    if (m_bLost) m_nLost++;
    m_bLost = m_bPosted = false;
}

DWORD WINAPI CFolderChanges::ThreadProc(LPVOID p)
{
    static_cast<CFolderChanges*>(p)->Run();
    return 0;
}

void CFolderChanges::Notify()
{
    CSingleLock lock(m_lock);
    if (m_bPosted || (m_pending.empty() && !m_bLost)) return;
    m_bPosted = ::PostMessageA(m_hWnd, m_msg, 0, 0) != FALSE;
}

void CFolderChanges::Queue(const BYTE* buffer, DWORD size)
{
    std::vector<FOLDERCHANGE> batch;
    bool foreign = false;
    for (DWORD offset = 0; offset + sizeof(FILE_NOTIFY_INFORMATION) <= size;) {
        const FILE_NOTIFY_INFORMATION* info = (const FILE_NOTIFY_INFORMATION*)(buffer + offset);
        DWORD bytes = info->FileNameLength;
        // A record that does not fit the buffer ends the batch.
        if (offset + offsetof(FILE_NOTIFY_INFORMATION, FileName) + bytes > size) break;
        // Only a name that is the file's own is followed; another one (a '?' or a look-alike
        // for what the code page lacks) would name other files: the re-read of the whole
        // folder, which knows each entry's short name, takes its place.
        std::wstring wide(info->FileName, bytes / sizeof(WCHAR));
        CString name;
        if (ExactAnsi(wide.c_str(), name) && name.GetLength() < MAX_PATH)
            batch.push_back(FOLDERCHANGE{info->Action, name});
        else
            foreign = true;
        if (!info->NextEntryOffset) break;
        offset += info->NextEntryOffset;
    }
    CSingleLock lock(m_lock);
    m_pending.insert(m_pending.end(), batch.begin(), batch.end());
    if (foreign) m_bLost = true;
}

bool CFolderChanges::Issue()
{
    const DWORD filter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_SIZE |
                         FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_CREATION;
    m_ov = OVERLAPPED();
    m_ov.hEvent = m_hDone;
    ::ResetEvent(m_hDone);
    return ::ReadDirectoryChangesW(m_hDir, m_buffer.get(), m_dwIssuedSize, FALSE, filter, nullptr, &m_ov, nullptr) != FALSE;
}

void CFolderChanges::Run()
{
    const BYTE* buffer = (const BYTE*)m_buffer.get();
    for (;;) {
        HANDLE waits[2] = {m_hDone, m_hStop};
        DWORD w = ::WaitForMultipleObjects(2, waits, FALSE, INFINITE);
        DWORD got = 0;
        if (w != WAIT_OBJECT_0) {
            // The read was issued by another thread: only CancelIoEx reaches it.
            ::CancelIoEx(m_hDir, &m_ov);
            ::GetOverlappedResult(m_hDir, &m_ov, &got, TRUE);
            return;
        }
        bool ok = ::GetOverlappedResult(m_hDir, &m_ov, &got, FALSE) != FALSE;
        DWORD error = ok ? 0 : ::GetLastError();
        if (!ok || got == 0) {
            // The platform had more than the buffer holds, or the folder cannot be watched
            // any more: the names are lost.
            CSingleLock lock(m_lock);
            m_bLost = true;
        } else {
            Queue(buffer, got);
        }
        bool again = (ok || error == ERROR_NOTIFY_ENUM_DIR) && Issue();
        if (!again) {
            { CSingleLock lock(m_lock); m_bLost = true; }
            Notify();
            return;
        }
        Notify();
    }
}
