#include "app/help/help.h"

#include "app/calculator/control_table.h"

namespace app {

namespace {

std::string_view withoutPrefix(std::string_view line, std::string_view prefix)
{
    line.remove_prefix(prefix.size());
    return line;
}

// "1. " and the like: the number and its point, or 0 if the line is no numbered item.
std::size_t numberLength(std::string_view line)
{
    std::size_t digits = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9')
        ++digits;
    return digits > 0 && line.substr(digits).starts_with(". ") ? digits + 2 : 0;
}

std::string withoutStrong(std::string_view text)
{
    std::string plain;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text.substr(at).starts_with("**"))
            ++at;
        else
            plain += text[at];
    }
    return plain;
}

} // namespace

std::string aboutText()
{
    std::string text(kWindowCaption);
    text += "\n版本 ";
    text += version();
    text += "\n\n";
    // Each paragraph of the licence on one line; paragraphs stay apart.
    for (const guide::Paragraph &paragraph : guide::paragraphs(licence())) {
        if (!text.ends_with("\n\n"))
            text += "\n\n";
        text += paragraph.text;
    }
    return text;
}

namespace guide {

std::vector<Paragraph> paragraphs(std::string_view markdown)
{
    std::vector<Paragraph> blocks;
    bool open = false; // the last block is a paragraph that the next line continues
    while (!markdown.empty()) {
        const std::size_t end = markdown.find('\n');
        std::string_view line = markdown.substr(0, end);
        markdown.remove_prefix(end == std::string_view::npos ? markdown.size() : end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.remove_suffix(1);
        if (line.empty()) {
            open = false;
            continue;
        }
        Paragraph block { Block::Paragraph, withoutStrong(line) };
        if (line.starts_with("# "))
            block = { Block::Title, withoutStrong(withoutPrefix(line, "# ")) };
        else if (line.starts_with("## "))
            block = { Block::Heading, withoutStrong(withoutPrefix(line, "## ")) };
        else if (line.starts_with("- "))
            block = { Block::Bullet, "· " + withoutStrong(withoutPrefix(line, "- ")) };
        else if (numberLength(line) > 0)
            block = { Block::Numbered, block.text };
        else if (open) {
            // A paragraph's wrapped line; headings and list items start blocks of their own.
            blocks.back().text += ' ' + block.text;
            continue;
        }
        open = block.block == Block::Paragraph;
        blocks.push_back(std::move(block));
    }
    return blocks;
}

BlockStyle styleOf(Block block)
{
    constexpr int kTwipsPerPoint = 20;
    constexpr int kText = 21 * kTwipsPerPoint / 2; // 10.5 pt
    constexpr int kSpace = 6 * kTwipsPerPoint;
    switch (block) {
    case Block::Title:
        return { 16 * kTwipsPerPoint, true, 0, 0, 0, 2 * kSpace };
    case Block::Heading:
        return { 12 * kTwipsPerPoint, true, 0, 0, kSpace, kSpace };
    case Block::Bullet:
    case Block::Numbered:
        // Indented by two ideographs; "· " and "1. " are about one and a half wide.
        return { kText, false, 2 * kText, 3 * kText / 2, 0, kSpace / 2 };
    case Block::Paragraph:
        break;
    }
    return { kText, false, 0, 0, 0, kSpace };
}

} // namespace guide
} // namespace app
