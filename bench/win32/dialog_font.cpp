// What the Windows build's dialog font measures where it runs: the font made as the window makes
// it (app::kDialogFont at the screen's DPI), its text metrics and the widths of an ideograph and
// a digit. Under Wine this tells whether the face
// scripts/wine_prefix.sh puts in SimSun's place has SimSun's cell: on Windows, at 9 pt and
// 96 dpi, a line of 12 pixels, ideographs 12 wide and digits 6.
// Usage: dialog_font [face]    (the dialog font's own face by default)
#include "app/win32/dialog_font.h"

#include "app/calculator/presentation.h"
#include "app/win32/win_text.h"

#include <cstdio>
#include <string>
#include <windows.h>

int wmain(int argc, wchar_t **argv)
{
    const std::wstring face = argc > 1 ? argv[1] : std::wstring();
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    HFONT font = winview::createDialogFont(UINT(dpi), face);
    const HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICW metrics {};
    GetTextMetricsW(screen, &metrics);
    SIZE ideograph {};
    SIZE digit {};
    GetTextExtentPoint32W(screen, L"钢", 1, &ideograph);
    GetTextExtentPoint32W(screen, L"6", 1, &digit);
    SelectObject(screen, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    std::printf("%s at %d dpi: tmHeight %ld, tmAscent %ld, tmDescent %ld, tmAveCharWidth %ld, "
                "tmExternalLeading %ld; \xe9\x92\xa2 %ld wide, 6 %ld wide\n",
        winview::utf8(face.empty() ? winview::wide(app::kDialogFont.face) : face).c_str(), dpi,
        metrics.tmHeight, metrics.tmAscent, metrics.tmDescent, metrics.tmAveCharWidth,
        metrics.tmExternalLeading, ideograph.cx, digit.cx);
    return 0;
}
