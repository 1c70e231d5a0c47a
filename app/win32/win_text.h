#pragma once

#include <string>
#include <string_view>

// The model speaks UTF-8, the W functions UTF-16.
namespace winview {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view wide);

} // namespace winview
