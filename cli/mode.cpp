#include "cli/mode.h"

#include "calc/messages.h"
#include "cli/text_encoding.h"

namespace cli {

namespace {

// The mode as compared: blanks around it dropped, ASCII letters in lower case (" TW " is "tw").
// Modes longer than any name cannot match and are left as they are.
std::string_view folded(std::string_view mode, char (&buffer)[8]) {
  while (!mode.empty() && (mode.front() == ' ' || mode.front() == '\t')) mode.remove_prefix(1);
  while (!mode.empty() && (mode.back() == ' ' || mode.back() == '\t')) mode.remove_suffix(1);
  if (mode.size() > sizeof buffer) return mode;
  for (std::size_t i = 0; i < mode.size(); ++i) {
    const char c = mode[i];
    buffer[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return {buffer, mode.size()};
}

}  // namespace

std::optional<calc::Route> modeRoute(std::string_view mode) {
  char buffer[8];
  mode = folded(mode, buffer);
  if (mode == "tw" || mode == "0") return calc::Route::wetBulb;
  if (mode == "rh" || mode == "1") return calc::Route::humidity;
  return std::nullopt;
}

std::optional<calc::Pair> modePair(std::string_view mode, std::string& error) {
  if (const std::optional<calc::Route> route = modeRoute(mode)) return calc::routePair(*route);
  if (mode.find('+') != std::string_view::npos) {
    std::optional<calc::Pair> pair = calc::pairNamed(mode, error);
    if (!pair) error = visibleText(error);  // the notice quotes the field as it was given
    return pair;
  }
  error.assign(calc::words(psychro::Outcome::missingInput));
  return std::nullopt;
}

}  // namespace cli
