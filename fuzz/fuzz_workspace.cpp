// The workspace file's reader on arbitrary bytes as a file. Every run must end in one of two ways,
// else the harness aborts:
//   - the file is refused with a message; or
//   - it opens to a design that meets every check a design made command by command meets (names,
//     limits, zones, which points a process may use), and the text it is written back to opens to
//     the same sheet and is written back to the same text again; a document holding it saves it
//     and reads it back as the same text.
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
#include "document/document.h"
#include "document/files.h"
#include "document/words.h"
#include "support/memory_file_system.h"
#include "workspace/file.h"

namespace {

[[noreturn]] void violated(const char* what, std::string_view detail) {
  std::fprintf(stderr, "property violated: %s\n  %.*s\n", what, static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

// The checks the document's commands make, made again on a design read from a file: the reader
// must have refused what a command refuses. Empty when it meets them all, else which it fails.
std::string brokenRule(const workspace::Workspace& w) {
  const workspace::PointList& points = w.points();
  if (points.size() > workspace::maxPoints) return "more points than the limit";
  if (w.processes().drawnLines().size() > workspace::maxLines) return "more ε lines than the limit";
  for (std::size_t i = 0; i < points.size(); ++i) {
    const auto name = points.checkName(points.points()[i].name, i);
    const auto* kept = std::get_if<std::string>(&name);
    if (!kept || *kept != points.points()[i].name) return "a point's name";
  }
  workspace::ZoneSet before;
  for (const workspace::Zone& z : w.zones().user) {
    if (workspace::checkZone(z, before)) return "a zone of the user's";
    before.user.push_back(z);
  }
  const auto& processes = w.processes().processes();
  for (std::size_t i = 0; i < processes.size(); ++i) {
    const workspace::ProcessRequest& r = processes[i].request;
    if (!w.mayUse(i, r.from) ||
        (r.kind == workspace::ProcessKind::mix && (!w.mayUse(i, r.other) || r.other == r.from)))
      return "a process's inlet";
  }
  return {};
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
  if (const std::string rule = brokenRule(opened); !rule.empty())
    violated("the file holds what a command refuses", rule);
  const std::string text = workspace::workspaceText(opened);
  const auto again = workspace::readWorkspace(text);
  if (const auto* why = std::get_if<workspace::FileRefusal>(&again))
    violated("the text written back is refused", document::words(*why) + "\n" + text);
  const workspace::Workspace& reopened = std::get<workspace::Workspace>(again);
  if (document::designTable(reopened) != document::designTable(opened))
    violated("the text written back opens to another sheet", text);
  if (workspace::workspaceText(reopened) != text)
    violated("the text written back is written back differently", text);
  testsupport::MemoryFileSystem fs;
  document::Document held(fs);
  held.open(opened, "/a.torvale");
  if (held.save() ||
      !std::holds_alternative<workspace::Workspace>(document::readDesign(fs, "/a.torvale")) ||
      fs.files["/a.torvale"].bytes != text)
    violated("the document does not save the design as its text", text);
  return 0;
}
