#pragma once

// The resources' IDs, which ropecalc.rc and the program share. Macros, since the resource
// compiler reads this file through the C preprocessor and knows nothing of C++.
#define IDI_ROPECALC 1 // the program's icon
