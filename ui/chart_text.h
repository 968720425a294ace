#pragma once

#include <QString>
#include <QStringList>

#include "chart/chart_model.h"
#include "psychro/air_state.h"

// The texts written on the h-d chart and on its hover line. Every number goes through
// calc::formatFixed, so it reads as the main window's results do, whatever the locale.
namespace ui {

// A grid value on an axis: "25", "-20"; a step that is not whole keeps one decimal ("12.5").
QString gridNumber(double value);

// The label of a relative-humidity curve, φ in per cent: "50%".
QString humidityLabel(double percent);

// The label of an enthalpy line, h in kJ/kg: "h=50".
QString enthalpyLabel(double h);

// The two lines written beside a calculated state: t and φ, then d and h.
QStringList stateLabel(const psychro::AirState& air);

// A marked temperature with its name: "露点 17.63 ℃".
QString temperatureMark(const char* name, double t);

// The hover line for a point of the chart. Beyond the saturation curve φ reads "φ>100%".
QString readoutText(const chart::Readout& r);

}  // namespace ui
