#include "support/Wait.h"

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;  // a test's window may end its "application"
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void Idle(int ms)
{
    DWORD start = ::GetTickCount();
    do {
        PumpMessages();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while ((int)(::GetTickCount() - start) < ms);
}
