#pragma once

#include <optional>
#include <string>
#include <utility>

#include "workspace/refusal.h"

// Why the document refuses a command, as a code: the design's rules (workspace::Refusal), a file
// that cannot be read or written, or a text that is not what it should be. The faces word them
// (document/words.h).
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

  // What a file holds: detail is the reader's reason.
  notAWorkspace,
  notWeather,
};

struct Refusal {
  Code code = Code::design;
  workspace::Refusal design;  // for Code::design
  std::string detail;
  int error = 0;  // the errno of Code::ioError

  bool operator==(const Refusal&) const = default;
};

// A refusal other than the design's: a file's, or a text's.
inline Refusal refusal(Code code, std::string detail, int error = 0) {
  Refusal r;
  r.code = code;
  r.detail = std::move(detail);
  r.error = error;
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
