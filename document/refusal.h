#pragma once

#include <optional>
#include <string>
#include <utility>

#include "workspace/file.h"
#include "workspace/refusal.h"
#include "workspace/weather.h"

// Why the document refuses a command, as a code: the design's rules (workspace::Refusal), a file
// that cannot be read or written, or a file's text that is not what it should be (the readers'
// own codes). The faces word them (document/words.h).
namespace document {

enum class Code {
  design,  // a rule of the design: see Refusal::design

  // A file: detail is the path as given. A write that fails leaves the old file as it was.
  notFound,      // the file or its folder does not exist (ENOENT)
  noPermission,  // EACCES, EPERM, EROFS
  isDirectory,   // a folder where a file should be
  notRegular,    // a pipe, device or socket: never read (it could go on for ever or wait)
  diskFull,      // ENOSPC, EDQUOT
  ioError,       // any other errno: Refusal::error

  // What a file holds: the reader's reason.
  notAWorkspace,  // Refusal::file
  notWeather,     // Refusal::weather
};

struct Refusal {
  Code code = Code::design;
  workspace::Refusal design;  // for Code::design
  std::string detail;
  int error = 0;                      // the errno of Code::ioError
  workspace::FileRefusal file;        // for Code::notAWorkspace
  workspace::WeatherRefusal weather;  // for Code::notWeather

  bool operator==(const Refusal&) const = default;
};

// A refusal of a file, by its code: detail is the path.
inline Refusal refusal(Code code, std::string detail, int error = 0) {
  Refusal r;
  r.code = code;
  r.detail = std::move(detail);
  r.error = error;
  return r;
}

// A file's text the workspace reader or a weather reader refuses.
inline Refusal unreadable(workspace::FileRefusal why) {
  Refusal r;
  r.code = Code::notAWorkspace;
  r.file = std::move(why);
  return r;
}
inline Refusal unreadable(workspace::WeatherRefusal why) {
  Refusal r;
  r.code = Code::notWeather;
  r.weather = std::move(why);
  return r;
}

// A refusal of the design's rules.
inline Refusal byDesign(workspace::Refusal why) {
  Refusal r;
  r.design = std::move(why);
  return r;
}

// The code of a file's errno (0 for none is not asked).
Code codeOfError(int error);

// None when a command is done; otherwise why it was refused, the document unchanged.
using Refused = std::optional<Refusal>;

}  // namespace document
