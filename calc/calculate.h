#pragma once

#include "calc/window.h"
#include "psychro/air_state.h"

namespace calc {

// Told of each air state whose results the command has just written (the h-d chart follows it).
class StateObserver {
 public:
  virtual ~StateObserver() = default;
  virtual void stateShown(const psychro::AirState& air) = 0;
};

// The Calculate command: reads the two input fields and the route from the window, checks them,
// computes the air state on that route, and writes the eleven results, then tells observer
// (if any) the state. On any failed check or impossible state it shows one notice, changes no
// result box and tells the observer nothing. Every state is computed at the total pressure pa, Pa,
// which the caller keeps in range (psychro/pressure.h), with the arithmetic m.
void calculateCommand(Window& window, StateObserver* observer = nullptr,
                      double pa = psychro::standardPressure,
                      psychro::Arithmetic m = psychro::Arithmetic::classic);

}  // namespace calc
