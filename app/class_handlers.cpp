#include "app/control_ops.h"
#include "app/form1.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace app {

// A class picked in either frame also makes that frame's method the active one: only its
// diameter list and its "计  算" stay enabled, the other frame's class is cleared, and every
// read-out of both methods is emptied, so that nothing from the earlier choice stays on screen.

void Form1::Option1_Click()
{
    pickTraditionalClass(1);
}
void Form1::Option2_Click()
{
    pickTraditionalClass(2);
}
void Form1::Option3_Click()
{
    pickTraditionalClass(3);
}
void Form1::Option4_Click()
{
    pickTraditionalClass(4);
}

void Form1::Option10_Click()
{
    pickStandardClass(1);
}
void Form1::Option11_Click()
{
    pickStandardClass(2);
}
void Form1::Option12_Click()
{
    pickStandardClass(3);
}
void Form1::Option13_Click()
{
    pickStandardClass(4);
}

// Ranks 1 to 4 are 6×19＋1, 6×37＋1, 6×61＋1 and 18×7＋1, in both frames.
void Form1::pickTraditionalClass(int rank)
{
    command(1)->setEnabled(true);
    command(2)->setEnabled(false);
    for (int n = 1; n <= 4; ++n)
        if (n != rank)
            clearSelection(option(n));
    for (int n = 10; n <= 13; ++n)
        clearSelection(option(n));
    enableOnlyDiameterList(rank);
    for (int n = 1; n <= 4; ++n)
        clearText(combo(n));
    emptyReadouts();
}

void Form1::pickStandardClass(int rank)
{
    constexpr int kEighteenStrand = 4;
    command(1)->setEnabled(false);
    command(2)->setEnabled(true);
    // Each runs its own handler when it was not selected yet: the other core's read-outs and
    // the result are emptied.
    option(19)->setChecked(true);
    option(21)->setChecked(true);
    // 18×7＋1 is made with a fibre core only, and is the only class made in grade 1470. A 1470
    // selected before stays selected; the lookup then shows no breaking force.
    option(20)->setEnabled(rank != kEighteenStrand);
    for (int n = 1; n <= 4; ++n)
        clearSelection(option(n));
    for (int n = 10; n <= 13; ++n)
        if (n != 9 + rank)
            clearSelection(option(n));
    enableOnlyDiameterList(5 + rank);
    option(14)->setEnabled(rank == kEighteenStrand);
    label(21)->setEnabled(rank == kEighteenStrand);
    emptyStandardLists();
    emptyReadouts();
}

void Form1::enableOnlyDiameterList(int list)
{
    for (int n : { 1, 2, 3, 4, 6, 7, 8, 9 })
        combo(n)->setEnabled(n == list);
}

// Emptying the breaking forces (Text4, Text10, Text11) empties each method's result through
// their change handlers.
void Form1::emptyReadouts()
{
    for (int n : { 1, 2, 3, 4, 7, 8, 9, 10, 11 })
        text(n)->setText(QString());
}

} // namespace app
