#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The few things the document asks of a file system, so that its rules (bounded reading, whole
// writes, one recovery file per running copy) are tested without a disk (a file system in memory)
// and with one (Disk). Errors are errno values; 0 is none.
namespace document {

// What a path names, links followed.
enum class FileKind { none, regular, directory, other };  // other: a pipe, device or socket

// An open file, as the file system numbers it.
using Handle = int;

struct Opened {
  Handle handle = -1;
  int error = 0;
  FileKind kind = FileKind::none;  // openToRead: what was opened
  std::string path;                // createBeside: the new file's path
};

// Bytes moved by one read or write, and the error that stopped it.
struct Transfer {
  std::size_t bytes = 0;
  int error = 0;
};

// A file of a folder (anything but a folder; a link as itself): its name and when it was last
// written, seconds since 1970 (UTC).
struct Entry {
  std::string name;
  std::int64_t modified = 0;
};

// A lock held for as long as the object lives; the file system releases it also when the program
// ends in any way, so that a lock outliving its holder means the holder still runs.
class Lock {
 public:
  virtual ~Lock() = default;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Opens path to read, without waiting (a pipe with no writer opens at once), and says what the
  // opened thing is, so that the caller can refuse what is not a regular file before reading.
  virtual Opened openToRead(const std::string& path) = 0;
  // Reads at most size bytes into buffer; 0 bytes and no error at the end of the file.
  virtual Transfer read(Handle h, char* buffer, std::size_t size) = 0;
  // Makes a new, empty file in the folder of path under a name nothing else has, to be written in
  // full and renamed over path; it takes path's permissions where path exists.
  virtual Opened createBeside(const std::string& path) = 0;
  // Writes bytes; may write fewer, saying why.
  virtual Transfer write(Handle h, std::string_view bytes) = 0;
  // Puts what was written on the device (fsync).
  virtual int flush(Handle h) = 0;
  virtual int close(Handle h) = 0;
  // Puts from in the place of to in one step (and the change of the folder on the device).
  virtual int rename(const std::string& from, const std::string& to) = 0;
  virtual int remove(const std::string& path) = 0;
  // Makes the folder path and those above it that are missing.
  virtual int makeFolders(const std::string& path) = 0;
  // The files of folder (Entry); none where it cannot be read.
  virtual std::vector<Entry> list(const std::string& folder) = 0;
  virtual FileKind kindOf(const std::string& path) = 0;
  // The path a link leads to (through every link), or path itself.
  virtual std::string resolve(const std::string& path) = 0;
  // Takes the lock named by path (a file, made where missing); none while another holder has it,
  // or where it cannot be made.
  virtual std::unique_ptr<Lock> tryLock(const std::string& path) = 0;
};

}  // namespace document
