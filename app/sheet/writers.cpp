#include "app/sheet/sheet.h"

#include <array>
#include <cstdint>

namespace app::sheet {

namespace {

bool isRow(const std::vector<Block> &blocks, std::size_t at)
{
    return at < blocks.size() && blocks[at].kind == BlockKind::Row;
}

// The code points of UTF-8 text; a byte that begins no valid sequence stands for itself as U+FFFD.
template <typename Use> void forEachCodePoint(std::string_view text, Use &&use)
{
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const int length = lead < 0x80 ? 1
            : lead >> 5 == 0x6         ? 2
            : lead >> 4 == 0xE         ? 3
            : lead >> 3 == 0x1E        ? 4
                                       : 0;
        if (length == 0 || at + std::size_t(length) > text.size()) {
            use(char32_t(0xFFFD));
            ++at;
            continue;
        }
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            point = (point << 6) | (static_cast<unsigned char>(text[at + std::size_t(k)]) & 0x3F);
        use(point);
        at += std::size_t(length);
    }
}

// RTF's \uN takes a signed 16-bit number: a UTF-16 unit above 0x7FFF is written negative.
void rtfUnit(std::string &rtf, std::uint16_t unit)
{
    rtf += R"(\u)" + std::to_string(int(std::int16_t(unit))) + "?";
}

std::string rtfText(std::string_view text)
{
    std::string rtf;
    forEachCodePoint(text, [&rtf](char32_t point) {
        if (point == '\\' || point == '{' || point == '}') {
            rtf += '\\';
            rtf += char(point);
        } else if (point == '\t') {
            rtf += R"(\tab )";
        } else if (point >= 0x20 && point < 0x7F) {
            rtf += char(point);
        } else if (point < 0x10000) {
            rtfUnit(rtf, std::uint16_t(point));
        } else {
            const char32_t above = point - 0x10000;
            rtfUnit(rtf, std::uint16_t(0xD800 + (above >> 10)));
            rtfUnit(rtf, std::uint16_t(0xDC00 + (above & 0x3FF)));
        }
    });
    return rtf;
}

// Each block's paragraph formatting, in twips and half-points: a 10.5-point text (五号), the title
// 16 points, headings 12 points.
std::string_view rtfParagraph(BlockKind kind)
{
    switch (kind) {
    case BlockKind::Title:
        return R"(\qc\sa240\b\fs32 )";
    case BlockKind::Line:
        return R"(\qc\sa60 )";
    case BlockKind::Heading:
        return R"(\sb240\sa120\b\fs24 )";
    case BlockKind::Formula:
        return R"(\li420\sa60 )";
    case BlockKind::Footnote:
        return R"(\sb60\sa60\fs18 )";
    case BlockKind::Signature:
        return R"(\sb480 )";
    case BlockKind::Row:
    case BlockKind::Paragraph:
        break;
    }
    return R"(\sa120 )";
}

// A4 with 30 mm left and right and 25 mm top and bottom margins, inside any printer's
// unprintable border; the text is 8504 twips wide, the key column a third of it.
constexpr std::string_view kRtfPage = R"(\paperw11906\paperh16838\margl1701\margr1701\margt1417\margb1417)";
constexpr std::string_view kRtfCell = R"(\clbrdrt\brdrs\brdrw10\clbrdrl\brdrs\brdrw10\clbrdrb\brdrs\brdrw10)"
                                      R"(\clbrdrr\brdrs\brdrw10)";

std::string rtfRow(const Block &row)
{
    std::string rtf = R"(\trowd\trgaph108\trleft0)";
    rtf.append(kRtfCell).append(R"(\cellx2835)").append(kRtfCell).append("\\cellx8504\n");
    rtf += R"(\pard\intbl\sa0 )" + rtfText(row.text) + R"(\cell )" + rtfText(row.value) + "\\cell\\row\n";
    return rtf;
}

std::string htmlText(std::string_view text)
{
    std::string html;
    for (const char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        default:
            html += c;
        }
    }
    return html;
}

struct HtmlTag {
    std::string_view open;
    std::string_view close;
};

HtmlTag htmlTag(BlockKind kind)
{
    switch (kind) {
    case BlockKind::Title:
        return { "<h1>", "</h1>" };
    case BlockKind::Line:
        return { "<p class=\"line\">", "</p>" };
    case BlockKind::Heading:
        return { "<h2>", "</h2>" };
    case BlockKind::Formula:
        return { "<p class=\"formula\">", "</p>" };
    case BlockKind::Footnote:
        return { "<p class=\"note\">", "</p>" };
    case BlockKind::Signature:
        return { "<p class=\"sign\">", "</p>" };
    case BlockKind::Row:
    case BlockKind::Paragraph:
        break;
    }
    return { "<p>", "</p>" };
}

constexpr std::string_view kHtmlStyle = R"(@page { size: A4; margin: 25mm 30mm; }
body { font-family: SimSun, "宋体", serif; font-size: 10.5pt; line-height: 1.6; color: #000; }
h1 { font-size: 16pt; text-align: center; margin: 0 0 12pt; }
h2 { font-size: 12pt; margin: 12pt 0 6pt; }
p { margin: 0 0 6pt; }
p.line { text-align: center; margin: 0 0 3pt; }
p.formula { margin: 0 0 3pt 2em; }
p.note { font-size: 9pt; }
p.sign { margin-top: 24pt; }
table { border-collapse: collapse; width: 100%; margin: 0 0 6pt; page-break-inside: auto; }
tr { page-break-inside: avoid; }
th, td { border: 1px solid #000; padding: 2pt 6pt; text-align: left; vertical-align: top; font-weight: normal; }
th { width: 33%; }
)";

} // namespace

std::string toText(const Document &document)
{
    std::string text;
    for (const Block &block : document.blocks) {
        text += block.text;
        if (block.kind == BlockKind::Row)
            text += "\t" + block.value;
        text += '\n';
    }
    return text;
}

std::string toRtf(const Document &document)
{
    // Code page 936 and charset 134 say Simplified Chinese to a reader that goes by them; every
    // character beyond ASCII is written as \uN all the same, so no byte depends on a code page.
    std::string rtf = "{\\rtf1\\ansi\\ansicpg936\\uc1\\deff0\\deflang2052\n"
                      "{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun{\\*\\falt \\'cb\\'ce\\'cc\\'e5};}}\n";
    rtf.append(kRtfPage).append("\\fs21\n");
    const std::vector<Block> &blocks = document.blocks;
    for (std::size_t at = 0; at < blocks.size(); ++at) {
        const Block &block = blocks[at];
        if (block.kind == BlockKind::Row) {
            rtf += rtfRow(block);
            if (!isRow(blocks, at + 1))
                rtf += "\\pard\n";
            continue;
        }
        rtf += R"({\pard\plain\f0\fs21)";
        rtf.append(rtfParagraph(block.kind)).append(rtfText(block.text)).append("\\par}\n");
    }
    rtf += "}\n";
    return rtf;
}

std::string toHtml(const Document &document)
{
    const std::vector<Block> &blocks = document.blocks;
    std::string title;
    for (const Block &block : blocks)
        if (block.kind == BlockKind::Title && title.empty())
            title = block.text;
    std::string html = "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>"
        + htmlText(title) + "</title>\n<style>\n" + std::string(kHtmlStyle) + "</style>\n</head>\n<body>\n";
    for (std::size_t at = 0; at < blocks.size(); ++at) {
        const Block &block = blocks[at];
        if (block.kind == BlockKind::Row) {
            if (at == 0 || blocks[at - 1].kind != BlockKind::Row)
                html += "<table>\n";
            html += "<tr><th scope=\"row\">" + htmlText(block.text) + "</th><td>" + htmlText(block.value)
                + "</td></tr>\n";
            if (!isRow(blocks, at + 1))
                html += "</table>\n";
            continue;
        }
        const HtmlTag tag = htmlTag(block.kind);
        html.append(tag.open).append(htmlText(block.text)).append(tag.close).append("\n");
    }
    html += "</body>\n</html>\n";
    return html;
}

} // namespace app::sheet
