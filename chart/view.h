#pragma once

#include "chart/sheet.h"
#include "psychro/constants.h"

// The part of the sheet the chart shows, how the user moves it, and its mapping onto pixels.
namespace chart {

// A rectangle of the sheet: d from dMin to dMax, g/kg; y from yMin to yMax, kJ/kg.
struct View {
  double dMin = 0, dMax = 0;
  double yMin = 0, yMax = 0;

  bool contains(SheetPoint p) const {
    return p.d >= dMin && p.d <= dMax && p.y >= yMin && p.y <= yMax;
  }
};

// The temperatures the calculator accepts; no line of the chart goes beyond them.
inline constexpr double lowestT = psychro::lowestDryBulb, highestT = psychro::highestDryBulb;

// The most moisture the chart ever shows, g/kg, and the least extent of a view (d g/kg, y kJ/kg).
inline constexpr double highestD = 250;
inline constexpr double leastDSpan = 0.5, leastYSpan = 1;

// d 0…30 g/kg, from the −10 °C isotherm at the left edge up to the whole 45 °C isotherm.
View defaultView();

// The whole sheet a view may show: d 0…highestD, y from the lowestT isotherm at d = 0 up to the
// highestT isotherm at highestD.
View sheetBounds();

// view with each extent kept between its least and that of sheetBounds, moved inside the bounds.
View clamped(View view);

// view scaled by factor (< 1 zooms in) about anchor, which stays where it is; then clamped.
View zoomed(const View& view, SheetPoint anchor, double factor);

// view moved by dd, g/kg, and dy, kJ/kg, as far as the bounds allow; its extent is unchanged.
View panned(const View& view, double dd, double dy);

// A position on the screen, in pixels, y growing downwards.
struct Pixel {
  double x = 0, y = 0;
};

// The plot rectangle in pixels.
struct PlotArea {
  double left = 0, top = 0, width = 1, height = 1;

  double right() const { return left + width; }
  double bottom() const { return top + height; }
  bool contains(Pixel p) const {
    return p.x >= left && p.x <= right() && p.y >= top && p.y <= bottom();
  }
};

// The view stretched over the plot rectangle: d grows to the right, y upwards.
struct Mapping {
  View view;
  PlotArea area;

  Pixel toPixel(SheetPoint p) const;
  SheetPoint toSheet(Pixel p) const;
  // Sheet units per pixel across and up.
  double dPerPixel() const { return (view.dMax - view.dMin) / area.width; }
  double yPerPixel() const { return (view.yMax - view.yMin) / area.height; }
};

}  // namespace chart
