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
