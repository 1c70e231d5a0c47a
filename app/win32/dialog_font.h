#pragma once

#include <string>
#include <windows.h>

namespace winview {

// The design's dialog font (app::kDialogFont) at a DPI, in the given face or, without one, its
// own; null if the system cannot make it.
HFONT createDialogFont(UINT dpi, const std::wstring &face = {});

} // namespace winview
