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
