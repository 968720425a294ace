#pragma once

#include "document/file_system.h"

// The file system of the machine, through POSIX calls: what the program uses outside its tests.
namespace document {

class Disk : public FileSystem {
 public:
  Opened openToRead(const std::string& path) override;
  Transfer read(Handle h, char* buffer, std::size_t size) override;
  Opened createBeside(const std::string& path) override;
  Transfer write(Handle h, std::string_view bytes) override;
  int flush(Handle h) override;
  int close(Handle h) override;
  int rename(const std::string& from, const std::string& to) override;
  int remove(const std::string& path) override;
  int makeFolders(const std::string& path) override;
  std::vector<Entry> list(const std::string& folder) override;
  FileKind kindOf(const std::string& path) override;
  std::string resolve(const std::string& path) override;
  std::unique_ptr<Lock> tryLock(const std::string& path) override;
};

// A name for this running copy that no other copy running or run before has: the process id and
// the time it started, "12345-1733680000123".
std::string instanceName();

}  // namespace document
