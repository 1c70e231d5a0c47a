#include "app/form1.h"

namespace app {

// The traditional frame's handlers. They are wired and run with the window's timing; what
// they do arrives with the traditional lookup and check.

void Form1::Option1_Click() { }
void Form1::Option2_Click() { }
void Form1::Option3_Click() { }
void Form1::Option4_Click() { }
void Form1::Option5_Click() { }
void Form1::Option6_Click() { }
void Form1::Option7_Click() { }
void Form1::Option8_Click() { }
void Form1::Option9_Click() { }
void Form1::Combo1_Click() { }
void Form1::Combo2_Click() { }
void Form1::Combo3_Click() { }
void Form1::Command1_Click() { }
void Form1::Combo5_Click() { }
void Form1::Combo5_Change() { }
void Form1::Text4_Change() { }
void Form1::Text5_Change() { }

} // namespace app
