#include "app/win32/window.h"

#include <stdexcept>
#include <string>
#include <windows.h>

// The calculator on Windows: one window, and the program ends when it is closed.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR /*lpCmdLine*/, int nShowCmd)
{
    try {
        winview::Window window(hInstance);
        ShowWindow(window.handle(), nShowCmd);
        MSG message {};
        BOOL got = FALSE;
        while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0)
            if (!window.translate(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        if (got < 0)
            throw std::runtime_error("GetMessageW failed, error " + std::to_string(GetLastError()));
        return int(message.wParam);
    } catch (const std::exception &failure) {
        winview::tellFailure(failure.what());
    }
    return winview::kFailed;
}
