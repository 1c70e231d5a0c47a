#pragma once

// The calculator window. It holds two calculators, the traditional method in Frame1 above
// and the standard method in Frame7 below, and no state but its controls.
//
// How data flows: a class pick enables one diameter list and one "计  算" button and empties
// every read-out; a grade (or core) pick empties the diameter lists and the read-outs that
// hang on them; a diameter pick reads the class's rope table by the picked item's position
// and writes the read-outs; every change of a check's input empties that method's result
// box; "计  算" reads the read-outs and inputs back from the boxes and writes only the
// result box, or shows a message.
//
// Handlers are named control_event and run exactly when the window's rules say (see
// wiring.cpp): writing a box from a handler runs that box's change handler at once, nested.

#include <QWidget>
#include <array>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace traditional {
enum class Grade;
struct RopeTable;
} // namespace traditional

namespace standard {
enum class Grade;
enum class Core;
struct Readouts;
} // namespace standard

namespace app {

struct Ref;

class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

protected:
    using Handler = void (Form1::*)();

    // Every event reaches its handler through here, so a test can watch them run in the order
    // Qt delivers them.
    virtual void run(Handler handler) { (this->*handler)(); }

    // Rope classes, which also choose the method (class_handlers.cpp).
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option10_Click();
    void Option11_Click();
    void Option12_Click();
    void Option13_Click();

    // Traditional method (traditional_handlers.cpp).
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void Option8_Click();
    void Option9_Click();
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Command1_Click();
    void Combo5_Click();
    void Combo5_Change();
    void Text4_Change();
    void Text5_Change();

    // Standard method (standard_handlers.cpp).
    void Option14_Click();
    void Option15_Click();
    void Option16_Click();
    void Option17_Click();
    void Option18_Click();
    void Option19_Click();
    void Option20_Click();
    void Option21_Click();
    void Option22_Click();
    void Combo6_Click();
    void Combo7_Click();
    void Combo8_Click();
    void Combo9_Click();
    void Command2_Click();
    void Combo10_Click();
    void Combo10_Change();
    void Text10_Change();
    void Text11_Change();
    void Text12_Change();

    // The controls by their number, as the handlers name them.
    QGroupBox *frame(int n) const { return m_frames.at(n); }
    QLabel *label(int n) const { return m_labels.at(n); }
    QRadioButton *option(int n) const { return m_options.at(n); }
    QComboBox *combo(int n) const { return m_combos.at(n); }
    QLineEdit *text(int n) const { return m_texts.at(n); }
    QPushButton *command(int n) const { return m_commands.at(n); }

private:
    void buildControls(); // build_controls.cpp
    QWidget *widget(Ref ref);
    void wire(); // wiring.cpp
    void onSelected(QRadioButton *button, Handler handler);
    void onPick(QComboBox *list, Handler handler);
    void onTyping(QComboBox *list, Handler handler);
    void onChange(QLineEdit *box, Handler handler);
    void onPress(QPushButton *button, Handler handler);

    // The offset of the selected one among the option buttons first to last, if any.
    std::optional<int> selectedAmong(int first, int last) const;

    // Steps the class handlers share (class_handlers.cpp).
    void pickTraditionalClass(int rank);
    void pickStandardClass(int rank);
    void enableOnlyDiameterList(int list);
    void emptyReadouts();

    // Steps the traditional handlers share (traditional_handlers.cpp).
    void pickTraditionalGrade();
    std::optional<traditional::Grade> traditionalGrade() const;
    void lookUpTraditional(const traditional::RopeTable &table, const QComboBox *list);

    // Steps the standard handlers share (standard_handlers.cpp).
    void pickStandardGrade();
    void emptyStandardLists();
    std::optional<standard::Grade> standardGrade() const;
    std::optional<standard::Core> standardCore() const;
    void showStandard(const standard::Readouts &shown);

    // Indexed by the control's number; index 0 is unused.
    std::array<QGroupBox *, 14> m_frames {};
    std::array<QLabel *, 36> m_labels {};
    std::array<QRadioButton *, 23> m_options {};
    std::array<QComboBox *, 11> m_combos {};
    std::array<QLineEdit *, 14> m_texts {};
    std::array<QPushButton *, 3> m_commands {};
};

} // namespace app
