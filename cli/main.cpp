#include <cstdio>
#include <span>

#include "cli/command_line.h"

int main(int argc, char** argv) {
  const std::span<const char* const> args =
      argc > 1 ? std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1))
               : std::span<const char* const>();
  return cli::run(args, stdin, stdout, stderr);
}
