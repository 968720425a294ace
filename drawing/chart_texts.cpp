#include "drawing/chart_texts.h"

#include <cmath>

#include "calc/arithmetic_names.h"
#include "calc/number_text.h"
#include "calc/outputs.h"
#include "calc/pressure_setting.h"
#include "workspace/process_list.h"

namespace drawing {

std::string gridNumber(double value) {
  const bool whole = std::abs(value - std::round(value)) < 1e-9;
  return calc::formatFixed(value, whole ? 0 : 1);
}

std::string humidityLabel(double percent) {
  return calc::formatFixed(percent, 0) + "%";
}

std::string enthalpyLabel(double h) {
  return "h=" + gridNumber(h);
}

std::string epsilonLabel(double ε) {
  return "ε=" + workspace::epsilonText(ε);
}

std::array<std::string, 2> pointLabel(const workspace::StatePoint& p, bool isolated) {
  // The texts are in calc::outputs order, which is that of calc::Output.
  const auto shown = [&](calc::Output f) { return p.result.texts[static_cast<std::size_t>(f)]; };
  const std::string name = isolated ? "\u2068" + p.name + "\u2069" : p.name;
  return {
      name + "  t=" + shown(calc::Output::dryBulb) + " ℃  φ=" + shown(calc::Output::humidity) + "%",
      "d=" + shown(calc::Output::moisture) + " g/kg  h=" + shown(calc::Output::enthalpy) +
          " kJ/kg"};
}

std::string pressureNote(double pa, psychro::Arithmetic m) {
  std::string note = calc::pressureCaption(pa);
  // The classic arithmetic goes unnamed, as it always has; the other is named beside the pressure.
  if (m != psychro::Arithmetic::classic) note += "    " + std::string(calc::arithmeticName(m));
  return note + "    " + words::enthalpyNote;
}

}  // namespace drawing
