#include "calc/calculate.h"

#include <array>
#include <string>

#include "calc/messages.h"
#include "calc/number_text.h"
#include "calc/outputs.h"
#include "calc/state_results.h"
#include "psychro/air_state.h"

namespace calc {
namespace {

bool dryBulbOutOfRange(double t) {
  return t < -50 || t > 100;
}

// The checks and state call of the relative-humidity route (Combo2 index 1).
psychro::StateOutcome relativeHumidityRoute(double t, double percent, double pa) {
  const double φ = percent / 100;
  if (φ <= 0 || φ > 1) return {{}, messages::humidityRange};
  if (dryBulbOutOfRange(t)) return {{}, messages::dryBulbRange};
  return psychro::airt2φ(t, φ, pa);
}

// The checks and state call of the wet-bulb route (Combo2 index 0).
psychro::StateOutcome wetBulbRoute(double t, double tw, double pa) {
  if (dryBulbOutOfRange(t)) return {{}, messages::dryBulbRange};
  if (tw > t) return {{}, messages::wetAboveDry};
  return psychro::airt2tw(t, tw, pa);
}

}  // namespace

void Command1_Click(Window& window, StateObserver* observer, double pa) {
  const std::string first = window.text(Input::Text11);
  const std::string second = window.text(Input::Text12);
  const int mode = window.selectedIndex();
  if (first.empty() || second.empty() || (mode != 0 && mode != 1)) {
    window.showMessage(messages::title, messages::missingInput);
    return;
  }

  const double t = numericValue(first);
  const double x = numericValue(second);
  const psychro::StateOutcome state =
      mode == 1 ? relativeHumidityRoute(t, x, pa) : wetBulbRoute(t, x, pa);
  if (!state.ok()) {
    window.showMessage(messages::title, state.message);
    return;
  }

  std::array<std::string, outputs.size()> texts;
  if (!formatResults(state.air, texts)) {
    window.showMessage(messages::title, psychro::noSuchState);
    return;
  }
  for (std::size_t i = 0; i < texts.size(); ++i) window.setText(outputs[i].field, texts[i]);
  if (observer) observer->stateShown(state.air);
}

}  // namespace calc
