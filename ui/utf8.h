#pragma once

#include <QString>
#include <string_view>

namespace ui {

// A UTF-8 text of the layers below as Qt's string (the texts there are UTF-8 throughout).
inline QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace ui
