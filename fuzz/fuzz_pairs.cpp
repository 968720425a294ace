// The state from any pair on arbitrary input. Byte 0 picks the first quantity by its low seven
// bits and the arithmetic by its high bit (set: ASHRAE 2017), byte 1 the second quantity (each
// mod 6: t, tw, rh, tl, d, h); bytes 2–3 pick the pressure, 30000 + (their value mod
// 80001) Pa; the rest is split at its first NUL or newline into the two value texts. Every run must
// end in one of two ways, else the harness aborts:
//   - a pair that fixes a state: eleven results, each a finite fixed-point number with its box's
//     decimals, of a physical state (fuzzing::resultFault), or exactly one known message;
//   - a pair that does not (tl+d, tw+h, a quantity twice): its name "A+B" refused with a reason.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "calc/messages.h"
#include "calc/pair_calculation.h"
#include "psychro/air_state.h"
#include "psychro/pair_state.h"
#include "shown_results.h"

namespace {

[[noreturn]] void violated(const char* what, std::string_view pair, double pa, std::string_view a,
                           std::string_view b, const calc::Calculation& c) {
  std::fprintf(stderr, "property violated: %s\n  pair %s at %.0f Pa, \"%s\", \"%s\"\n", what,
               std::string(pair).c_str(), pa, fuzzing::printable(a).c_str(),
               fuzzing::printable(b).c_str());
  std::fprintf(stderr, "  message: %s\n", std::string(calc::words(c.outcome)).c_str());
  for (std::size_t i = 0; i < c.texts.size(); ++i)
    std::fprintf(stderr, "  %s = %s\n", std::string(calc::outputs[i].key).c_str(),
                 c.texts[i].c_str());
  std::abort();
}

bool isKnownRefusal(psychro::Outcome outcome) {
  using psychro::Outcome;
  for (Outcome known :
       {Outcome::missingInput, Outcome::humidityRange, Outcome::dryBulbRange, Outcome::wetAboveDry,
        Outcome::noSuchState, Outcome::outOfBounds, Outcome::pairOutOfRange})
    if (outcome == known) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const auto first = static_cast<psychro::Quantity>((data[0] & 0x7F) % 6);
  const auto arithmetic =
      data[0] & 0x80 ? psychro::Arithmetic::ashrae2017 : psychro::Arithmetic::classic;
  const auto second = static_cast<psychro::Quantity>(data[1] % 6);
  const double pa = 30000 + (data[2] * 256 + data[3]) % 80001;
  const std::string_view rest(reinterpret_cast<const char*>(data + 4), size - 4);
  const std::size_t split = rest.find_first_of(std::string_view("\0\n", 2));
  const std::string_view a = rest.substr(0, split);
  const std::string_view b = split == std::string_view::npos ? "" : rest.substr(split + 1);
  const std::string name =
      std::string(calc::quantityName(first)) + "+" + std::string(calc::quantityName(second));

  std::string error;
  const std::optional<calc::Pair> pair = calc::pairNamed(name, error);
  calc::Calculation c;
  if (pair.has_value() != psychro::determines(first, second))
    violated("pair name accepted or refused against determines()", name, pa, a, b, c);
  if (!pair) {
    if (error.empty()) violated("pair refused without a reason", name, pa, a, b, c);
    return 0;
  }

  c = calc::calculateTyped(*pair, a, b, pa, arithmetic);
  if (!c.ok()) {
    if (!isKnownRefusal(c.outcome)) violated("unknown message", name, pa, a, b, c);
    return 0;
  }
  if (const char* fault = fuzzing::resultFault(c.texts)) violated(fault, name, pa, a, b, c);
  return 0;
}
