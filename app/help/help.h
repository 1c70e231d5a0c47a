#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Help for the whole program without a toolkit: the items of the calculator's menus, the guide
// (使用说明) and the About box. The guide's one source is docs/guide.md and the licence's is
// LICENSE; both are built into the program, so the portable program needs no other file.
namespace app {

enum class Command { SelectRopes, Sheet, Guide, About };

struct MenuItem {
    Command command;
    std::string_view caption;
    std::string_view name; // the Qt object name of its action
    unsigned id; // the Windows command: below 0xF000 in the system menu, low four bits zero
};

// The calculator's context menu and, on Windows, its system menu, in this order. F1 opens the
// guide in every window of the program as well; Ctrl+P the calculation sheet, which the menu
// offers only while the frame last calculated shows its result.
inline constexpr std::array<MenuItem, 4> kMenuItems { {
    { Command::SelectRopes, "选择钢丝绳…", "selectRopesAction", 0x0010 },
    { Command::Sheet, "计算书…", "sheetAction", 0x0040 },
    { Command::Guide, "使用说明", "guideAction", 0x0020 },
    { Command::About, "关于钢丝绳安全系数计算器", "aboutAction", 0x0030 },
} };

constexpr const MenuItem &menuItem(Command command)
{
    for (const MenuItem &item : kMenuItems)
        if (item.command == command)
            return item;
    return kMenuItems.front();
}

// The guide's window: its caption, its menu item's words, its object name and first size (twips;
// the user may resize it), and the read-only page in it.
inline constexpr std::string_view kGuideCaption = menuItem(Command::Guide).caption;
inline constexpr std::string_view kGuideName = "Guide";
inline constexpr std::string_view kGuidePageName = "guidePage";
inline constexpr int kGuidePageId = 8001;
inline constexpr int kGuideWidth = 9000;
inline constexpr int kGuideHeight = 9600;

// The About box: its caption, its menu item's words, and object name, and its text: the name, the
// version and the licence with its notice, each paragraph on one line so that the box wraps it.
inline constexpr std::string_view kAboutCaption = menuItem(Command::About).caption;
inline constexpr std::string_view kAboutName = "About";
std::string aboutText();

// Written by the build (help_texts.cpp.in): the program's version, the project's own, and the
// licence as LICENSE has it.
std::string_view version();
std::string_view licence();

namespace guide {

// The guide as docs/guide.md has it, in Markdown; written by the build as well.
std::string_view markdown();

// A block of the guide for a front end that shows plain text with styles: the Markdown marks
// are taken off, a list item keeps its bullet or number.
enum class Block { Title, Heading, Paragraph, Bullet, Numbered };
struct Paragraph {
    Block block;
    std::string text;
    bool operator==(const Paragraph &) const = default;
};
// The blocks of a text in the part of Markdown the guide uses: "# " and "## " headings,
// paragraphs, "- " and "1. " list items, each on one line, and **strong** words.
std::vector<Paragraph> paragraphs(std::string_view markdown);

// How a block looks on the page, in twips (20 to a point), so that every front end draws the
// guide alike from the same blocks.
struct BlockStyle {
    int height; // of the characters
    bool bold;
    int indent; // of the first line, from the page's margin
    int hanging; // of the lines after it, from the first: a list item's text under its text
    int spaceBefore;
    int spaceAfter;
};
BlockStyle styleOf(Block block);

// Between the page's border and its text, left and right, as an indent of every block: Wine's
// rich edit keeps no margins of its own.
inline constexpr int kPageMarginTwips = 160;

} // namespace guide
} // namespace app
