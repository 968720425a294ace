// The Calculate command on arbitrary input. The first byte picks the Combo2 index (0, 1, 2 or -1
// by its value mod 4); the rest is split at its first NUL or newline into the dry-bulb text and
// the second text. Every run must end in one of two ways, else the harness aborts:
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
#include "psychro/air_state.h"

namespace {

struct Window final : calc::Window {
  std::string t, x;
  int index = 0;
  std::vector<std::pair<std::string, std::string>> notices;  // title, text
  std::vector<std::pair<calc::Output, std::string>> writes;

  std::string text(calc::Input f) const override { return f == calc::Input::Text11 ? t : x; }
  int selectedIndex() const override { return index; }
  void showMessage(std::string_view title, std::string_view text) override {
    notices.emplace_back(title, text);
  }
  void setText(calc::Output f, std::string_view text) override { writes.emplace_back(f, text); }
};

struct Observer final : calc::StateObserver {
  int calls = 0;
  void stateShown(const psychro::AirState&) override { ++calls; }
};

std::string printable(std::string_view s) {
  std::string out;
  for (unsigned char c : s) {
    char buf[8];
    std::snprintf(buf, sizeof buf, c >= 0x20 && c < 0x7F && c != '\\' ? "%c" : "\\x%02X", c);
    out += buf;
  }
  return out;
}

[[noreturn]] void violated(const char* what, const Window& w) {
  std::fprintf(stderr, "property violated: %s\n  index %d, t \"%s\", x \"%s\"\n", what, w.index,
               printable(w.t).c_str(), printable(w.x).c_str());
  for (const auto& [title, text] : w.notices)
    std::fprintf(stderr, "  notice %s: %s\n", title.c_str(), text.c_str());
  for (const auto& [field, text] : w.writes)
    std::fprintf(stderr, "  %s = %s\n", std::string(calc::info(field).key).c_str(), text.c_str());
  std::abort();
}

// -?[0-9]+ followed by exactly `decimals` fraction digits (and a point when there are any).
bool isFixed(std::string_view s, int decimals) {
  if (s.starts_with('-')) s.remove_prefix(1);
  const std::size_t point = s.find('.');
  const std::string_view whole = s.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? "" : s.substr(point + 1);
  const auto digits = [](std::string_view d) {
    return !d.empty() && d.find_first_not_of("0123456789") == std::string_view::npos;
  };
  if (!digits(whole)) return false;
  if (decimals == 0) return point == std::string_view::npos;
  return point != std::string_view::npos && fraction.size() == std::size_t(decimals) &&
         digits(fraction);
}

bool isCommandMessage(std::string_view text) {
  namespace m = calc::messages;
  for (std::string_view known : {m::missingInput, m::humidityRange, m::dryBulbRange, m::wetAboveDry,
                                 psychro::noSuchState, psychro::outOfBounds})
    if (text == known) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static constexpr int indices[] = {0, 1, 2, -1};
  Window w;
  w.index = indices[data[0] % 4];
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t split = rest.find_first_of(std::string_view("\0\n", 2));
  w.t = rest.substr(0, split);
  if (split != std::string_view::npos) w.x = rest.substr(split + 1);

  Observer observer;
  calc::Command1_Click(w, &observer);

  if (!w.notices.empty()) {
    if (w.notices.size() != 1) violated("more than one notice", w);
    if (!w.writes.empty()) violated("results written along with a notice", w);
    if (w.notices[0].first != calc::messages::title) violated("notice with a wrong title", w);
    if (!isCommandMessage(w.notices[0].second)) violated("notice with an unknown text", w);
    if (observer.calls != 0) violated("observer told of a state not shown", w);
    return 0;
  }

  if (w.writes.size() != calc::outputs.size()) violated("not eleven results and no notice", w);
  if (observer.calls != 1) violated("observer not told exactly once", w);
  double shown[calc::outputs.size()];
  for (std::size_t i = 0; i < calc::outputs.size(); ++i) {
    const calc::OutputInfo& o = calc::outputs[i];
    const std::string& text = w.writes[i].second;
    if (w.writes[i].first != o.field) violated("results not written in box order", w);
    if (!isFixed(text, o.decimals)) violated("result is not a fixed-point number", w);
    const char* first = text.data() + (text.starts_with('-') ? 1 : 0);
    const auto [end, ec] = std::from_chars(first, text.data() + text.size(), shown[i]);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(shown[i]))
      violated("result does not read back as a finite number", w);
    if (text.starts_with('-')) {
      if (shown[i] == 0) violated("zero shown with a minus sign", w);
      shown[i] = -shown[i];
    }
  }
  // Shown values are rounded, so the comparisons allow one unit of the last decimal; the dew-point
  // correlation also runs up to 1.5 K above the frost point near -50 °C.
  const double t = shown[0], rh = shown[1], tw = shown[2], tl = shown[4];
  if (tw > t + 0.01) violated("wet bulb above dry bulb", w);
  if (tl > tw + 1.6) violated("dew point above wet bulb", w);
  if (rh < 0 || rh > 100) violated("relative humidity outside 0..100 %", w);
  for (std::size_t i : {5u, 6u, 7u, 8u, 9u, 10u})  // rho, d, cp, mu, lambda, pr
    if (shown[i] < 0) violated("negative density, moisture or transport property", w);
  return 0;
}
