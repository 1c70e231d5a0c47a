#include "app/win32/window.h"

#include <windows.h>

// The calculator on Windows: one window, and the program ends when it is closed.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR /*lpCmdLine*/, int nShowCmd)
{
    int status = 0;
    {
        winview::Window window(hInstance);
        ShowWindow(window.handle(), nShowCmd);
        MSG message {};
        while (GetMessageW(&message, nullptr, 0, 0) > 0)
            if (!window.translate(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        status = int(message.wParam);
    }
    return status;
}
