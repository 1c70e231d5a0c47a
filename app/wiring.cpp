#include "app/form1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace app {

// Which Qt signal gives which handler its timing:
// - an option button's _Click: toggled(true), so it runs whenever the button becomes selected,
//   by a click, the keyboard or a handler's setChecked(true), nested in that handler; being
//   cleared (toggled(false)) runs nothing;
// - a list's _Click: activated, emitted only when the user picks an item, by mouse or keyboard;
// - a list's _Change: its edit field's textEdited, emitted only when the user types, never when
//   a pick or a handler sets the text;
// - a text box's _Change: textChanged, emitted by typing and by every setText that changes the
//   text, at once, so a handler writing a box runs that box's handler nested;
// - a button's _Click: clicked.
// Enabling or disabling a control emits none of these.
void Form1::wire()
{
    onSelected(option(1), &Form1::Option1_Click);
    onSelected(option(2), &Form1::Option2_Click);
    onSelected(option(3), &Form1::Option3_Click);
    onSelected(option(4), &Form1::Option4_Click);
    onSelected(option(5), &Form1::Option5_Click);
    onSelected(option(6), &Form1::Option6_Click);
    onSelected(option(7), &Form1::Option7_Click);
    onSelected(option(8), &Form1::Option8_Click);
    onSelected(option(9), &Form1::Option9_Click);
    onPick(combo(1), &Form1::Combo1_Click);
    onPick(combo(2), &Form1::Combo2_Click);
    onPick(combo(3), &Form1::Combo3_Click);
    onPress(command(1), &Form1::Command1_Click);
    onPick(combo(5), &Form1::Combo5_Click);
    onTyping(combo(5), &Form1::Combo5_Change);
    onChange(text(4), &Form1::Text4_Change);
    onChange(text(5), &Form1::Text5_Change);

    onSelected(option(10), &Form1::Option10_Click);
    onSelected(option(11), &Form1::Option11_Click);
    onSelected(option(12), &Form1::Option12_Click);
    onSelected(option(13), &Form1::Option13_Click);
    onSelected(option(14), &Form1::Option14_Click);
    onSelected(option(15), &Form1::Option15_Click);
    onSelected(option(16), &Form1::Option16_Click);
    onSelected(option(17), &Form1::Option17_Click);
    onSelected(option(18), &Form1::Option18_Click);
    onSelected(option(19), &Form1::Option19_Click);
    onSelected(option(20), &Form1::Option20_Click);
    onSelected(option(21), &Form1::Option21_Click);
    onSelected(option(22), &Form1::Option22_Click);
    onPick(combo(6), &Form1::Combo6_Click);
    onPick(combo(7), &Form1::Combo7_Click);
    onPick(combo(8), &Form1::Combo8_Click);
    onPick(combo(9), &Form1::Combo9_Click);
    onPress(command(2), &Form1::Command2_Click);
    onPick(combo(10), &Form1::Combo10_Click);
    onTyping(combo(10), &Form1::Combo10_Change);
    onChange(text(10), &Form1::Text10_Change);
    onChange(text(11), &Form1::Text11_Change);
    onChange(text(12), &Form1::Text12_Change);
}

void Form1::onSelected(QRadioButton *button, Handler handler)
{
    connect(button, &QRadioButton::toggled, this, [this, handler](bool selected) {
        if (selected)
            run(handler);
    });
}

void Form1::onPick(QComboBox *list, Handler handler)
{
    connect(list, &QComboBox::activated, this, [this, handler] { run(handler); });
}

void Form1::onTyping(QComboBox *list, Handler handler)
{
    connect(list->lineEdit(), &QLineEdit::textEdited, this, [this, handler] { run(handler); });
}

void Form1::onChange(QLineEdit *box, Handler handler)
{
    connect(box, &QLineEdit::textChanged, this, [this, handler] { run(handler); });
}

void Form1::onPress(QPushButton *button, Handler handler)
{
    connect(button, &QPushButton::clicked, this, [this, handler] { run(handler); });
}

} // namespace app
