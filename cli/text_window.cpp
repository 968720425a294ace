#include "cli/text_window.h"

#include "calc/calculate.h"
#include "calc/messages.h"
#include "calc/pair_calculation.h"

namespace cli {

void TextWindow::prepare(std::string_view t, std::string_view x, int index) {
  t_.assign(t);
  x_.assign(x);
  index_ = index;
  hasMessage_ = false;
  title_.clear();
  message_.clear();
  for (std::string& r : results_) r.clear();
  written_ = 0;
}

std::string TextWindow::text(calc::Input field) const {
  return field == calc::Input::Text11 ? t_ : x_;
}

void TextWindow::showMessage(std::string_view title, std::string_view text) {
  // A window shows notices one after another; the first is the one that explains the rest.
  if (hasMessage_) return;
  hasMessage_ = true;
  title_.assign(title);
  message_.assign(text);
}

void TextWindow::setText(calc::Output field, std::string_view text) {
  const auto i = static_cast<std::size_t>(field);
  if (i >= resultCount) return;
  results_[i].assign(text);
  written_ |= 1u << i;
}

void TextWindow::setMessage(std::string_view text) {
  showMessage(calc::messages::title, text);
}

std::string_view TextWindow::result(calc::Output field) const {
  const auto i = static_cast<std::size_t>(field);
  return i < resultCount ? std::string_view(results_[i]) : std::string_view();
}

void calculate(TextWindow& window, double pa) {
  calc::Command1_Click(window, nullptr, pa);
  if (!window.hasMessage() && !window.allResultsSet()) window.setMessage("计算未给出全部结果");
}

void calculatePair(TextWindow& window, calc::Pair pair, double pa) {
  const calc::Calculation c = calc::calculateTyped(pair, window.text(calc::Input::Text11),
                                                   window.text(calc::Input::Text12), pa);
  if (!c.ok()) {
    window.setMessage(calc::words(c.outcome));
    return;
  }
  for (std::size_t i = 0; i < c.texts.size(); ++i)
    window.setText(calc::outputs[i].field, c.texts[i]);
}

}  // namespace cli
