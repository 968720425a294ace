#pragma once

class QString;
class QWidget;

namespace ui {

// Both open centred over owner's window, once that is on the screen (a window shown a moment
// before is waited for, a bounded while), so that a question at start stands over the program.

// Shows an application-modal message box over owner with this title and text and one button,
// "确定" (also taken by Enter and Esc), and returns once it is dismissed. The box's objectName is
// "notice".
void showNotice(QWidget* owner, const QString& title, const QString& text);

// Asks a question over owner with two buttons, yes (the default, taken by Enter) and no (taken by
// Esc), named by their objectNames for tests; true when yes was pressed. Captions are UTF-8.
bool askYesNo(QWidget* owner, const QString& title, const QString& text, const char* yes,
              const char* yesName, const char* no, const char* noName);

}  // namespace ui
