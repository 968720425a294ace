#include "calc/calculate.h"

#include <array>
#include <string>

#include "calc/messages.h"
#include "calc/number_text.h"
#include "calc/outputs.h"
#include "calc/pair_calculation.h"
#include "psychro/air_state.h"

namespace calc {

void calculateCommand(Window& window, StateObserver* observer, double pa, psychro::Arithmetic m) {
  const std::string first = window.text(Input::dryBulb);
  const std::string second = window.text(Input::second);
  const std::optional<Route> route = window.route();
  if (first.empty() || second.empty() || !route) {
    window.showMessage(messages::title, words(psychro::Outcome::missingInput));
    return;
  }

  const Calculation c = calculateTyped(routePair(*route), first, second, pa, m);
  if (!c.ok()) {
    window.showMessage(messages::title, words(c.outcome));
    return;
  }
  for (std::size_t i = 0; i < c.texts.size(); ++i) window.setText(outputs[i].field, c.texts[i]);
  if (observer) observer->stateShown(c.air);
}

}  // namespace calc
