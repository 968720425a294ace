#include "ui/chart_text.h"

#include <cmath>

#include "calc/number_text.h"
#include "calc/outputs.h"
#include "drawing/chart_texts.h"
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
  return text(drawing::gridNumber(value));
}

QString humidityLabel(double percent) {
  return text(drawing::humidityLabel(percent));
}

QString enthalpyLabel(double h) {
  return text(drawing::enthalpyLabel(h));
}

QStringList pointLabel(const workspace::StatePoint& p) {
  // The name stands apart, so that a name in a right-to-left script does not turn the figures
  // after it around.
  const std::array<std::string, 2> lines = drawing::pointLabel(p, true);
  return {text(lines[0]), text(lines[1])};
}

QString pressureNote(double pa, psychro::Arithmetic m) {
  return text(drawing::pressureNote(pa, m));
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
