#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>

#include "calc/pair_calculation.h"
#include "cli/text_encoding.h"
#include "psychro/constants.h"

// What the command line asks torvale-calc to do.
namespace cli {

enum class Action { single, batch, workspace, weather, help, version, usageError };

struct Arguments {
  Action action = Action::usageError;
  // What T and X of a single calculation are: t+tw unless --rh or --pair says otherwise.
  calc::Pair pair{psychro::Quantity::t, psychro::Quantity::tw};
  std::string t;            // first value of a single calculation, as typed
  std::string x;            // second value of a single calculation, as typed
  std::string input = "-";  // CSV input of a batch; "-" is standard input
  std::string workspace;    // the workspace file --workspace prints
  // With --workspace: the drawing --dxf writes instead, on the sheet --paper names (as typed,
  // empty for the design's own).
  std::string dxf, paper;
  double pressure = psychro::standardPressure;  // total pressure, Pa, of every calculation
  bool pressureGiven = false;                   // --pressure or --altitude was given
  // A weather file (--epw FILE, "-" for standard input) and whether to print its hours per zone
  // (--zones) rather than one record per hour.
  std::string weather;
  bool zones = false;
  // The arithmetic --model names; none given: classic, or a workspace file's own.
  std::optional<psychro::Arithmetic> model;
  // A log (--csv with --mode and --columns): its fixed pair and the two columns, as given.
  bool log = false;
  calc::Pair logPair{psychro::Quantity::t, psychro::Quantity::tw};
  std::array<std::string, 2> columns;
  Encoding encoding = Encoding::utf8;  // of a log's input and output
  bool bom = false;                    // a UTF-8 byte-order mark first in the output
  std::string error;                   // why the command line is not usable
};

// Reads the arguments after the program name. Only the exact words --tw, --rh, --pair A+B,
// --pressure PA, --altitude M, --model NAME, --mode MODE, --columns A,B, --encoding NAME, --epw
// FILE, --dxf FILE, --paper SIZE (each also as --option=VALUE), --workspace FILE, --csv, --zones,
// --bom, --help, -h, --version and -- are options, so
// "-5" is a value; any other word starting with "--" is a usage error, and after
// "--" every word is a value. A refused pair, or a pressure or altitude that is out of range, is a
// usage error whose text names the accepted range; one that is no number, or missing, says so; so
// is a --model other than ashrae or classic. --model, --workspace and --epw may each be given
// once. --workspace goes with --model (the file's own arithmetic is used without it) and --dxf,
// and --paper with --dxf (cli::readPaper). Help
// goes before the version, both before any error.
Arguments parseArguments(std::span<const char* const> args);

}  // namespace cli
