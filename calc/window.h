#pragma once

#include <string>
#include <string_view>

// What the Calculate command needs of a window, and nothing more. The Qt main window, the
// command-line face and the tests each implement it.
namespace calc {

enum class Input { Text11, Text12 };  // dry-bulb temperature; the second input

// Result boxes, in the order the command writes them.
enum class Output { Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text13 };

class Window {
 public:
  virtual ~Window() = default;

  // Text of an input field, UTF-8, exactly as typed.
  virtual std::string text(Input field) const = 0;

  // Selected index of Combo2: 0 wet-bulb temperature, 1 relative humidity, -1 nothing selected.
  virtual int selectedIndex() const = 0;

  // Shows a modal notice with this title and text and one OK button; returns once dismissed.
  virtual void showMessage(std::string_view title, std::string_view text) = 0;

  // Replaces the text of a result box.
  virtual void setText(Output field, std::string_view text) = 0;
};

}  // namespace calc
