#pragma once

#include "app/form1.h"

#include <QHash>
#include <QStringList>
#include <functional>

// The real window, with every handler noting its name when it starts, then doing what the
// window's own handler does, then whatever a test asked for at the end of that handler.
class RecordingForm : public app::Form1 {
public:
    QStringList log;
    QHash<QString, std::function<void()>> alsoDo;

protected:
    void Option1_Click() override
    {
        run("Option1_Click", [this] { Form1::Option1_Click(); });
    }
    void Option2_Click() override
    {
        run("Option2_Click", [this] { Form1::Option2_Click(); });
    }
    void Option3_Click() override
    {
        run("Option3_Click", [this] { Form1::Option3_Click(); });
    }
    void Option4_Click() override
    {
        run("Option4_Click", [this] { Form1::Option4_Click(); });
    }
    void Option5_Click() override
    {
        run("Option5_Click", [this] { Form1::Option5_Click(); });
    }
    void Option6_Click() override
    {
        run("Option6_Click", [this] { Form1::Option6_Click(); });
    }
    void Option7_Click() override
    {
        run("Option7_Click", [this] { Form1::Option7_Click(); });
    }
    void Option8_Click() override
    {
        run("Option8_Click", [this] { Form1::Option8_Click(); });
    }
    void Option9_Click() override
    {
        run("Option9_Click", [this] { Form1::Option9_Click(); });
    }
    void Combo1_Click() override
    {
        run("Combo1_Click", [this] { Form1::Combo1_Click(); });
    }
    void Combo2_Click() override
    {
        run("Combo2_Click", [this] { Form1::Combo2_Click(); });
    }
    void Combo3_Click() override
    {
        run("Combo3_Click", [this] { Form1::Combo3_Click(); });
    }
    void Command1_Click() override
    {
        run("Command1_Click", [this] { Form1::Command1_Click(); });
    }
    void Combo5_Click() override
    {
        run("Combo5_Click", [this] { Form1::Combo5_Click(); });
    }
    void Combo5_Change() override
    {
        run("Combo5_Change", [this] { Form1::Combo5_Change(); });
    }
    void Text4_Change() override
    {
        run("Text4_Change", [this] { Form1::Text4_Change(); });
    }
    void Text5_Change() override
    {
        run("Text5_Change", [this] { Form1::Text5_Change(); });
    }
    void Option10_Click() override
    {
        run("Option10_Click", [this] { Form1::Option10_Click(); });
    }
    void Option11_Click() override
    {
        run("Option11_Click", [this] { Form1::Option11_Click(); });
    }
    void Option12_Click() override
    {
        run("Option12_Click", [this] { Form1::Option12_Click(); });
    }
    void Option13_Click() override
    {
        run("Option13_Click", [this] { Form1::Option13_Click(); });
    }
    void Option14_Click() override
    {
        run("Option14_Click", [this] { Form1::Option14_Click(); });
    }
    void Option15_Click() override
    {
        run("Option15_Click", [this] { Form1::Option15_Click(); });
    }
    void Option16_Click() override
    {
        run("Option16_Click", [this] { Form1::Option16_Click(); });
    }
    void Option17_Click() override
    {
        run("Option17_Click", [this] { Form1::Option17_Click(); });
    }
    void Option18_Click() override
    {
        run("Option18_Click", [this] { Form1::Option18_Click(); });
    }
    void Option19_Click() override
    {
        run("Option19_Click", [this] { Form1::Option19_Click(); });
    }
    void Option20_Click() override
    {
        run("Option20_Click", [this] { Form1::Option20_Click(); });
    }
    void Option21_Click() override
    {
        run("Option21_Click", [this] { Form1::Option21_Click(); });
    }
    void Option22_Click() override
    {
        run("Option22_Click", [this] { Form1::Option22_Click(); });
    }
    void Combo6_Click() override
    {
        run("Combo6_Click", [this] { Form1::Combo6_Click(); });
    }
    void Combo7_Click() override
    {
        run("Combo7_Click", [this] { Form1::Combo7_Click(); });
    }
    void Combo8_Click() override
    {
        run("Combo8_Click", [this] { Form1::Combo8_Click(); });
    }
    void Combo9_Click() override
    {
        run("Combo9_Click", [this] { Form1::Combo9_Click(); });
    }
    void Command2_Click() override
    {
        run("Command2_Click", [this] { Form1::Command2_Click(); });
    }
    void Combo10_Click() override
    {
        run("Combo10_Click", [this] { Form1::Combo10_Click(); });
    }
    void Combo10_Change() override
    {
        run("Combo10_Change", [this] { Form1::Combo10_Change(); });
    }
    void Text10_Change() override
    {
        run("Text10_Change", [this] { Form1::Text10_Change(); });
    }
    void Text11_Change() override
    {
        run("Text11_Change", [this] { Form1::Text11_Change(); });
    }
    void Text12_Change() override
    {
        run("Text12_Change", [this] { Form1::Text12_Change(); });
    }

private:
    void run(const QString &name, const std::function<void()> &handler)
    {
        log << name;
        handler();
        if (const auto action = alsoDo.value(name))
            action();
    }
};
