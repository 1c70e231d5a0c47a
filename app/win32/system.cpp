#include "app/win32/system.h"

#include "app/calculator/control_table.h"
#include "app/calculator/presentation.h"
#include "app/win32/resource.h"
#include "app/win32/win_text.h"

#include <initguid.h>
#include <oleacc.h>
#include <stdexcept>

namespace winview {

namespace {

// A function of a library loaded at run time.
template <typename Function> Function procedure(HMODULE library, const char *name)
{
    // Through a function type without parameters, which any function pointer converts to and from.
    return library == nullptr
        ? nullptr
        : reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

} // namespace

void tellFailure(const char *what)
{
    const std::wstring text = L"程序出错，无法继续运行：\n" + wide(what);
    MessageBoxW(nullptr, text.c_str(), wide(app::kWindowCaption).c_str(), MB_OK | MB_ICONERROR);
}

void throwFailure(const char *call)
{
    throw std::runtime_error(std::string(call) + " failed, error " + std::to_string(GetLastError()));
}

void registerWindowClass(HINSTANCE instance, const wchar_t *name, WNDPROC procedure, bool dialog)
{
    if (WNDCLASSEXW known {}; GetClassInfoExW(instance, name, &known) != FALSE)
        return;
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof(WNDCLASSEXW);
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = dialog ? DLGWINDOWEXTRA : 0;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(dialog ? COLOR_3DFACE : COLOR_WINDOW);
    windowClass.lpszClassName = name;
    windowClass.hIcon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_ROPECALC), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_ROPECALC), IMAGE_ICON,
        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    checked(RegisterClassExW(&windowClass), "RegisterClassExW");
}

std::wstring textOf(HWND control)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(control, text.data(), int(text.size()))));
    return text;
}

SIZE frameSize(int widthTwips, int heightTwips, DWORD style, DWORD exStyle, UINT dpi)
{
    RECT frame { 0, 0, app::pixels(widthTwips, int(dpi)), app::pixels(heightTwips, int(dpi)) };
    AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, dpi);
    return { frame.right - frame.left, frame.bottom - frame.top };
}

int lineHeightOf(HWND window, HFONT font)
{
    HDC dc = GetDC(window);
    const HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return int(metrics.tmHeight);
}

ControlNames::ControlNames()
    : m_ole32(LoadLibraryW(L"ole32.dll"))
{
    const auto initialize = procedure<decltype(&CoInitializeEx)>(m_ole32, "CoInitializeEx");
    const auto create = procedure<decltype(&CoCreateInstance)>(m_ole32, "CoCreateInstance");
    if (initialize == nullptr || create == nullptr || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED)))
        return;
    m_com = true;
    if (FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
            reinterpret_cast<void **>(&m_annotations))))
        m_annotations = nullptr;
}

ControlNames::~ControlNames()
{
    if (m_annotations != nullptr)
        m_annotations->Release();
    if (const auto uninitialize = procedure<decltype(&CoUninitialize)>(m_ole32, "CoUninitialize"); m_com)
        uninitialize();
    if (m_ole32 != nullptr)
        FreeLibrary(m_ole32);
}

void ControlNames::name(HWND control, std::string_view name)
{
    if (m_annotations != nullptr)
        m_annotations->SetHwndPropStr(
            control, DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, wide(name).c_str());
}

void ControlNames::clear(HWND control)
{
    if (m_annotations != nullptr)
        m_annotations->ClearHwndProps(control, DWORD(OBJID_CLIENT), CHILDID_SELF, &PROPID_ACC_NAME, 1);
}

} // namespace winview
