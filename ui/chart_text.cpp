#include "ui/chart_text.h"

#include <cmath>

#include "calc/arithmetic_names.h"
#include "calc/number_text.h"
#include "calc/outputs.h"
#include "calc/pressure_setting.h"
#include "ui/captions.h"

namespace ui {
namespace {

QString number(double value, int decimals) {
  return QString::fromStdString(calc::formatFixed(value, decimals));
}

QString text(const std::string& s) {
  return QString::fromStdString(s);
}

// A value with the decimals of the main window's result box that shows it.
QString boxNumber(double value, calc::Output box) {
  return number(value, calc::info(box).decimals);
}

QString temperature(const char* name, std::optional<double> t, calc::Output box) {
  return QString::fromUtf8(name) + ' ' + (t ? boxNumber(*t, box) + " ℃" : QStringLiteral("—"));
}

}  // namespace

QString gridNumber(double value) {
  const bool whole = std::abs(value - std::round(value)) < 1e-9;
  return number(value, whole ? 0 : 1);
}

QString humidityLabel(double percent) {
  return number(percent, 0) + "%";
}

QString enthalpyLabel(double h) {
  return "h=" + gridNumber(h);
}

QStringList pointLabel(const workspace::StatePoint& p) {
  // The texts are in calc::outputs order, which is that of calc::Output.
  const auto shown = [&](calc::Output f) {
    return text(p.result.texts[static_cast<std::size_t>(f)]);
  };
  // The name stands apart (U+2068 … U+2069), so that a name in a right-to-left script does not
  // turn the figures after it around.
  return {QChar(0x2068) + text(p.name) + QChar(0x2069) + "  t=" + shown(calc::Output::dryBulb) +
              " ℃  φ=" + shown(calc::Output::humidity) + "%",
          "d=" + shown(calc::Output::moisture) + " g/kg  h=" + shown(calc::Output::enthalpy) +
              " kJ/kg"};
}

QString pressureNote(double pa, psychro::Arithmetic m) {
  QString note = text(calc::pressureCaption(pa));
  // The classic arithmetic goes unnamed, as it always has; the other is named beside the pressure.
  if (m != psychro::Arithmetic::classic)
    note += "    " + text(std::string(calc::arithmeticName(m)));
  return note + "    " + QString::fromUtf8(captions::enthalpyNote);
}

QString readoutText(const chart::Readout& r) {
  using calc::Output;
  const QString φ =
      r.φ > 1 ? QStringLiteral("φ>100%") : "φ=" + boxNumber(100 * r.φ, Output::humidity) + "%";
  // h to 0.01 kJ/kg, as the readout has always shown it: coarser than its box's four decimals.
  return "t=" + boxNumber(r.t, Output::dryBulb) + " ℃   " + φ +
         "   d=" + boxNumber(r.d, Output::moisture) + " g/kg   h=" + number(r.h, 2) + " kJ/kg   " +
         temperature(captions::wetBulbMark, r.tw, Output::wetBulb) + "   " +
         temperature(captions::dewPointMark, r.tl, Output::dewPoint);
}

}  // namespace ui
