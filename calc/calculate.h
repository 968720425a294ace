#pragma once

#include "calc/window.h"

namespace calc {

// The Calculate command: reads Text11, Text12 and Combo2 from the window, checks them, computes
// the air state on the route Combo2 selects, and writes the eleven results. On any failed check or
// impossible state it shows one notice and changes no result box.
void Command1_Click(Window& window);

}  // namespace calc
