#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/route.h"

// What the Calculate command needs of a window, and nothing more. The Qt main window, the
// command-line face and the tests each implement it.
namespace calc {

// Input fields: the dry-bulb temperature (object name Text11) and the second quantity (Text12).
enum class Input { dryBulb, second };

// Result boxes, in the order the command writes them (their object names, Text1…Text10 and
// Text13, are in calc::outputs).
enum class Output {
  dryBulb,
  humidity,
  wetBulb,
  enthalpy,
  dewPoint,
  density,
  moisture,
  specificHeat,
  viscosity,
  conductivity,
  prandtl
};

class Window {
 public:
  virtual ~Window() = default;

  // Text of an input field, UTF-8, exactly as typed.
  virtual std::string text(Input field) const = 0;

  // The route the second quantity's selector shows; none while nothing is selected.
  virtual std::optional<Route> route() const = 0;

  // Shows a modal notice with this title and text and one OK button; returns once dismissed.
  virtual void showMessage(std::string_view title, std::string_view text) = 0;

  // Replaces the text of a result box.
  virtual void setText(Output field, std::string_view text) = 0;
};

}  // namespace calc
