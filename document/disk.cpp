#include "document/disk.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <random>

namespace document {
namespace {

FileKind kindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return FileKind::regular;
  if (S_ISDIR(mode)) return FileKind::directory;
  return FileKind::other;
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

class HeldLock final : public Lock {
 public:
  explicit HeldLock(int fd) : fd_(fd) {}
  ~HeldLock() override { ::close(fd_); }  // closing the file lets the lock go
  HeldLock(const HeldLock&) = delete;
  HeldLock& operator=(const HeldLock&) = delete;

 private:
  int fd_;
};

// Puts the folder's new entry (a rename) on the device. A file system that cannot sync a folder
// says so with EINVAL; that is no failure of the write.
int flushFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return 0;
  const int error = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS ? 0 : errno;
  ::close(fd);
  return error;
}

}  // namespace

Opened Disk::openToRead(const std::string& path) {
  Opened o;
  o.handle = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (o.handle < 0) {
    o.error = errno;
    return o;
  }
  struct stat st {};
  if (::fstat(o.handle, &st) != 0) {
    o.error = errno;
    ::close(o.handle);
    o.handle = -1;
    return o;
  }
  o.kind = kindOfMode(st.st_mode);
  return o;
}

Transfer Disk::read(Handle h, char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t n = ::read(h, buffer, size);
    if (n >= 0) return {static_cast<std::size_t>(n), 0};
    if (errno != EINTR) return {0, errno};
  }
}

Opened Disk::createBeside(const std::string& path) {
  Opened o;
  const std::string folder = folderOf(path);
  const std::size_t slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  struct stat old {};
  const bool exists = ::stat(path.c_str(), &old) == 0;
  std::random_device seed;
  std::mt19937_64 random(seed() ^ static_cast<std::uint64_t>(::getpid()));
  for (int attempt = 0; attempt < 64; ++attempt) {
    o.path = folder + "/." + name + "." + std::to_string(random() % 1000000000) + ".part";
    // 0666 and the user's umask, as any new file of theirs; an existing file's own permissions.
    o.handle = ::open(o.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (o.handle >= 0) {
      if (exists) ::fchmod(o.handle, old.st_mode & 07777);
      return o;
    }
    if (errno != EEXIST) break;
  }
  o.error = errno;
  o.path.clear();
  return o;
}

Transfer Disk::write(Handle h, std::string_view bytes) {
  for (;;) {
    const ssize_t n = ::write(h, bytes.data(), bytes.size());
    if (n >= 0) return {static_cast<std::size_t>(n), 0};
    if (errno != EINTR) return {0, errno};
  }
}

int Disk::flush(Handle h) {
  return ::fsync(h) == 0 ? 0 : errno;
}

int Disk::close(Handle h) {
  return ::close(h) == 0 ? 0 : errno;
}

int Disk::rename(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return errno;
  return flushFolder(folderOf(to));
}

int Disk::remove(const std::string& path) {
  return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

int Disk::makeFolders(const std::string& path) {
  for (std::size_t at = 1; at <= path.size(); ++at) {
    if (at < path.size() && path[at] != '/') continue;
    const std::string part = path.substr(0, at);
    if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return errno;
  }
  return kindOf(path) == FileKind::directory ? 0 : ENOTDIR;
}

std::vector<Entry> Disk::list(const std::string& folder) {
  std::vector<Entry> entries;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return entries;
  while (const dirent* e = ::readdir(dir)) {
    // The entry itself, not what a link leads to: a link to a device is listed (and refused when
    // read), never opened here.
    struct stat st {};
    const std::string path = folder + "/" + e->d_name;
    if (::lstat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode))
      entries.push_back({e->d_name, static_cast<std::int64_t>(st.st_mtime)});
  }
  ::closedir(dir);
  return entries;
}

FileKind Disk::kindOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? kindOfMode(st.st_mode) : FileKind::none;
}

std::string Disk::resolve(const std::string& path) {
  char* real = ::realpath(path.c_str(), nullptr);
  if (real == nullptr) return path;
  std::string resolved(real);
  std::free(real);
  return resolved;
}

std::unique_ptr<Lock> Disk::tryLock(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return nullptr;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<HeldLock>(fd);
}

std::string instanceName() {
  const auto started = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::system_clock::now().time_since_epoch());
  return std::to_string(::getpid()) + "-" + std::to_string(started.count());
}

}  // namespace document
