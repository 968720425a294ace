#pragma once

#include <cstddef>

// What a design may hold at most, so that no file and no run of commands can exhaust the program.
// One set of limits: the commands that change a design refuse past them, and the file reader
// refuses a file past them, so that every design the window can hold saves and opens again.
namespace workspace {

inline constexpr std::size_t maxPoints = 10000;      // points given and process outlets together
inline constexpr std::size_t maxLines = 10000;       // ε lines drawn through 热湿比线…
inline constexpr std::size_t maxUserZones = 100;     // comfort zones of the user's
inline constexpr std::size_t maxZoneNameBytes = 64;  // bytes of a zone's name (UTF-8)

inline constexpr std::size_t maxFileBytes = 16 * 1024 * 1024;  // a workspace file
inline constexpr std::size_t maxValueLength = 64;              // bytes of a value's text in a file

}  // namespace workspace
