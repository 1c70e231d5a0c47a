#include "app/win32/window.h"

#include <commctrl.h>
#include <objbase.h>
#include <windows.h>

// The calculator on Windows: one window, and the program ends when it is closed.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int show)
{
    // The annotation service that names the option buttons for screen readers is a COM object.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls { sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES };
    InitCommonControlsEx(&controls);

    int status = 0;
    {
        winview::Window window(instance);
        ShowWindow(window.handle(), show);
        MSG message {};
        while (GetMessageW(&message, nullptr, 0, 0) > 0)
            if (!window.translate(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        status = int(message.wParam);
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return status;
}
