#pragma once

#include <QString>
#include <QStringList>

#include "chart/readout.h"
#include "psychro/arithmetic.h"
#include "workspace/points.h"

// The texts written on the h-d chart and on its read-out line. Every number goes through
// calc::formatFixed, so it reads as the main window's results do, whatever the locale.
namespace ui {

// A grid value on a scale: "25", "-20"; a value that is not whole keeps one decimal ("12.5").
QString gridNumber(double value);

// The label of a relative-humidity curve, φ in per cent: "50%".
QString humidityLabel(double percent);

// The label of an enthalpy line, h in kJ/kg: "h=50".
QString enthalpyLabel(double h);

// A point's label: its name (set apart from the figures) with t and φ, then d and h, each value
// the main window's text.
QStringList pointLabel(const workspace::StatePoint& point);

// The notes under the plot: the pressure the chart is drawn at, and the unit of the h lines.
QString pressureNote(double pa, psychro::Arithmetic m);

// The read-out line for the point under the pointer: t, φ, d, h, wet bulb and dew point. Beyond
// the saturation curve φ reads "φ>100%"; a value the point has not reads "—".
QString readoutText(const chart::Readout& r);

}  // namespace ui
