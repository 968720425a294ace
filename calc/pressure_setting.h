#pragma once

#include <string>
#include <string_view>

#include "psychro/outcome.h"

// The total pressure the user sets: read from a typed pressure or altitude, checked against the
// range the state functions accept, and shown.
namespace calc {

// How a typed value gives the pressure.
enum class PressureUnit {
  pascal,      // a pressure in Pa
  kilopascal,  // a pressure in kPa
  metre,       // an altitude in m of the standard atmosphere (psychro::pressureAtAltitude)
};

// The pressure a typed value gives, Pa, or why it gives none.
struct PressureReading {
  double pa = 0;
  // ok when pa is usable; else the accepted range's outcome, pressureRange or altitudeRange
  psychro::Outcome outcome = psychro::Outcome::ok;

  bool ok() const { return outcome == psychro::Outcome::ok; }
};

// Reads text (one number, blanks around it allowed; full-width forms and "。" as elsewhere) in
// unit, to the nearest whole pascal. An unreadable text or a value out of range gives the outcome
// of that unit's range.
PressureReading readPressure(std::string_view text, PressureUnit unit);

// The pressure as shown, Pa: its shortest decimal form ("89875").
std::string pressureText(double pa);

// The caption the main window shows while the pressure is not standard: "大气压力 89875 Pa".
inline constexpr std::string_view pressureName = "大气压力";
std::string pressureCaption(double pa);

}  // namespace calc
