#pragma once

#include <array>
#include <string_view>

#include "calc/window.h"
#include "ui/fit_scale.h"

// Where every control of the main window sits, in twips, and the order Tab visits them.
namespace ui::main_window {

// The client area below the menu bar.
inline constexpr int clientWidth = 6255;
inline constexpr int clientHeight = 4440;

struct Placement {
  std::string_view name;  // objectName
  int index;              // index within a control array (Label3), or -1
  TwipsRect twips;        // relative to the container: Frame1 for the input row, else the client
  int tabIndex;           // ascending order of Tab; -1 where the control takes no focus
};

// PressureLabel, the pressure in force while it is not standard, stands in the free area right of
// Command1, centred on its height. Labels run from their left to 30 twips before the box they name.
// Label6 is then narrowed to its caption, and Label11, the raised "3" of kg/m³, is placed at its
// end from the font's metrics (placeSuperscript), so it has no row here.
// clang-format off
inline constexpr std::array<Placement, 29> placements{{
    {"Frame1", -1, {120, 0, 5895, 855}, 21},      {"Combo1", -1, {240, 360, 1335, 315}, 22},
    {"Text11", -1, {1560, 360, 855, 285}, 23},    {"Combo2", -1, {3120, 360, 1335, 315}, 24},
    {"Text12", -1, {4440, 360, 855, 285}, 25},    {"Command1", -1, {240, 960, 1335, 375}, 10},

    {"Label4", -1, {360, 1560, 1050, 195}, -1},   {"Text1", -1, {1440, 1560, 975, 285}, 3},
    {"Label6", -1, {3240, 1560, 1410, 195}, -1},  {"Text6", -1, {4680, 1560, 975, 285}, 13},

    {"Label5", -1, {360, 2040, 1050, 195}, -1},   {"Text2", -1, {1440, 2040, 975, 285}, 4},
    {"Label7", -1, {3240, 2040, 1410, 195}, -1},  {"Text7", -1, {4680, 2040, 975, 285}, 14},

    {"Label1", -1, {360, 2520, 1050, 195}, -1},   {"Text3", -1, {1440, 2520, 975, 285}, 5},
    {"Label8", -1, {3240, 2520, 1410, 195}, -1},  {"Text8", -1, {4680, 2520, 975, 285}, 18},

    {"Label2", -1, {360, 3000, 1050, 195}, -1},   {"Text4", -1, {1440, 3000, 975, 285}, 8},
    {"Label9", -1, {3240, 3000, 1410, 195}, -1},  {"Text9", -1, {4680, 3000, 975, 285}, 19},

    {"Label3", 0, {360, 3480, 1050, 195}, -1},    {"Text5", -1, {1440, 3480, 975, 285}, 9},
    {"Label10", -1, {3240, 3480, 1410, 195}, -1}, {"Text10", -1, {4680, 3480, 975, 285}, 20},

    {"Label3", 1, {360, 3960, 1050, 195}, -1},    {"Text13", -1, {1440, 3960, 975, 285}, 28},

    {"PressureLabel", -1, {1800, 1050, 4215, 195}, -1},
}};
// clang-format on

// Which label names which result box; its caption (and raised suffix) come from calc::outputs.
struct ResultLabel {
  calc::Output field;
  std::string_view label;
  int index;                         // within the Label3 control array, or -1
  std::string_view superscriptName;  // label of the raised suffix, where the caption has one
};

inline constexpr std::array<ResultLabel, 11> resultLabels{{
    {calc::Output::dryBulb, "Label4", -1, ""},
    {calc::Output::humidity, "Label5", -1, ""},
    {calc::Output::wetBulb, "Label1", -1, ""},
    {calc::Output::enthalpy, "Label2", -1, ""},
    {calc::Output::dewPoint, "Label3", 0, ""},
    {calc::Output::density, "Label6", -1, "Label11"},
    {calc::Output::moisture, "Label7", -1, ""},
    {calc::Output::specificHeat, "Label8", -1, ""},
    {calc::Output::viscosity, "Label9", -1, ""},
    {calc::Output::conductivity, "Label10", -1, ""},
    {calc::Output::prandtl, "Label3", 1, ""},
}};

}  // namespace ui::main_window
