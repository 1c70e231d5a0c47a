#pragma once

#include "app/form1.h"

#include <QHash>
#include <QStringList>
#include <array>
#include <functional>
#include <utility>

// The real window, noting the name of every handler as it starts, then running it, then
// doing whatever a test asked for at the end of that handler.
class RecordingForm : public app::Form1 {
public:
    QStringList log;
    QHash<QString, std::function<void()>> alsoDo;

protected:
    void run(Handler handler) override
    {
        const QString name = nameOf(handler);
        log << name;
        Form1::run(handler);
        if (const auto action = alsoDo.value(name))
            action();
    }

private:
    static QString nameOf(Handler handler)
    {
        static const std::array<std::pair<Handler, const char *>, 40> names { {
            { &RecordingForm::Option1_Click, "Option1_Click" },
            { &RecordingForm::Option2_Click, "Option2_Click" },
            { &RecordingForm::Option3_Click, "Option3_Click" },
            { &RecordingForm::Option4_Click, "Option4_Click" },
            { &RecordingForm::Option5_Click, "Option5_Click" },
            { &RecordingForm::Option6_Click, "Option6_Click" },
            { &RecordingForm::Option7_Click, "Option7_Click" },
            { &RecordingForm::Option8_Click, "Option8_Click" },
            { &RecordingForm::Option9_Click, "Option9_Click" },
            { &RecordingForm::Combo1_Click, "Combo1_Click" },
            { &RecordingForm::Combo2_Click, "Combo2_Click" },
            { &RecordingForm::Combo3_Click, "Combo3_Click" },
            { &RecordingForm::Command1_Click, "Command1_Click" },
            { &RecordingForm::Combo5_Click, "Combo5_Click" },
            { &RecordingForm::Combo5_Change, "Combo5_Change" },
            { &RecordingForm::Text4_Change, "Text4_Change" },
            { &RecordingForm::Text5_Change, "Text5_Change" },
            { &RecordingForm::Option10_Click, "Option10_Click" },
            { &RecordingForm::Option11_Click, "Option11_Click" },
            { &RecordingForm::Option12_Click, "Option12_Click" },
            { &RecordingForm::Option13_Click, "Option13_Click" },
            { &RecordingForm::Option14_Click, "Option14_Click" },
            { &RecordingForm::Option15_Click, "Option15_Click" },
            { &RecordingForm::Option16_Click, "Option16_Click" },
            { &RecordingForm::Option17_Click, "Option17_Click" },
            { &RecordingForm::Option18_Click, "Option18_Click" },
            { &RecordingForm::Option19_Click, "Option19_Click" },
            { &RecordingForm::Option20_Click, "Option20_Click" },
            { &RecordingForm::Option21_Click, "Option21_Click" },
            { &RecordingForm::Option22_Click, "Option22_Click" },
            { &RecordingForm::Combo6_Click, "Combo6_Click" },
            { &RecordingForm::Combo7_Click, "Combo7_Click" },
            { &RecordingForm::Combo8_Click, "Combo8_Click" },
            { &RecordingForm::Combo9_Click, "Combo9_Click" },
            { &RecordingForm::Command2_Click, "Command2_Click" },
            { &RecordingForm::Combo10_Click, "Combo10_Click" },
            { &RecordingForm::Combo10_Change, "Combo10_Change" },
            { &RecordingForm::Text10_Change, "Text10_Change" },
            { &RecordingForm::Text11_Change, "Text11_Change" },
            { &RecordingForm::Text12_Change, "Text12_Change" },
        } };
        for (const auto &[known, name] : names)
            if (known == handler)
                return QString::fromLatin1(name);
        return QStringLiteral("unnamed handler");
    }
};
