#include "ui/program_icon.h"

// The resources live in a static library: nothing else references them, so register them here.
static void registerIcons() {
  Q_INIT_RESOURCE(icons);
}

namespace ui {

QIcon programIcon() {
  static const bool registered = (registerIcons(), true);
  (void)registered;
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/torvale-16.png"), QSize(16, 16));
  icon.addFile(QStringLiteral(":/icons/torvale-32.png"), QSize(32, 32));
  return icon;
}

}  // namespace ui
