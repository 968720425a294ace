#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "document/file_system.h"
#include "document/refusal.h"
#include "workspace/workspace.h"

// Reading and writing a user's files, once for every face: reads bounded and of regular files
// only, writes whole or not at all.
namespace document {

// The bytes of the regular file at path, at most limit + 1 of them: enough for the reader that
// takes them to refuse a file larger than its limit without reading it all. Refused: a path that
// cannot be opened or read (by its errno), and one that is not a regular file (a folder, a pipe or
// a device, which could wait or go on for ever: nothing is read of it).
std::variant<std::string, Refusal> readFile(FileSystem& fs, const std::string& path,
                                            std::size_t limit);

// Puts bytes in the file at path (through a link, in the file it leads to) so that it is either
// wholly the new bytes or wholly what it was: written to a new file beside it, every write
// checked, put on the device (flush) and closed, and only then renamed over it. Refused, the old
// file untouched and nothing left beside it: a path that names a folder or something other than a
// regular file, and any error of a step (a full disk, a folder that may not be written).
Refused writeFile(FileSystem& fs, const std::string& path, std::string_view bytes);

// The design the workspace file at path holds: read bounded (readFile, at most
// workspace::maxFileBytes) and refused as the reader refuses (notAWorkspace, its code).
std::variant<workspace::Workspace, Refusal> readDesign(FileSystem& fs, const std::string& path);

}  // namespace document
