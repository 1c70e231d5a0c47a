#pragma once

#include "app/selection/selection.h"
#include "app/sheet/sheet.h"

#include <QWidget>
#include <array>
#include <functional>

class QTableView;

// The rope selection window on Qt Widgets: its controls built from the selection's control table
// and named after it, the user's input told to the selection, and the list, the line under it
// and the sort indicator shown from it after each input. A rope taken over drives the
// calculator's own model, which shows the calculator window anew.
namespace qtview {

class RopeRows;

class SelectionWindow : public QWidget {
    Q_OBJECT

public:
    // Owned by the calculator window: a window of its own, hidden with it when it closes. The
    // sheet of a listed rope is shown by the calculator window's preview.
    SelectionWindow(app::Form1 &calculator, QWidget &calculatorWindow,
        std::function<void(const app::sheet::Document &)> showSheet);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    QWidget *makeControl(const app::SelectionSpec &row);
    QTableView *makeTable();
    void connectInputs();
    // Runs the user's input on the selection and shows what it lists.
    void relist(const std::function<void()> &change);
    void takeOver(int row);
    void takeOverCurrent();
    void showCurrentSheet();
    // A control as the widget its piece is made of.
    template <app::Piece P> auto *widget(app::SelectionPart<P> part) const;

    app::Form1 &m_calculator;
    QWidget &m_calculatorWindow;
    std::function<void(const app::sheet::Document &)> m_showSheet;
    app::Selection m_selection;
    RopeRows *m_rows = nullptr;
    std::array<QWidget *, app::kSelectionControls.size()> m_controls {}; // by row of the table
};

} // namespace qtview
