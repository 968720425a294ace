#pragma once

#include <cstdio>
#include <span>

// torvale-calc: the Calculate command from the command line, once or for every record of a CSV.
namespace cli {

inline constexpr int exitOk = 0;
inline constexpr int exitNotice = 1;  // the command showed a notice
inline constexpr int exitUsage = 2;   // bad command line, or input/output that failed

// Runs torvale-calc with the arguments after the program name; returns the exit status.
int run(std::span<const char* const> args, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace cli
