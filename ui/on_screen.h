#pragma once

class QWidget;

namespace ui {

// Keeps window, about to be shown, inside the available area of its screen (without panels and
// docks): made smaller where it would not fit, though not below its minimum size, and moved in
// where its frame would stand out. The frame is the window manager's where known, else estimated
// from the style's title bar. Every window calls it when shown.
void keepOnScreen(QWidget& window);

}  // namespace ui
