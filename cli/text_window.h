#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/pair_calculation.h"
#include "calc/window.h"
#include "psychro/constants.h"

namespace cli {

// A window without a screen: it holds the two input texts and the Combo2 index the Calculate
// command reads, and keeps the notice and results the command gives back. Its buffers are kept
// from one calculation to the next, so a batch does not allocate per record.
class TextWindow final : public calc::Window {
 public:
  static constexpr std::size_t resultCount = 11;

  // Sets the inputs and the selection for the next calculation and forgets the last outcome.
  void prepare(std::string_view t, std::string_view x, int index);

  std::string text(calc::Input field) const override;
  int selectedIndex() const override { return index_; }
  void showMessage(std::string_view title, std::string_view text) override;
  void setText(calc::Output field, std::string_view text) override;

  // Records a notice that the caller found itself (a bad CSV record), as the command would.
  void setMessage(std::string_view text);

  bool hasMessage() const { return hasMessage_; }
  std::string_view messageTitle() const { return title_; }
  std::string_view message() const { return message_; }

  // Text of a result box, empty when the command did not write it.
  std::string_view result(calc::Output field) const;
  bool allResultsSet() const { return written_ == (1u << resultCount) - 1; }

 private:
  std::string t_;
  std::string x_;
  int index_ = -1;
  bool hasMessage_ = false;
  std::string title_;
  std::string message_;
  std::array<std::string, resultCount> results_;
  std::uint32_t written_ = 0;  // bit i: results_[i] was written
};

// Runs the Calculate command on the window. The command promises a notice or all eleven results;
// should it give neither, that is turned into a notice too, so no caller reports a partial
// result as a success.
void calculate(TextWindow& window, double pa = psychro::standardPressure);

// Calculates the window's two inputs as the values of pair at the total pressure pa, Pa, and keeps
// the outcome in the window as the Calculate command would.
void calculatePair(TextWindow& window, calc::Pair pair, double pa);

}  // namespace cli
