#pragma once

#include <span>
#include <string>

// What the command line asks torvale-calc to do.
namespace cli {

enum class Action { single, batch, help, version, usageError };

struct Arguments {
  Action action = Action::usageError;
  int index = 0;            // Combo2 index of a single calculation: 0 --tw, 1 --rh
  std::string t;            // Text11 of a single calculation, as typed
  std::string x;            // Text12 of a single calculation, as typed
  std::string input = "-";  // CSV input of a batch; "-" is standard input
  std::string error;        // why the command line is not usable
};

// Reads the arguments after the program name. Only the exact words --tw, --rh, --csv, --help, -h,
// --version and -- are options, so "-5" is a value; any other word starting with "--" is a usage
// error, and after "--" every word is a value. Help goes before the version, both before errors.
Arguments parseArguments(std::span<const char* const> args);

}  // namespace cli
