#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "workspace/limits.h"
#include "workspace/workspace.h"

// The workspace file: a design as UTF-8 JSON, the points as typed and the processes and ε lines as
// asked for, so that reopening it computes every text again. Results are never stored.
namespace workspace {

// The workspace as the text of a file: "format", "version", "pressure" (Pa), "model" (the
// arithmetic's key, calc::arithmeticKey, written only when it is not the classic one), "points"
// (the points given by a pair, outlets excluded), "processes" (each with its outlet's name and
// place) and "lines". Reading refuses a "model" it does not know, naming it.
std::string workspaceText(const Workspace& workspace);

// The workspace a file's text holds, computed at its pressure; or, for a text that is not a whole
// workspace of this program's version within the limits above, the message why (without the file
// name, which the caller adds). Keys it does not read (a later version's) are passed over; a text
// of any size within maxFileBytes is read or refused in time and memory linear in its size.
std::variant<Workspace, std::string> readWorkspace(std::string_view text);

// A design kept against a crash: the workspace file's text with "source", the path (UTF-8) of the
// file the design was opened from or saved to, empty for one never saved. readWorkspace passes
// the key over, so the recovery opens as a workspace file too.
std::string recoveryText(const Workspace& workspace, std::string_view source);

struct Recovered {
  Workspace design;
  std::string source;  // empty for a design never saved
};
// The design and its file a recovery's text holds; or, as readWorkspace, the message why not.
std::variant<Recovered, std::string> readRecovery(std::string_view text);

}  // namespace workspace
