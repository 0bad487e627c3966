// The one way tests wait: poll a condition while this thread's messages are handled, so
// windows the test itself owns keep answering (and no test waits a fixed time).
#pragma once

#include <windows.h>

// Handles whatever is queued for this thread now, without waiting.
void PumpMessages();

// Polls cond about every 10 ms, handling messages in between, until it holds or timeoutMs
// pass; returns its last value.
template <class F>
bool WaitFor(F cond, int timeoutMs = 20000)
{
    DWORD start = ::GetTickCount();
    for (;;) {
        PumpMessages();
        if (cond()) return true;
        if ((int)(::GetTickCount() - start) >= timeoutMs) break;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    PumpMessages();
    return cond();
}

// Polls cond about every 10 ms without handling messages, until it holds or timeoutMs pass:
// for when what another program does must be done before this thread's windows hear of it.
template <class F>
bool WaitUnpumped(F cond, int timeoutMs = 20000)
{
    for (DWORD start = ::GetTickCount(); !cond();) {
        if ((int)(::GetTickCount() - start) >= timeoutMs) return cond();
        ::Sleep(10);
    }
    return true;
}
