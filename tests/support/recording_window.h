#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/calculate.h"
#include "calc/outputs.h"
#include "calc/window.h"

// The one stand-in for a window in the tests, benchmarks and fuzz harnesses: fixed inputs, and a
// record of every notice and every result the Calculate command writes.
struct RecordingWindow : calc::Window {
  std::string t, x;
  std::optional<calc::Route> selectedRoute = calc::Route::wetBulb;  // none: nothing selected
  std::vector<std::pair<std::string, std::string>> messages;  // title, text, in the order shown
  std::map<calc::Output, std::string> results;                // each box's latest text
  std::vector<calc::Output> order;                            // the boxes written, in order
  int writes = 0;

  RecordingWindow() = default;
  RecordingWindow(std::string t_, std::string x_, std::optional<calc::Route> route_)
      : t(std::move(t_)), x(std::move(x_)), selectedRoute(route_) {}

  std::string text(calc::Input f) const override { return f == calc::Input::dryBulb ? t : x; }
  std::optional<calc::Route> route() const override { return selectedRoute; }
  void showMessage(std::string_view title, std::string_view text) override {
    messages.emplace_back(title, text);
  }
  void setText(calc::Output f, std::string_view text) override {
    results[f] = text;
    order.push_back(f);
    ++writes;
  }

  // Forgets the notices and writes so far, as before another press; the boxes keep their texts,
  // as a window's do. Keeps its storage, so a loop of presses does not allocate.
  void forget() {
    messages.clear();
    order.clear();
    writes = 0;
  }
};

// What the Calculate command gives for inputs typed into a window at the standard pressure: the
// eleven texts in the order of calc::outputs, or the notice.
struct CommandOutcome {
  std::array<std::string, calc::outputs.size()> texts;
  std::string message;  // empty on success
};

inline CommandOutcome commandOutcome(std::string t, std::string x,
                                     std::optional<calc::Route> route) {
  RecordingWindow w(std::move(t), std::move(x), route);
  calc::calculateCommand(w);
  CommandOutcome o;
  for (const auto& [field, text] : w.results) o.texts.at(static_cast<std::size_t>(field)) = text;
  for (const auto& [title, text] : w.messages) o.message += text;
  return o;
}

// The result record torvale-calc's batch writes for that outcome (no text or notice of the
// command needs CSV quoting).
inline std::string commandRecord(const CommandOutcome& o) {
  std::string line;
  for (const std::string& t : o.texts) line += (o.message.empty() ? t : "") + ",";
  return line + o.message + "\n";
}
