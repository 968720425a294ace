#pragma once

#include <string_view>

#include "calc/window.h"
#include "psychro/air_state.h"

namespace calc {

// Told of each air state whose results the command has just written (the h-d chart follows it).
class StateObserver {
 public:
  virtual ~StateObserver() = default;
  virtual void stateShown(const psychro::AirState& air) = 0;
};

// The state on the route of Combo2 index mode (0: x is the wet-bulb temperature, °C; 1: x is the
// relative humidity, per cent) from the dry bulb t, °C, at the total pressure pa, Pa; or the notice
// that the route's checks or its state function give instead. mode is 0 or 1.
psychro::StateOutcome stateOnRoute(int mode, double t, double x, double pa);

// What the Calculate command computes from its inputs, without a window: Text11 and Text12 as
// typed and the Combo2 index. The state, or the notice the command shows instead.
psychro::StateOutcome stateFromInputs(std::string_view first, std::string_view second, int mode,
                                      double pa = psychro::standardPressure);

// The Calculate command: reads Text11, Text12 and Combo2 from the window, checks them, computes
// the air state on the route Combo2 selects, and writes the eleven results, then tells observer
// (if any) the state. On any failed check or impossible state it shows one notice, changes no
// result box and tells the observer nothing. Every state is computed at the total pressure pa, Pa,
// which the caller keeps in range (psychro/pressure.h).
void Command1_Click(Window& window, StateObserver* observer = nullptr,
                    double pa = psychro::standardPressure);

}  // namespace calc
