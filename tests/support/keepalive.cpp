// Keeps Wine's desktop process alive for a whole test run: a hidden window and a message loop.
#include <windows.h>

int WINAPI WinMain(HINSTANCE hInst, HINSTANCE, LPSTR, int)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = hInst;
    wc.lpszClassName = "BlxKeepAlive";
    RegisterClassA(&wc);
    CreateWindowA("BlxKeepAlive", "keepalive", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, hInst, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
