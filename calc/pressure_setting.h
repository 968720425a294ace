#pragma once

#include <string>
#include <string_view>

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
  std::string_view error;  // empty when pa is usable; else names the accepted range

  bool ok() const { return error.empty(); }
};

inline constexpr std::string_view pressureRangeMessage =
    "大气压力须在 30000～110000 Pa（30～110 kPa）之间";
inline constexpr std::string_view altitudeRangeMessage = "海拔须在 -500～9000 m 之间";

// Reads text (one number, blanks around it allowed; full-width forms and "。" as elsewhere) in
// unit, to the nearest whole pascal. An unreadable text or a value out of range gives the message
// for that unit's range.
PressureReading readPressure(std::string_view text, PressureUnit unit);

// The pressure as shown, Pa: its shortest decimal form ("89875").
std::string pressureText(double pa);

// The caption the main window shows while the pressure is not standard: "大气压力 89875 Pa".
inline constexpr std::string_view pressureName = "大气压力";
std::string pressureCaption(double pa);

}  // namespace calc
