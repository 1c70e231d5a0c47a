#include "app/control_ops.h"
#include "app/control_table.h"
#include "app/form1.h"
#include "app/qt_text.h"
#include "app/result_box.h"
#include "common/number_format.h"
#include "traditional/check.h"
#include "traditional/lookup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace app {

// Each diameter list reads its own class's table by the picked item's position.
static_assert(kTraditional6x19Diameters.size() == traditional::k6x19.rows.size());
static_assert(kTraditional6x37Diameters.size() == traditional::k6x37.rows.size());
static_assert(kTraditional6x61Diameters.size() == traditional::k6x61.rows.size());

void Form1::Option5_Click()
{
    pickTraditionalGrade();
}
void Form1::Option6_Click()
{
    pickTraditionalGrade();
}
void Form1::Option7_Click()
{
    pickTraditionalGrade();
}
void Form1::Option8_Click()
{
    pickTraditionalGrade();
}
void Form1::Option9_Click()
{
    pickTraditionalGrade();
}

void Form1::Combo1_Click()
{
    lookUpTraditional(traditional::k6x19, combo(1));
}
void Form1::Combo2_Click()
{
    lookUpTraditional(traditional::k6x37, combo(2));
}
void Form1::Combo3_Click()
{
    lookUpTraditional(traditional::k6x61, combo(3));
}

void Form1::Command1_Click()
{
    const common::Verdict verdict = traditional::check(
        text(4)->text().toStdString(), text(5)->text().toStdString(), combo(5)->currentText().toStdString());
    showVerdict(this, text(6), verdict, common::formatGeneral);
}

// A changed input of the check makes the shown result stale.
void Form1::Combo5_Click()
{
    clearResult(text(6));
}
void Form1::Combo5_Change()
{
    clearResult(text(6));
}
void Form1::Text4_Change()
{
    clearResult(text(6));
}
void Form1::Text5_Change()
{
    clearResult(text(6));
}

// A new grade invalidates every read-out: the user picks the diameter again.
void Form1::pickTraditionalGrade()
{
    for (int n = 1; n <= 4; ++n)
        clearText(combo(n));
    for (int n = 1; n <= 4; ++n)
        text(n)->setText(QString());
    whitenResult(text(6));
}

std::optional<traditional::Grade> Form1::traditionalGrade() const
{
    // Option5 to Option9 stand in the order of the grades, 140 to 200 kg/mm2.
    if (const std::optional<int> rank = selectedAmong(5, 9))
        return traditional::Grade(*rank);
    return std::nullopt;
}

void Form1::lookUpTraditional(const traditional::RopeTable &table, const QComboBox *list)
{
    clearResult(text(6));
    const std::optional<traditional::Readouts> shown
        = traditional::lookup(table, list->currentIndex(), traditionalGrade());
    if (!shown)
        return;
    text(1)->setText(qtText(shown->area));
    text(2)->setText(qtText(shown->weight));
    if (shown->forces) {
        text(3)->setText(qtText(shown->forces->total));
        text(4)->setText(qtText(shown->forces->rope));
    }
}

} // namespace app
