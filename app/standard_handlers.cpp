#include "app/control_ops.h"
#include "app/control_table.h"
#include "app/form1.h"
#include "app/qt_text.h"
#include "app/result_box.h"
#include "common/number_format.h"
#include "standard/check.h"
#include "standard/lookup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace app {

// Each diameter list reads its own class's table by the picked item's position.
static_assert(kStandard6x19Diameters.size() == standard::k6x19.size());
static_assert(kStandard6x37Diameters.size() == standard::k6x37.size());
static_assert(kStandard6x61Diameters.size() == standard::k6x61.size());
static_assert(kStandard18x7Diameters.size() == standard::k18x7.size());

void Form1::Option14_Click()
{
    pickStandardGrade();
}
void Form1::Option15_Click()
{
    pickStandardGrade();
}
void Form1::Option16_Click()
{
    pickStandardGrade();
}
void Form1::Option17_Click()
{
    pickStandardGrade();
}
void Form1::Option18_Click()
{
    pickStandardGrade();
}

// A core pick empties the other core's read-outs and the lists: the user picks the diameter
// again. The new core's read-outs are empty already, as only the selected core's are written.
void Form1::Option19_Click()
{
    text(9)->setText(QString());
    text(11)->setText(QString());
    emptyStandardLists();
}
void Form1::Option20_Click()
{
    text(7)->setText(QString());
    text(8)->setText(QString());
    text(10)->setText(QString());
    emptyStandardLists();
}

void Form1::Combo6_Click()
{
    showStandard(
        standard::lookup(standard::k6x19, combo(6)->currentIndex(), standardCore(), standardGrade()));
}
void Form1::Combo7_Click()
{
    showStandard(
        standard::lookup(standard::k6x37, combo(7)->currentIndex(), standardCore(), standardGrade()));
}
void Form1::Combo8_Click()
{
    showStandard(
        standard::lookup(standard::k6x61, combo(8)->currentIndex(), standardCore(), standardGrade()));
}
void Form1::Combo9_Click()
{
    showStandard(
        standard::lookup(standard::k18x7, combo(9)->currentIndex(), standardCore(), standardGrade()));
}

void Form1::Command2_Click()
{
    const std::optional<int> ropeClass = selectedAmong(10, 13);
    const std::optional<int> work = selectedAmong(21, 22);
    const standard::Choices choices {
        ropeClass ? std::optional(standard::RopeClass(*ropeClass)) : std::nullopt,
        standardCore(),
        work ? std::optional(standard::WorkType(*work)) : std::nullopt,
    };
    const common::Verdict verdict
        = standard::check(text(10)->text().toStdString(), text(11)->text().toStdString(),
            text(12)->text().toStdString(), combo(10)->currentText().toStdString(), choices);
    showVerdict(this, text(13), verdict, common::formatTwoDecimals);
}

// A changed input of the check makes the shown result stale.
void Form1::Option21_Click()
{
    clearResult(text(13));
}
void Form1::Option22_Click()
{
    clearResult(text(13));
}
void Form1::Combo10_Click()
{
    clearResult(text(13));
}
void Form1::Combo10_Change()
{
    clearResult(text(13));
}
void Form1::Text10_Change()
{
    clearResult(text(13));
}
void Form1::Text11_Change()
{
    clearResult(text(13));
}
void Form1::Text12_Change()
{
    clearResult(text(13));
}

// A new grade invalidates every read-out: the user picks the diameter again.
void Form1::pickStandardGrade()
{
    emptyStandardLists();
    for (int n = 7; n <= 11; ++n)
        text(n)->setText(QString());
    whitenResult(text(13));
}

void Form1::emptyStandardLists()
{
    for (int n = 6; n <= 9; ++n)
        clearText(combo(n));
}

std::optional<standard::Grade> Form1::standardGrade() const
{
    // Option14 to Option18 stand in the order of the grades, 1470 to 1870.
    if (const std::optional<int> rank = selectedAmong(14, 18))
        return standard::Grade(*rank);
    return std::nullopt;
}

std::optional<standard::Core> Form1::standardCore() const
{
    if (const std::optional<int> rank = selectedAmong(19, 20))
        return standard::Core(*rank);
    return std::nullopt;
}

// A diameter pick: the result no longer belongs to the rope on screen, then the read-outs of the
// selected core. Those the picked rope has no value for are emptied: before a class is chosen
// every list is open, and a rope picked earlier in another list must not leave its values beside
// this one.
void Form1::showStandard(const standard::Readouts &shown)
{
    clearResult(text(13));
    const std::optional<standard::Core> core = standardCore();
    const auto write
        = [core](QLineEdit *box, standard::Core boxCore, const std::optional<std::string> &value) {
              if (core == boxCore)
                  box->setText(value ? qtText(*value) : QString());
          };
    write(text(7), standard::Core::Fibre, shown.naturalFibreWeight);
    write(text(8), standard::Core::Fibre, shown.syntheticFibreWeight);
    write(text(9), standard::Core::Steel, shown.steelWeight);
    write(text(10), standard::Core::Fibre, shown.fibreBreaking);
    write(text(11), standard::Core::Steel, shown.steelBreaking);
}

} // namespace app
