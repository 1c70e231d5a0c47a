#include "app/sheet/sheet_window.h"

#include <algorithm>
#include <cctype>

namespace app::sheet {

std::optional<Document> lastCalculationSheet(const Form1 &calculator, std::string_view date)
{
    const std::optional<Button> pressed = calculator.lastPressed();
    if (!pressed)
        return std::nullopt;
    const listing::Method method
        = *pressed == kStandardCommand ? listing::Method::Standard : listing::Method::Traditional;
    return calculatorSheet(calculator, method, date);
}

std::string dateText(int year, int month, int day)
{
    return std::to_string(year) + "年" + std::to_string(month) + "月" + std::to_string(day) + "日";
}

std::optional<FileFormat> formatOf(std::string_view fileName)
{
    const auto point = fileName.rfind('.');
    if (point == std::string_view::npos)
        return std::nullopt;
    std::string extension(fileName.substr(point + 1));
    std::ranges::transform(extension, extension.begin(),
        [](char c) { return char(std::tolower(static_cast<unsigned char>(c))); });
    if (extension == "htm")
        return FileFormat::Html;
    for (const FileType &type : kFileTypes)
        if (type.extension == extension)
            return type.format;
    return std::nullopt;
}

std::string saveFailedText(std::string_view fileName, std::string_view reason)
{
    return "计算书未能保存为“" + std::string(fileName) + "”：" + std::string(reason);
}

std::string fileBytes(const Document &document, FileFormat format)
{
    switch (format) {
    case FileFormat::Rtf:
        return toRtf(document);
    case FileFormat::Html:
        return toHtml(document);
    case FileFormat::Pdf:
        break;
    }
    return {};
}

} // namespace app::sheet
