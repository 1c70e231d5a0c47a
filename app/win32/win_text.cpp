#include "app/win32/win_text.h"

#include <windows.h>

namespace winview {

std::wstring wide(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring result(std::size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), result.data(), size);
    return result;
}

std::string utf8(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int size
        = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string result(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), result.data(), size, nullptr, nullptr);
    return result;
}

} // namespace winview
