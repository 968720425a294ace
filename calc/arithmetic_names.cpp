#include "calc/arithmetic_names.h"

namespace calc {

using psychro::Arithmetic;

std::string_view arithmeticName(Arithmetic m) {
  return m == Arithmetic::ashrae2017 ? "ASHRAE 2017" : "经典";
}

std::string_view arithmeticKey(Arithmetic m) {
  return m == Arithmetic::ashrae2017 ? "ashrae-2017" : "classic";
}

std::optional<Arithmetic> arithmeticOfKey(std::string_view key) {
  if (key == "classic") return Arithmetic::classic;
  if (key == "ashrae-2017") return Arithmetic::ashrae2017;
  return std::nullopt;
}

std::optional<Arithmetic> arithmeticOfModelName(std::string_view name) {
  if (name == "classic") return Arithmetic::classic;
  if (name == "ashrae") return Arithmetic::ashrae2017;
  return std::nullopt;
}

}  // namespace calc
