// CClipboard: the clipboard opened for a window, closed exactly once.
#pragma once

#include "fw/Handle.h"

class CClipboard {
public:
    CClipboard() {}
    ~CClipboard() { Close(); }
    CClipboard(const CClipboard&) = delete;
    CClipboard& operator=(const CClipboard&) = delete;

    // Another program (Wine's clipboard manager among them) may hold the clipboard for a
    // moment: the open is tried a few times before it counts as failed.
    bool Open(HWND hOwner, int nTries = 10, DWORD dwPauseMs = 20);
    bool IsOpen() const { return m_bOpen; }
    bool Empty() { return m_bOpen && ::EmptyClipboard(); }
    // Hands the memory to the clipboard. On success the clipboard owns it and mem is empty;
    // on failure mem still owns it.
    bool SetData(UINT nFormat, CGlobalMemory& mem);
    void Close();

private:
    bool m_bOpen = false;
};
