#pragma once

class QString;
class QWidget;

namespace ui {

// Shows an application-modal message box over owner with this title and text and one button,
// "确定" (also taken by Enter and Esc), and returns once it is dismissed. The box's objectName is
// "notice".
void showNotice(QWidget* owner, const QString& title, const QString& text);

}  // namespace ui
