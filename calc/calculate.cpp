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

psychro::StateOutcome stateOnRoute(int mode, double t, double x, double pa) {
  return mode == 1 ? relativeHumidityRoute(t, x, pa) : wetBulbRoute(t, x, pa);
}

psychro::StateOutcome stateFromInputs(std::string_view first, std::string_view second, int mode,
                                      double pa) {
  if (first.empty() || second.empty() || (mode != 0 && mode != 1))
    return {{}, messages::missingInput};
  return stateOnRoute(mode, numericValue(first), numericValue(second), pa);
}

void Command1_Click(Window& window, StateObserver* observer, double pa) {
  const psychro::StateOutcome state = stateFromInputs(
      window.text(Input::Text11), window.text(Input::Text12), window.selectedIndex(), pa);
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
