#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/window.h"

// A window for tests: fixed inputs, and a record of every notice and every result written.
struct RecordingWindow : calc::Window {
  std::string t, x;
  int index = 0;
  std::vector<std::pair<std::string, std::string>> messages;  // title, text
  std::map<calc::Output, std::string> results;
  int writes = 0;

  RecordingWindow(std::string t_, std::string x_, int index_)
      : t(std::move(t_)), x(std::move(x_)), index(index_) {}

  std::string text(calc::Input f) const override { return f == calc::Input::Text11 ? t : x; }
  int selectedIndex() const override { return index; }
  void showMessage(std::string_view title, std::string_view text) override {
    messages.emplace_back(title, text);
  }
  void setText(calc::Output f, std::string_view text) override {
    results[f] = text;
    ++writes;
  }
};
