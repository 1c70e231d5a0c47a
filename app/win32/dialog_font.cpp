#include "app/win32/dialog_font.h"

#include "app/calculator/presentation.h"
#include "app/win32/win_text.h"

namespace winview {

namespace {

constexpr int kPointsPerInch = 72;

static_assert(app::kDialogFont.charset == GB2312_CHARSET && app::kDialogFont.weight == FW_NORMAL);

} // namespace

HFONT createDialogFont(UINT dpi, const std::wstring &face)
{
    const app::FontSpec &dialog = app::kDialogFont;
    // Negative: the height of the characters, as a point size means, not of their cells.
    const int height = -MulDiv(dialog.points, int(dpi), kPointsPerInch);
    return CreateFontW(height, 0, 0, 0, dialog.weight, FALSE, FALSE, FALSE, DWORD(dialog.charset),
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
        face.empty() ? wide(dialog.face).c_str() : face.c_str());
}

} // namespace winview
