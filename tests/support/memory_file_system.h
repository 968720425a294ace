#pragma once

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "document/file_system.h"

// A file system in memory for the document's tests: files and what kind each is, a clock for their
// times, locks that another holder may have, and faults to put in a write's way (a disk that fills
// after so many bytes, a flush or a rename that fails).
namespace testsupport {

class MemoryFileSystem final : public document::FileSystem {
 public:
  struct File {
    std::string bytes;
    document::FileKind kind = document::FileKind::regular;
    std::int64_t modified = 0;
  };
  std::map<std::string, File> files;
  std::set<std::string> folders{"/"};
  std::int64_t clock = 1'700'000'000;
  // Faults: the disk holds this many more bytes written; errors of the next flush and rename.
  std::size_t room = SIZE_MAX;
  int flushError = 0, renameError = 0;
  std::size_t reads = 0;  // bytes handed out by read, to tell that nothing was read of a pipe

  document::Opened openToRead(const std::string& path) override {
    document::Opened o;
    const auto f = files.find(path);
    if (f == files.end()) {
      o.error = folders.contains(path) ? 0 : ENOENT;
      o.kind = document::FileKind::directory;
      if (o.error == 0) o.handle = open(path, false);
      return o;
    }
    o.kind = f->second.kind;
    o.handle = open(path, false);
    return o;
  }
  document::Transfer read(document::Handle h, char* buffer, std::size_t size) override {
    Open& o = open_.at(h);
    const std::string& bytes = files[o.path].bytes;
    const std::size_t n = std::min(size, bytes.size() - std::min(o.at, bytes.size()));
    bytes.copy(buffer, n, o.at);
    o.at += n;
    reads += n;
    return {n, 0};
  }
  document::Opened createBeside(const std::string& path) override {
    document::Opened o;
    o.path = path + ".part" + std::to_string(++made_);
    files[o.path] = {{}, document::FileKind::regular, clock};
    o.handle = open(o.path, true);
    return o;
  }
  document::Transfer write(document::Handle h, std::string_view bytes) override {
    const std::size_t n = std::min(bytes.size(), room);
    room -= n;
    files[open_.at(h).path].bytes.append(bytes.substr(0, n));
    return {n, n < bytes.size() ? ENOSPC : 0};
  }
  int flush(document::Handle) override { return std::exchange(flushError, 0); }
  int close(document::Handle h) override {
    open_.erase(h);
    return 0;
  }
  int rename(const std::string& from, const std::string& to) override {
    if (const int e = std::exchange(renameError, 0)) return e;
    files[to] = files.at(from);
    files[to].modified = ++clock;
    files.erase(from);
    return 0;
  }
  int remove(const std::string& path) override { return files.erase(path) ? 0 : ENOENT; }
  int makeFolders(const std::string& path) override {
    folders.insert(path);
    return 0;
  }
  std::vector<document::Entry> list(const std::string& folder) override {
    std::vector<document::Entry> entries;
    for (const auto& [path, file] : files)
      if (path.starts_with(folder + "/") && path.find('/', folder.size() + 1) == std::string::npos)
        entries.push_back({path.substr(folder.size() + 1), file.modified});
    return entries;
  }
  document::FileKind kindOf(const std::string& path) override {
    if (const auto f = files.find(path); f != files.end()) return f->second.kind;
    return folders.contains(path) ? document::FileKind::directory : document::FileKind::none;
  }
  std::string resolve(const std::string& path) override { return path; }
  std::unique_ptr<document::Lock> tryLock(const std::string& path) override {
    if (locked.contains(path)) return nullptr;
    return std::make_unique<Held>(*this, path);
  }
  // Locks held: by this file system's holders, or put here to stand for another running copy.
  std::set<std::string> locked;

  // The paths of the files, for telling that nothing was left beside one.
  std::set<std::string> paths() const {
    std::set<std::string> all;
    for (const auto& [path, file] : files) all.insert(path);
    return all;
  }

 private:
  struct Open {
    std::string path;
    std::size_t at = 0;
  };
  struct Held final : document::Lock {
    Held(MemoryFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {
      fs_.locked.insert(path_);
    }
    ~Held() override { fs_.locked.erase(path_); }
    MemoryFileSystem& fs_;
    std::string path_;
  };
  document::Handle open(const std::string& path, bool) {
    open_[++handles_] = {path, 0};
    return handles_;
  }
  std::map<document::Handle, Open> open_;
  int handles_ = 2;
  int made_ = 0;
};

}  // namespace testsupport
