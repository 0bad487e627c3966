// Worker threads and the lock they share with the user-interface thread.
#pragma once

#include <windows.h>

typedef UINT (*AFX_THREADPROC)(LPVOID);

// A thread started by AfxBeginThread. With m_bAutoDelete (the default) the object deletes
// itself, closing its handle, when the thread function returns: keep no pointer to it past
// that point without a handle of your own (DuplicateHandle on m_hThread).
class CWinThread {
public:
    CWinThread(AFX_THREADPROC pfn, LPVOID pParam) : m_pfnThreadProc(pfn), m_pThreadParams(pParam) {}
    ~CWinThread();
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    BOOL SetThreadPriority(int nPriority) { return ::SetThreadPriority(m_hThread, nPriority); }
    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }

    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    BOOL m_bAutoDelete = TRUE;

private:
    static unsigned __stdcall ThreadEntry(void* p);

    AFX_THREADPROC m_pfnThreadProc;
    LPVOID m_pThreadParams;

    friend CWinThread* AfxBeginThread(AFX_THREADPROC, LPVOID, int, UINT, DWORD, LPSECURITY_ATTRIBUTES);
};

// Starts pfn(pParam) on a new thread at nPriority; null when the thread cannot be made.
CWinThread* AfxBeginThread(AFX_THREADPROC pfn, LPVOID pParam, int nPriority = THREAD_PRIORITY_NORMAL,
                           UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                           LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);

// A critical section that lives as long as its object.
class CCriticalSection {
public:
    CCriticalSection() { ::InitializeCriticalSection(&m_sect); }
    ~CCriticalSection() { ::DeleteCriticalSection(&m_sect); }
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;

    void Lock() { ::EnterCriticalSection(&m_sect); }
    void Unlock() { ::LeaveCriticalSection(&m_sect); }

private:
    CRITICAL_SECTION m_sect;
};

// Holds a critical section for the lifetime of the object.
class CSingleLock {
public:
    explicit CSingleLock(CCriticalSection& cs) : m_cs(cs) { m_cs.Lock(); }
    ~CSingleLock() { m_cs.Unlock(); }
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;

private:
    CCriticalSection& m_cs;
};
