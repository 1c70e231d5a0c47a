#pragma once

#include "app/sheet/sheet.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The calculation sheet's preview window without a toolkit: its caption and controls, the files
// it saves, and which sheet the calculator's menu item makes. A front end shows the document in
// its page as it will print, prints it with the system's dialog, and saves it through the
// system's save dialog in the format the chosen name says.
namespace app::sheet {

inline constexpr std::string_view kSheetCaption = "计算书";
inline constexpr std::string_view kSheetName = "Sheet"; // the window's object name
// The client area's first size in twips; the user may resize it, and the page takes the room.
inline constexpr int kSheetWidth = 9600;
inline constexpr int kSheetHeight = 9000;

enum class SheetControl { Page = 9001, PrintButton = 9002, SaveButton = 9003 };

struct SheetSpec {
    SheetControl control;
    std::string_view name; // the Qt object name
    std::string_view caption;
    int left; // twips, in the client area
    int top;
    int width;
    int height;
};

// In tab order: the buttons above the page, which is read-only.
inline constexpr std::array<SheetSpec, 3> kSheetControls { {
    { SheetControl::PrintButton, "printButton", "打印…", 120, 120, 1320, 345 },
    { SheetControl::SaveButton, "saveButton", "保存…", 1560, 120, 1320, 345 },
    { SheetControl::Page, "sheetPage", "", 120, 585, 9360, 8295 },
} };

constexpr const SheetSpec &sheetSpecOf(SheetControl control)
{
    for (const SheetSpec &row : kSheetControls)
        if (row.control == control)
            return row;
    return kSheetControls.front();
}

// The sheet of the calculation the calculator's frame pressed last shows; empty when that frame
// shows no result, which is when the menu item is disabled.
std::optional<Document> lastCalculationSheet(const Form1 &calculator, std::string_view date);

// The date as the sheet prints it: "2026年12月10日".
std::string dateText(int year, int month, int day);

// What the save dialog offers, by the name's extension; PDF only where the front end makes it.
enum class FileFormat { Rtf, Html, Pdf };
struct FileType {
    FileFormat format;
    std::string_view extension; // without the point, lower case
    std::string_view description; // the save dialog's filter name
};
inline constexpr std::array<FileType, 3> kFileTypes { {
    { FileFormat::Rtf, "rtf", "RTF 文档（Word、WPS）" },
    { FileFormat::Html, "html", "网页" },
    { FileFormat::Pdf, "pdf", "PDF 文档" },
} };
inline constexpr std::string_view kDefaultFileName = "钢丝绳安全系数计算书";

// The format a file name asks for by its extension, in any case ("a.RTF", "b.htm" too).
std::optional<FileFormat> formatOf(std::string_view fileName);

// The message box's words when a save fails: the file's name as the system writes it, and the
// system's reason.
std::string saveFailedText(std::string_view fileName, std::string_view reason);

// The bytes of an RTF or HTML file of the document; empty for PDF, which the front end makes.
std::string fileBytes(const Document &document, FileFormat format);

} // namespace app::sheet
