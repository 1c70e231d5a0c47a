#pragma once

#include "app/calculator/form1.h"
#include "common/purpose_table.h"
#include "listing/rope_listing.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// The rope selection window without a toolkit: its controls as data, its state, and how a listed
// rope is taken over into the calculator. A front end builds the controls from the table, tells
// the model what the user did, and then shows the list and the line under it anew; it never
// writes an input the user is working in.
namespace app {

// The selection window's own caption and client area, in twips.
inline constexpr std::string_view kSelectionCaption = "选择钢丝绳";
inline constexpr std::string_view kSelectionName = "Selection"; // the window's object name
inline constexpr int kSelectionWidth = 11860;
inline constexpr int kSelectionHeight = 7380;

enum class Piece {
    Label,
    Box, // a one-line edit field
    PurposeList, // an editable list of the purposes
    Option, // an option button with its own caption
    Check, // a check box
    Table, // the list of ropes, one row each, with column headers
    Button,
    Status, // a line of text the window writes
};

// The controls by their fixed Windows control IDs: the Windows window switches on them, the Qt
// window holds its widgets by them, and the tests name a control by them on both.
enum class SelectionControl {
    LoadBox = 7001,
    LengthBox = 7002,
    PurposeBox = 7003,
    InstallOption = 7004,
    MineOption = 7005,
    TraditionalCheck = 7006,
    StandardCheck = 7007,
    RopeList = 7008,
    UseButton = 7009,
    CopyButton = 7010,
    StatusLabel = 7011,
    LoadLabel = 7012,
    LengthLabel = 7013,
    PurposeLabel = 7014,
    VerticalOption = 7015,
    InclinedOption = 7016,
    AngleBox = 7017,
    TrackBox = 7018,
    DragBox = 7019,
    AngleLabel = 7020,
    TrackLabel = 7021,
    DragLabel = 7022,
    SheetButton = 7023,
};

struct SelectionSpec {
    Piece piece;
    SelectionControl control;
    std::string_view name; // the Qt object name
    std::string_view caption;
    int left; // twips, in the client area
    int top;
    int width;
    int height;
    std::string_view accessibleName; // for a control without a caption of its own
};

// In tab order, which reads the window by rows; a label comes right before the input it names.
// The inclined inputs are a row of their own under the job's first row.
inline constexpr std::array<SelectionSpec, 23> kSelectionControls { {
    { Piece::Label, SelectionControl::LoadLabel, "loadLabel", listing::kLoadTitle, 120, 120, 1500, 240, {} },
    { Piece::Box, SelectionControl::LoadBox, "loadBox", "", 120, 390, 1500, 315, listing::kLoadTitle },
    { Piece::Label, SelectionControl::LengthLabel, "lengthLabel", listing::kLengthTitles[0], 1800, 120, 1500,
        240, {} },
    { Piece::Box, SelectionControl::LengthBox, "lengthBox", "", 1800, 390, 1500, 315,
        listing::kLengthTitles[0] },
    { Piece::Label, SelectionControl::PurposeLabel, "purposeLabel", listing::kPurposeTitle, 3480, 120, 1800,
        240, {} },
    { Piece::PurposeList, SelectionControl::PurposeBox, "purposeBox", "", 3480, 390, 1800, 315,
        listing::kPurposeTitle },
    { Piece::Option, SelectionControl::InstallOption, "installOption", standard::kWorkTypeNames[0], 5520, 150,
        900, 270, {} },
    { Piece::Option, SelectionControl::MineOption, "mineOption", standard::kWorkTypeNames[1], 5520, 450, 900,
        270, {} },
    { Piece::Check, SelectionControl::TraditionalCheck, "traditionalCheck", listing::kMethodTitles[0], 6540,
        150, 1320, 270, {} },
    { Piece::Check, SelectionControl::StandardCheck, "standardCheck", listing::kMethodTitles[1], 6540, 450,
        1320, 270, {} },
    { Piece::Button, SelectionControl::UseButton, "useButton", "用于计算", 10180, 120, 1560, 345, {} },
    { Piece::Button, SelectionControl::CopyButton, "copyButton", "复制", 10180, 525, 1560, 345, {} },
    { Piece::Button, SelectionControl::SheetButton, "sheetButton", "计算书…", 10180, 930, 1560, 345, {} },
    { Piece::Option, SelectionControl::VerticalOption, "verticalOption", listing::kWayNames[0], 120, 870, 900,
        270, {} },
    { Piece::Option, SelectionControl::InclinedOption, "inclinedOption", listing::kWayNames[1], 120, 1170,
        900, 270, {} },
    { Piece::Label, SelectionControl::AngleLabel, "angleLabel", listing::kAngleTitle, 1800, 840, 1500, 240,
        {} },
    { Piece::Box, SelectionControl::AngleBox, "angleBox", "", 1800, 1110, 1500, 315, listing::kAngleTitle },
    { Piece::Label, SelectionControl::TrackLabel, "trackLabel", listing::kTrackTitle, 3480, 840, 1800, 240,
        {} },
    { Piece::Box, SelectionControl::TrackBox, "trackBox", "", 3480, 1110, 1800, 315, listing::kTrackTitle },
    { Piece::Label, SelectionControl::DragLabel, "dragLabel", listing::kDragTitle, 5520, 840, 1800, 240, {} },
    { Piece::Box, SelectionControl::DragBox, "dragBox", "", 5520, 1110, 1800, 315, listing::kDragTitle },
    { Piece::Table, SelectionControl::RopeList, "ropeList", "", 120, 1740, 11620, 5160, "满足要求的钢丝绳" },
    { Piece::Status, SelectionControl::StatusLabel, "statusLabel", "", 120, 7020, 11620, 240, {} },
} };

// The list's column widths in twips, in the order of the columns: each fits its title and its
// widest cell in the dialog font, where an ideograph is 12 pixels wide and a digit 6, with a
// few pixels to spare. A traditional factor and an inclined job's tension have up to 15 digits and
// a point (96 pixels), a longest length up to 9 digits, a point and a tenth; all the columns and a
// scroll bar fit the list.
inline constexpr std::array<int, listing::kColumnCount> kColumnWidths { 600, 900, 1080, 720, 720, 1500, 1350,
    1620, 1620, 1200 };

// Where a control's row is in the table. Every control has one row (checked below); a value that
// is no control is an error, not some other control's row.
constexpr std::size_t selectionRow(SelectionControl control)
{
    for (std::size_t row = 0; row < kSelectionControls.size(); ++row)
        if (kSelectionControls.at(row).control == control)
            return row;
    throw std::out_of_range("not a control of the selection window");
}

constexpr const SelectionSpec &specOf(SelectionControl control)
{
    return kSelectionControls.at(selectionRow(control));
}

// Each control in one row, the IDs the twenty-three from 7001 on.
constexpr bool eachControlOnce()
{
    for (int id = 7001; id < 7001 + int(kSelectionControls.size()); ++id)
        if (std::ranges::count(kSelectionControls, SelectionControl(id), &SelectionSpec::control) != 1)
            return false;
    return true;
}
static_assert(eachControlOnce());

// A control of one piece. The Qt window hands out each as the widget its piece is made of, so
// that reading a check box where a box is meant does not compile; each still reads as the plain
// control it is.
template <Piece P> struct SelectionPart {
    SelectionControl control;
    constexpr operator SelectionControl() const { return control; }
};

inline constexpr SelectionPart<Piece::Box> kLoadBox { SelectionControl::LoadBox };
inline constexpr SelectionPart<Piece::Box> kLengthBox { SelectionControl::LengthBox };
inline constexpr SelectionPart<Piece::Label> kLengthLabel { SelectionControl::LengthLabel };
inline constexpr SelectionPart<Piece::PurposeList> kPurposeBox { SelectionControl::PurposeBox };
inline constexpr SelectionPart<Piece::Table> kRopeList { SelectionControl::RopeList };
inline constexpr SelectionPart<Piece::Button> kUseButton { SelectionControl::UseButton };
inline constexpr SelectionPart<Piece::Button> kCopyButton { SelectionControl::CopyButton };
inline constexpr SelectionPart<Piece::Button> kSheetButton { SelectionControl::SheetButton };
inline constexpr SelectionPart<Piece::Status> kStatusLabel { SelectionControl::StatusLabel };

// The work type's option buttons and the methods' check boxes, with what each stands for.
struct WorkOption {
    SelectionPart<Piece::Option> option;
    standard::WorkType work;
};
inline constexpr std::array<WorkOption, 2> kSelectionWorkOptions { {
    { { SelectionControl::InstallOption }, standard::WorkType::Installation },
    { { SelectionControl::MineOption }, standard::WorkType::MineConstruction },
} };

struct WayOption {
    SelectionPart<Piece::Option> option;
    listing::Way way;
};
inline constexpr std::array<WayOption, 2> kWayOptions { {
    { { SelectionControl::VerticalOption }, listing::Way::Vertical },
    { { SelectionControl::InclinedOption }, listing::Way::Inclined },
} };

// The inclined job's inputs with their labels, enabled only while "斜井" is chosen.
enum class Inclined { Angle, Track, Drag };
struct InclinedInput {
    SelectionPart<Piece::Label> label;
    SelectionPart<Piece::Box> box;
    Inclined input;
};
inline constexpr std::array<InclinedInput, 3> kInclinedInputs { {
    { { SelectionControl::AngleLabel }, { SelectionControl::AngleBox }, Inclined::Angle },
    { { SelectionControl::TrackLabel }, { SelectionControl::TrackBox }, Inclined::Track },
    { { SelectionControl::DragLabel }, { SelectionControl::DragBox }, Inclined::Drag },
} };

struct MethodCheck {
    SelectionPart<Piece::Check> check;
    listing::Method method;
};
inline constexpr std::array<MethodCheck, 2> kMethodChecks { {
    { { SelectionControl::TraditionalCheck }, listing::Method::Traditional },
    { { SelectionControl::StandardCheck }, listing::Method::Standard },
} };

// Each part is of the piece its row says.
template <Piece P> constexpr bool isPiece(SelectionPart<P> part)
{
    return specOf(part).piece == P;
}
static_assert(isPiece(kLoadBox) && isPiece(kLengthBox) && isPiece(kLengthLabel) && isPiece(kPurposeBox)
    && isPiece(kRopeList) && isPiece(kUseButton) && isPiece(kCopyButton) && isPiece(kSheetButton)
    && isPiece(kStatusLabel));
static_assert(std::ranges::all_of(kSelectionWorkOptions, [](const WorkOption &row) {
    return isPiece(row.option);
}) && std::ranges::all_of(kMethodChecks, [](const MethodCheck &row) { return isPiece(row.check); }));
static_assert(std::ranges::all_of(kWayOptions, [](const WayOption &row) { return isPiece(row.option); })
    && std::ranges::all_of(
        kInclinedInputs, [](const InclinedInput &row) { return isPiece(row.label) && isPiece(row.box); }));

// The window's state: the job as typed, the listing it gives and the order it is shown in. Every
// input lists anew at once; there is nothing to press.
class Selection {
public:
    Selection();

    // What the user did.
    void typeLoad(std::string_view text);
    void typeLength(std::string_view text);
    void typePurpose(std::string_view text); // the purpose list's field
    void pickPurpose(int item); // an item of purposes()
    void selectWork(standard::WorkType work);
    void selectWay(listing::Way way);
    void typeInclined(Inclined input, std::string_view text);
    void showMethod(listing::Method method, bool shown); // a method's check box
    // A click on a column header: ascending first, a second click on the same column reverses.
    void sortBy(listing::Column column);

    const listing::Job &job() const { return m_job; }
    const std::vector<listing::Listed> &rows() const { return m_listing.rows; }
    std::optional<listing::Column> sortColumn() const { return m_sortColumn; }
    bool descending() const { return m_descending; }
    const std::string &status() const { return m_status; }
    // The inclined inputs take part only in an inclined job; the length's label says which length.
    bool inclinedEnabled() const { return m_job.way == listing::Way::Inclined; }
    std::string_view lengthCaption() const { return listing::kLengthTitles.at(std::size_t(m_job.way)); }
    std::string copyText() const { return listing::copyText(m_job, m_listing.rows); }

    // The purpose list's items: every purpose of the purpose table.
    static std::array<std::string_view, common::kPurposes.size()> purposes();

private:
    void relist();

    listing::Catalogue m_catalogue;
    listing::Job m_job;
    listing::Listing m_listing;
    std::optional<listing::Column> m_sortColumn;
    bool m_descending = false;
    std::string m_status;
};

// Makes the calculator do a listed rope's calculation as the user would: select its class,
// grade, core and work type, pick its diameter, type its static tension as the force, pick or
// type the purpose, and press the method's "计  算". Refused (false) while the calculator is busy,
// say under a message box.
bool takeOver(Form1 &calculator, const listing::Listed &row, const listing::Job &job);

} // namespace app
