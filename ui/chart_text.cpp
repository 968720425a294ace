#include "ui/chart_text.h"

#include <cmath>

#include "calc/number_text.h"

namespace ui {
namespace {

QString number(double value, int decimals) {
  return QString::fromStdString(calc::formatFixed(value, decimals));
}

// The decimals of the main window's result boxes, enthalpy shortened to two on the chart.
QString temperature(double t) {
  return "t=" + number(t, 2) + " ℃";
}
QString humidity(double φ) {
  return φ > 1 ? QStringLiteral("φ>100%") : "φ=" + number(100 * φ, 1) + "%";
}
QString moisture(double d) {
  return "d=" + number(d, 2) + " g/kg";
}
QString enthalpy(double h) {
  return "h=" + number(h, 2) + " kJ/kg";
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

QStringList stateLabel(const psychro::AirState& air) {
  return {temperature(air.t) + "  " + humidity(air.φ),
          moisture(1000 * air.d) + "  " + enthalpy(air.h)};
}

QString temperatureMark(const char* name, double t) {
  return QString::fromUtf8(name) + " " + number(t, 2) + " ℃";
}

QString readoutText(const chart::Readout& r) {
  return temperature(r.t) + "   " + humidity(r.φ) + "   " + moisture(r.d) + "   " + enthalpy(r.h);
}

}  // namespace ui
