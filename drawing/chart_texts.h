#pragma once

#include <array>
#include <string>

#include "psychro/arithmetic.h"
#include "workspace/points.h"

// The texts written on the 焓湿图, the same in the window and on the drawing. Every number goes
// through calc::formatFixed, so it reads as the main window's results do, whatever the locale.
namespace drawing {

// The fixed words of the chart (UTF-8).
namespace words {
inline constexpr char temperatureAxis[] = "干球温度 t / ℃";
inline constexpr char moistureAxis[] = "含湿量 d / (g/kg)";
inline constexpr char enthalpyNote[] = "焓 h / (kJ/kg)";
inline constexpr char protractorTitle[] = "热湿比 ε kJ/kg";
}  // namespace words

// A grid value on a scale: "25", "-20"; a value that is not whole keeps one decimal ("12.5").
std::string gridNumber(double value);

// The label of a relative-humidity curve, φ in per cent: "50%".
std::string humidityLabel(double percent);

// The label of an enthalpy line, h in kJ/kg: "h=50".
std::string enthalpyLabel(double h);

// The label of an ε line, ε in kJ/kg: "ε=8000", "ε=∞".
std::string epsilonLabel(double ε);

// A point's label, two lines: its name with t and φ, then d and h, each value the main window's
// text. With isolated, the name is set apart (U+2068 … U+2069), so that a name in a right-to-left
// script does not turn the figures after it around (the window; CAD fonts may lack the marks).
std::array<std::string, 2> pointLabel(const workspace::StatePoint& point, bool isolated);

// The notes under the plot: the pressure the chart is drawn at, the arithmetic where it is not
// the classic one, and the unit of the h lines.
std::string pressureNote(double pa, psychro::Arithmetic m);

}  // namespace drawing
