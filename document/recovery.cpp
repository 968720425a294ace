#include "document/recovery.h"

#include <algorithm>
#include <utility>

#include "document/files.h"

namespace document {
namespace {

constexpr std::string_view prefix = "recovery";
constexpr std::string_view suffix = ".torvale";

// The lock file of a recovery file: its name with .lock in place of .torvale.
std::string lockOf(const std::string& path) {
  return path.substr(0, path.size() - suffix.size()) + ".lock";
}

bool isRecovery(std::string_view name) {
  return name.size() >= prefix.size() + suffix.size() && name.starts_with(prefix) &&
         name.ends_with(suffix);
}

}  // namespace

Recovery::Recovery(FileSystem& fs, std::string folder, std::string instance)
    : fs_(fs), folder_(std::move(folder)) {
  path_ = folder_ + "/" + std::string(prefix) + "-" + instance + std::string(suffix);
  lockPath_ = lockOf(path_);
}

Refused Recovery::keep(std::string_view text) {
  if (const int error = fs_.makeFolders(folder_); error != 0)
    return refusal(codeOfError(error), folder_, error);
  if (!lock_) lock_ = fs_.tryLock(lockPath_);
  return writeFile(fs_, path_, text);
}

void Recovery::discard() {
  if (!lock_) return;  // nothing kept
  fs_.remove(path_);
  // The lock file goes with it, and the lock; the next keep takes a new one.
  fs_.remove(lockPath_);
  lock_.reset();
}

std::vector<LeftOver> Recovery::leftOvers() {
  std::vector<LeftOver> found;
  for (const Entry& e : fs_.list(folder_)) {
    const std::string path = folder_ + "/" + e.name;
    if (!isRecovery(e.name) || path == path_) continue;
    if (!held_.contains(path)) {
      // A lock another copy holds: that copy runs, and the file is its own.
      std::unique_ptr<Lock> lock = fs_.tryLock(lockOf(path));
      if (!lock) continue;
      held_.emplace(path, std::move(lock));
    }
    found.push_back({path, e.modified});
  }
  std::sort(found.begin(), found.end(), [](const LeftOver& a, const LeftOver& b) {
    return a.modified != b.modified ? a.modified > b.modified : a.path < b.path;
  });
  return found;
}

std::variant<workspace::Recovered, Refusal> Recovery::read(const LeftOver& file) {
  auto bytes = readFile(fs_, file.path, workspace::maxFileBytes);
  if (auto* why = std::get_if<Refusal>(&bytes)) return std::move(*why);
  auto recovered = workspace::readRecovery(std::get<std::string>(bytes));
  if (auto* why = std::get_if<workspace::FileRefusal>(&recovered))
    return unreadable(std::move(*why));
  return std::move(std::get<workspace::Recovered>(recovered));
}

void Recovery::remove(const LeftOver& file) {
  fs_.remove(file.path);
  fs_.remove(lockOf(file.path));
  held_.erase(file.path);
}

void Recovery::letGo() {
  held_.clear();
}

}  // namespace document
