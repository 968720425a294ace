#pragma once

class QWidget;

namespace app {

// Start-up measurement hook (option --quit-after-first-paint): ends the event loop with status 0
// as soon as window has been painted for the first time, so that the wall time and peak memory of
// the whole process measure start-up to the first shown window.
void exitAfterFirstPaint(QWidget& window);

}  // namespace app
