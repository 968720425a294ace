#pragma once

#include <QIcon>

namespace ui {

// The program's icon (a droplet with a thermometer), 16×16 and 32×32, from the built-in resources.
QIcon programIcon();

}  // namespace ui
