#include "app/form1.h"

namespace app {

// The standard frame's handlers, and the class handlers that switch between the methods. They
// are wired and run with the window's timing; what they do arrives with the standard method.

void Form1::Option10_Click() { }
void Form1::Option11_Click() { }
void Form1::Option12_Click() { }
void Form1::Option13_Click() { }
void Form1::Option14_Click() { }
void Form1::Option15_Click() { }
void Form1::Option16_Click() { }
void Form1::Option17_Click() { }
void Form1::Option18_Click() { }
void Form1::Option19_Click() { }
void Form1::Option20_Click() { }
void Form1::Option21_Click() { }
void Form1::Option22_Click() { }
void Form1::Combo6_Click() { }
void Form1::Combo7_Click() { }
void Form1::Combo8_Click() { }
void Form1::Combo9_Click() { }
void Form1::Command2_Click() { }
void Form1::Combo10_Click() { }
void Form1::Combo10_Change() { }
void Form1::Text10_Change() { }
void Form1::Text11_Change() { }
void Form1::Text12_Change() { }

} // namespace app
