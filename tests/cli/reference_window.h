#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/calculate.h"
#include "calc/window.h"

// A window written independently of cli::TextWindow, to tell what the Calculate command itself
// gives for some input: the eleven texts, or the one notice.
struct ReferenceOutcome {
  std::array<std::string, 11> texts;
  std::string message;  // empty on success
};

class ReferenceWindow final : public calc::Window {
 public:
  ReferenceWindow(std::string t, std::string x, int index) : t_(t), x_(x), index_(index) {}
  std::string text(calc::Input field) const override {
    return field == calc::Input::Text11 ? t_ : x_;
  }
  int selectedIndex() const override { return index_; }
  void showMessage(std::string_view, std::string_view text) override { outcome.message += text; }
  void setText(calc::Output field, std::string_view text) override {
    outcome.texts.at(static_cast<std::size_t>(field)) = text;
  }
  ReferenceOutcome outcome;

 private:
  std::string t_, x_;
  int index_;
};

inline ReferenceOutcome referenceOutcome(std::string t, std::string x, int index) {
  ReferenceWindow w(std::move(t), std::move(x), index);
  calc::Command1_Click(w);
  return w.outcome;
}

// The result record the batch should write for that outcome (no text or notice of the command
// needs CSV quoting).
inline std::string referenceRecord(const ReferenceOutcome& o) {
  std::string line;
  for (const std::string& t : o.texts) line += (o.message.empty() ? t : "") + ",";
  return line + o.message + "\n";
}
