#include "cli/mode.h"

namespace cli {

int modeIndex(std::string_view mode) {
  if (mode == "tw" || mode == "0") return 0;
  if (mode == "rh" || mode == "1") return 1;
  return -1;
}

}  // namespace cli
