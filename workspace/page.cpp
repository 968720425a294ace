#include "workspace/page.h"

#include <cmath>

#include "workspace/names.h"

namespace workspace {

std::optional<Refusal> checkPage(const PageSetup& page) {
  if (!page.margins) return std::nullopt;
  const Margins& m = *page.margins;
  for (const double side : {m.left, m.top, m.right, m.bottom})
    if (!(side >= 0 && side <= maxMargin))  // NaN too
      return Refusal{Rule::marginsRange, psychro::Outcome::ok, std::to_string(int(maxMargin))};
  return std::nullopt;
}

std::optional<Refusal> checkTitleBlock(const TitleBlock& title) {
  for (const auto& [key, field] : titleKeys) {
    const std::string& text = title.*field;
    if (text.size() > maxTitleBytes)
      return Refusal{Rule::titleTooLong, psychro::Outcome::ok, std::to_string(maxTitleBytes)};
    if (hasControl(text) || turnsDirection(text))
      return Refusal{Rule::titleControl, psychro::Outcome::ok, {}};
  }
  return std::nullopt;
}

}  // namespace workspace
