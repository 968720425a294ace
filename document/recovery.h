#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "document/file_system.h"
#include "document/refusal.h"
#include "workspace/file.h"

// Unsaved work kept against a crash: one recovery file per running copy of the program, in one
// folder, each with a lock its copy holds while it runs. A start offers only the files whose copy
// no longer runs, and never touches a running copy's file.
namespace document {

// A recovery file left by a copy that is no longer running.
struct LeftOver {
  std::string path;
  std::int64_t modified = 0;  // seconds since 1970 (UTC)
};

class Recovery {
 public:
  // Keeps this copy's work in folder, as the file recovery-<instance>.torvale (instance unique
  // among copies: document::instanceName).
  Recovery(FileSystem& fs, std::string folder, std::string instance);

  // Writes text (workspace::recoveryText) as this copy's recovery, whole (writeFile), taking its
  // lock first; why not (the folder cannot be made, a full disk).
  Refused keep(std::string_view text);
  // Removes this copy's recovery file, as after a save or when work is set aside.
  void discard();
  const std::string& path() const { return path_; }

  // The recovery files of copies no longer running, newest first. Each stays locked by this copy
  // until taken, declined or let go, so that another copy starting meanwhile does not offer it.
  std::vector<LeftOver> leftOvers();
  // What a left-over file holds; why it cannot be read (a file that is no recovery, a link to a
  // device: bounded and regular files only).
  std::variant<workspace::Recovered, Refusal> read(const LeftOver& file);
  // Removes a left-over file: its work is declined, or taken into this copy's own recovery.
  void remove(const LeftOver& file);
  // Lets the left-over files not taken or removed go, for a later start to offer again.
  void letGo();

 private:
  FileSystem& fs_;
  std::string folder_, path_, lockPath_;
  std::unique_ptr<Lock> lock_;                         // this copy's, from its first keep
  std::map<std::string, std::unique_ptr<Lock>> held_;  // left-overs, by path
};

}  // namespace document
