#include "cli/mode.h"

#include "calc/messages.h"

namespace cli {

int modeIndex(std::string_view mode) {
  if (mode == "tw" || mode == "0") return 0;
  if (mode == "rh" || mode == "1") return 1;
  return -1;
}

std::optional<calc::Pair> modePair(std::string_view mode, std::string& error) {
  using Q = psychro::Quantity;
  const int index = modeIndex(mode);
  if (index >= 0) return calc::Pair{Q::t, index == 1 ? Q::rh : Q::tw};
  if (mode.find('+') != std::string_view::npos) return calc::pairNamed(mode, error);
  error.assign(calc::messages::missingInput);
  return std::nullopt;
}

}  // namespace cli
