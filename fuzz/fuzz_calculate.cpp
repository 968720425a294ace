// The Calculate command on arbitrary input. The first byte picks the index of the window's second
// selector (0, 1, 2 or -1 by its value mod 4: the wet-bulb route, the humidity route, none, none)
// and, by its high bit, the arithmetic (set: ASHRAE 2017); the rest is split at its first NUL or
// newline into the dry-bulb text and the second text. Every run must end in one of two ways, else
// the harness aborts:
//   - eleven results written in box order, each a finite fixed-point number with its box's
//     decimals and without a minus sign on zero, no notice, the observer told once; the shown
//     state is physical (dew point <= wet bulb <= dry bulb, 0 <= rh <= 100);
//   - one notice titled 提示信息 whose text is one of the command's six, no result written, the
//     observer told nothing.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/calculate.h"
#include "calc/messages.h"
#include "calc/outputs.h"
#include "calc/route.h"
#include "psychro/air_state.h"
#include "shown_results.h"
#include "support/recording_window.h"

namespace {

using Window = RecordingWindow;

struct Observer final : calc::StateObserver {
  int calls = 0;
  void stateShown(const psychro::AirState&) override { ++calls; }
};

[[noreturn]] void violated(const char* what, const Window& w) {
  const char* route = !w.selectedRoute                           ? "none"
                      : *w.selectedRoute == calc::Route::wetBulb ? "wet bulb"
                                                                 : "relative humidity";
  std::fprintf(stderr, "property violated: %s\n  route %s, t \"%s\", x \"%s\"\n", what, route,
               fuzzing::printable(w.t).c_str(), fuzzing::printable(w.x).c_str());
  for (const auto& [title, text] : w.messages)
    std::fprintf(stderr, "  notice %s: %s\n", title.c_str(), text.c_str());
  for (const calc::Output field : w.order)
    std::fprintf(stderr, "  %s = %s\n", std::string(calc::info(field).key).c_str(),
                 w.results.at(field).c_str());
  std::abort();
}

bool isCommandMessage(std::string_view text) {
  using psychro::Outcome;
  for (Outcome known : {Outcome::missingInput, Outcome::humidityRange, Outcome::dryBulbRange,
                        Outcome::wetAboveDry, Outcome::noSuchState, Outcome::outOfBounds})
    if (text == calc::words(known)) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static constexpr int indices[] = {0, 1, 2, -1};
  Window w;
  w.selectedRoute = calc::routeAt(indices[data[0] % 4]);
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t split = rest.find_first_of(std::string_view("\0\n", 2));
  w.t = rest.substr(0, split);
  if (split != std::string_view::npos) w.x = rest.substr(split + 1);

  Observer observer;
  const auto arithmetic =
      data[0] & 0x80 ? psychro::Arithmetic::ashrae2017 : psychro::Arithmetic::classic;
  calc::calculateCommand(w, &observer, psychro::standardPressure, arithmetic);

  if (!w.messages.empty()) {
    if (w.messages.size() != 1) violated("more than one notice", w);
    if (!w.order.empty()) violated("results written along with a notice", w);
    if (w.messages[0].first != calc::messages::title) violated("notice with a wrong title", w);
    if (!isCommandMessage(w.messages[0].second)) violated("notice with an unknown text", w);
    if (observer.calls != 0) violated("observer told of a state not shown", w);
    return 0;
  }

  if (w.order.size() != calc::outputs.size()) violated("not eleven results and no notice", w);
  if (observer.calls != 1) violated("observer not told exactly once", w);
  std::array<std::string, calc::outputs.size()> texts;
  for (std::size_t i = 0; i < calc::outputs.size(); ++i) {
    if (w.order[i] != calc::outputs[i].field) violated("results not written in box order", w);
    texts[i] = w.results.at(w.order[i]);
  }
  if (const char* fault = fuzzing::resultFault(texts)) violated(fault, w);
  return 0;
}
