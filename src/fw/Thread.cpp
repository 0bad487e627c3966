#include "fw/afx.h"
#include "fw/Thread.h"
#include "fw/Barrier.h"
#include <process.h>

CWinThread::~CWinThread()
{
    if (m_hThread) ::CloseHandle(m_hThread);
}

unsigned __stdcall CWinThread::ThreadEntry(void* p)
{
    CWinThread* pThread = static_cast<CWinThread*>(p);
    UINT code = THREAD_EXIT_EXCEPTION;
    // Nothing may leave the thread's first frame: the platform's frames are below it.
    try {
        code = pThread->m_pfnThreadProc(pThread->m_pThreadParams);
    } catch (...) {
    }
    if (pThread->m_bAutoDelete) delete pThread;
    return code;
}

CWinThread* AfxBeginThread(AFX_THREADPROC pfn, LPVOID pParam, int nPriority, UINT nStackSize,
                           DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    CWinThread* pThread = new CWinThread(pfn, pParam);
    // Suspended first: the priority is in place before the function runs, and the object is
    // complete before an auto-deleting thread could delete it.
    unsigned id = 0;
    uintptr_t h = ::_beginthreadex(lpSecurityAttrs, nStackSize, &CWinThread::ThreadEntry, pThread,
                                   CREATE_SUSPENDED, &id);
    if (!h) {
        delete pThread;
        return nullptr;
    }
    pThread->m_hThread = (HANDLE)h;
    pThread->m_nThreadID = id;
    pThread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED)) pThread->ResumeThread();
    return pThread;
}
