// The workspace file's reader on arbitrary bytes as a file. Every run must end in one of two ways,
// else the harness aborts:
//   - the file is refused with a message; or
//   - it opens, and the text it is written back to opens to the same sheet and is written back to
//     the same text again.
// The time reading takes is not checked here: libFuzzer's inputs are far too short for the work
// per key to show, and counting that work would need a counter inside the reader. The worst file
// (1.49 million keys in 16 MB) is timed by bench/workspace_file_bench.cpp's OpenManyKeys.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "document/design_table.h"
#include "document/words.h"
#include "workspace/file.h"

namespace {

[[noreturn]] void violated(const char* what, std::string_view detail) {
  std::fprintf(stderr, "property violated: %s\n  %.*s\n", what, static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto read = workspace::readWorkspace(bytes);
  if (const auto* why = std::get_if<workspace::FileRefusal>(&read)) {
    if (document::words(*why).empty()) violated("refused without a message", bytes);
    return 0;
  }
  const workspace::Workspace& opened = std::get<workspace::Workspace>(read);
  const std::string text = workspace::workspaceText(opened);
  const auto again = workspace::readWorkspace(text);
  if (const auto* why = std::get_if<workspace::FileRefusal>(&again))
    violated("the text written back is refused", document::words(*why) + "\n" + text);
  const workspace::Workspace& reopened = std::get<workspace::Workspace>(again);
  if (document::designTable(reopened) != document::designTable(opened))
    violated("the text written back opens to another sheet", text);
  if (workspace::workspaceText(reopened) != text)
    violated("the text written back is written back differently", text);
  return 0;
}
