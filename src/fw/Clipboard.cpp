#include "fw/afx.h"
#include "fw/Clipboard.h"

bool CClipboard::Open(HWND hOwner, int nTries, DWORD dwPauseMs)
{
    Close();
    for (int i = 0; i < nTries && !m_bOpen; i++) {
        if (i) ::Sleep(dwPauseMs);
        m_bOpen = ::OpenClipboard(hOwner) != FALSE;
    }
    return m_bOpen;
}

bool CClipboard::SetData(UINT nFormat, CGlobalMemory& mem)
{
    if (!m_bOpen || !mem.IsValid()) return false;
    if (!::SetClipboardData(nFormat, mem.Get())) return false;
    mem.Detach();
    return true;
}

void CClipboard::Close()
{
    if (m_bOpen) ::CloseClipboard();
    m_bOpen = false;
}
