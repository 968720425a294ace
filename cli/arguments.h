#pragma once

#include <span>
#include <string>

#include "calc/pair_calculation.h"
#include "psychro/constants.h"

// What the command line asks torvale-calc to do.
namespace cli {

enum class Action { single, batch, help, version, usageError };

struct Arguments {
  Action action = Action::usageError;
  int index = 0;  // Combo2 index of a single calculation: 0 --tw, 1 --rh (and their pairs)
  calc::Pair pair{psychro::Quantity::t, psychro::Quantity::tw};  // what T and X of --pair are
  std::string t;                                // first value of a single calculation, as typed
  std::string x;                                // second value of a single calculation, as typed
  std::string input = "-";                      // CSV input of a batch; "-" is standard input
  double pressure = psychro::standardPressure;  // total pressure, Pa, of every calculation
  std::string error;                            // why the command line is not usable
};

// Reads the arguments after the program name. Only the exact words --tw, --rh, --pair A+B,
// --pressure PA, --altitude M (also --pressure=PA, --altitude=M), --csv, --help, -h, --version and
// -- are options, so "-5" is a value; any other word starting with "--" is a usage error, and after
// "--" every word is a value. A refused pair, or a pressure or altitude that cannot be read or is
// out of range, is a usage error whose text names the accepted range. Help goes before the
// version, both before any error.
Arguments parseArguments(std::span<const char* const> args);

}  // namespace cli
