#include "calc/pressure_setting.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "calc/number_text.h"
#include "psychro/pressure.h"

namespace calc {

PressureReading readPressure(std::string_view text, PressureUnit unit) {
  const std::optional<double> value = wholeNumber(text);
  if (unit == PressureUnit::metre) {
    if (!value || !psychro::altitudeInRange(*value)) return {0, psychro::Outcome::altitudeRange};
    return {psychro::pressureAtAltitude(*value), psychro::Outcome::ok};
  }
  // Like a pressure from an altitude, a typed one is taken to the nearest whole pascal (81.2345 kPa
  // is 81235 Pa), so that the pressure shown is exactly the one used.
  const double pa =
      value ? std::round(unit == PressureUnit::kilopascal ? *value * 1000 : *value) : 0;
  if (!psychro::pressureInRange(pa)) return {0, psychro::Outcome::pressureRange};
  return {pa, psychro::Outcome::ok};
}

std::string pressureText(double pa) {
  char buf[32];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, pa);
  return ec == std::errc() ? std::string(buf, end) : std::string();
}

std::string pressureCaption(double pa) {
  return std::string(pressureName) + " " + pressureText(pa) + " Pa";
}

}  // namespace calc
