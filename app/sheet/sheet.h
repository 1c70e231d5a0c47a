#pragma once

#include "app/calculator/form1.h"
#include "listing/rope_listing.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The calculation sheet (计算书) without a toolkit: what a user files for approval of a rope, built
// from what the calculator or the selection window shows, and written as plain text, RTF or HTML
// for a front end to preview, save or print.
namespace app::sheet {

enum class BlockKind {
    Title,
    Line, // a line under the title: the date, the program
    Heading,
    Row, // a key and its value; consecutive rows make one table
    Formula, // a formula written with its numbers
    Paragraph,
    Footnote, // a note on the rows above it
    Signature, // a line to sign and date
};

struct Block {
    BlockKind kind;
    std::string text; // a row's key
    std::string value {}; // a row's value; empty for every other block
    bool operator==(const Block &) const = default;
};

struct Document {
    std::vector<Block> blocks;
};

// The sheet of the calculation the method's frame shows: its rope, inputs, read-outs, formulas
// and verdict. Only while the frame's result box shows the outcome of its "计  算" (a factor, or
// the red "重选钢丝绳") for the controls as they stand; empty otherwise. `date` is printed as given.
std::optional<Document> calculatorSheet(
    const Form1 &calculator, listing::Method method, std::string_view date);

// The sheet of a listed rope for the job as typed: the calculator's sheet of the rope taken over,
// with the job's end load, length and way and the static tension worked out from them. Empty
// when the row is not the job's (the calculator would not show it so).
std::optional<Document> selectionSheet(
    const listing::Job &job, const listing::Listed &row, std::string_view date);

// One line a block, a row as its key, a tab and its value; UTF-8.
std::string toText(const Document &document);
// A4 RTF for Word and WPS: ASCII only, every other character as \uN with a "?" fallback, the
// text in SimSun, the rows as a table.
std::string toRtf(const Document &document);
// A4 HTML in UTF-8, for a browser to print.
std::string toHtml(const Document &document);

} // namespace app::sheet
