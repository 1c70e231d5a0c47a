// The yardstick for the calculator's start-up: a bare Qt Widgets window of the same client
// size, with the same controls (kind, caption, list items, place and size) and the same
// caption, built by one plain loop and shown. It sets nothing else (no object names, fonts,
// alignments, read-only flags, buddies, tab order) and connects nothing, so that the ratio of
// the calculator to it is what the calculator adds on top of Qt.
#include "app/calculator/control_table.h"
#include "app/qt/twips.h"
#include "common/purpose_table.h"
#include "standard/rope_tables.h"
#include "traditional/rope_tables.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <map>
#include <utility>

namespace {

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QWidget *make(app::Kind kind, const QString &caption, QWidget *parent)
{
    switch (kind) {
    case app::Kind::Frame:
        return new QGroupBox(caption, parent);
    case app::Kind::Label:
        return new QLabel(caption, parent);
    case app::Kind::Option:
        return new QRadioButton(parent);
    case app::Kind::Combo: {
        auto *list = new QComboBox(parent);
        list->setEditable(true);
        return list;
    }
    case app::Kind::Text:
        return new QLineEdit(parent);
    case app::Kind::Command:
        return new QPushButton(caption, parent);
    }
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(text(app::kWindowCaption));
    window.setFixedSize(qtview::twipsToPixels(app::kClientWidth), qtview::twipsToPixels(app::kClientHeight));

    std::map<std::pair<app::Kind, int>, QWidget *> built;
    for (const app::ControlSpec &row : app::kControls) {
        QWidget *parent = row.parent.number == 0 ? &window : built.at({ row.parent.kind, row.parent.number });
        QWidget *control = make(row.kind, text(row.caption), parent);
        control->setGeometry(qtview::twipsToPixels(row.left), qtview::twipsToPixels(row.top),
            qtview::twipsToPixels(row.width), qtview::twipsToPixels(row.height));
        built[{ row.kind, row.number }] = control;
    }
    const auto list = [&built](app::List n) {
        return static_cast<QComboBox *>(built.at({ app::Kind::Combo, n.number }));
    };
    for (std::size_t k = 0; k < app::kTraditionalDiameterLists.size(); ++k) {
        QComboBox *combo = list(app::kTraditionalDiameterLists.at(k));
        for (const traditional::Row &row : traditional::tableOf(traditional::RopeClass(k)).rows)
            combo->addItem(text(row.item));
        combo->setCurrentIndex(-1);
    }
    for (std::size_t k = 0; k < app::kStandardDiameterLists.size(); ++k) {
        QComboBox *combo = list(app::kStandardDiameterLists.at(k));
        standard::withTable(standard::RopeClass(k), [combo](auto rows) {
            for (const auto &row : rows)
                combo->addItem(text(row.item));
        });
        combo->setCurrentIndex(-1);
    }
    for (const app::PurposeListSpec &purposes : app::kPurposeLists) {
        QComboBox *combo = list(purposes.combo);
        for (std::size_t i = 0; i < purposes.count; ++i)
            combo->addItem(text(common::kPurposes.at(i).text));
        combo->setCurrentIndex(-1);
    }

    window.show();
    return QApplication::exec();
}
