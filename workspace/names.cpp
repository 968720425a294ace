#include "workspace/names.h"

namespace workspace {

bool turnsDirection(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto b = [&](std::size_t k) {
      return i + k < utf8.size() ? static_cast<unsigned char>(utf8[i + k]) : 0u;
    };
    if (b(0) == 0xD8 && b(1) == 0x9C) return true;
    if (b(0) != 0xE2) continue;
    if (b(1) == 0x80 && ((b(2) >= 0xAA && b(2) <= 0xAE) || b(2) == 0x8E || b(2) == 0x8F))
      return true;
    if (b(1) == 0x81 && b(2) >= 0xA6 && b(2) <= 0xA9) return true;
  }
  return false;
}

bool hasControl(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const bool c1 = b == 0xC2 && i + 1 < utf8.size() &&
                    static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                    static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
    if (b < 0x20 || b == 0x7F || c1) return true;
  }
  return false;
}

std::size_t characters(std::string_view utf8) {
  std::size_t n = 0;
  for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

}  // namespace workspace
