#include "document/files.h"

#include <algorithm>
#include <array>
#include <cerrno>

#include "workspace/file.h"

namespace document {

Code codeOfError(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return Code::notFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return Code::noPermission;
    case EISDIR:
      return Code::isDirectory;
    case ENOSPC:
    case EDQUOT:
      return Code::diskFull;
    default:
      return Code::ioError;
  }
}

namespace {

Refusal fileRefusal(int error, const std::string& path) {
  return refusal(codeOfError(error), path, error);
}

Refusal kindRefusal(FileKind kind, const std::string& path) {
  return refusal(kind == FileKind::directory ? Code::isDirectory : Code::notRegular, path);
}

}  // namespace

std::variant<std::string, Refusal> readFile(FileSystem& fs, const std::string& path,
                                            std::size_t limit) {
  const Opened file = fs.openToRead(path);
  if (file.error != 0) return fileRefusal(file.error, path);
  if (file.kind != FileKind::regular) {
    fs.close(file.handle);
    return kindRefusal(file.kind, path);
  }
  std::string bytes;
  std::array<char, 1 << 16> buffer{};
  int error = 0;
  while (bytes.size() <= limit) {
    const std::size_t want = std::min(buffer.size(), limit + 1 - bytes.size());
    const Transfer t = fs.read(file.handle, buffer.data(), want);
    bytes.append(buffer.data(), t.bytes);
    if (t.error != 0) error = t.error;
    if (t.error != 0 || t.bytes == 0) break;
  }
  fs.close(file.handle);
  if (error != 0) return fileRefusal(error, path);
  return bytes;
}

Refused writeFile(FileSystem& fs, const std::string& path, std::string_view bytes) {
  const std::string target = fs.resolve(path);
  if (const FileKind kind = fs.kindOf(target); kind != FileKind::none && kind != FileKind::regular)
    return kindRefusal(kind, path);
  const Opened file = fs.createBeside(target);
  if (file.error != 0) return fileRefusal(file.error, path);
  int error = 0;
  for (std::string_view rest = bytes; !rest.empty() && error == 0;) {
    const Transfer t = fs.write(file.handle, rest);
    // A write that takes nothing and says nothing would never end: the device is full.
    error = t.error != 0 ? t.error : t.bytes == 0 ? ENOSPC : 0;
    rest.remove_prefix(std::min(t.bytes, rest.size()));
  }
  if (error == 0) error = fs.flush(file.handle);
  const int closed = fs.close(file.handle);
  if (error == 0) error = closed;
  if (error == 0) error = fs.rename(file.path, target);
  if (error != 0) {
    fs.remove(file.path);
    return fileRefusal(error, path);
  }
  return std::nullopt;
}

std::variant<workspace::Workspace, Refusal> readDesign(FileSystem& fs, const std::string& path) {
  auto bytes = readFile(fs, path, workspace::maxFileBytes);
  if (auto* why = std::get_if<Refusal>(&bytes)) return std::move(*why);
  auto design = workspace::readWorkspace(std::get<std::string>(bytes));
  if (auto* why = std::get_if<workspace::FileRefusal>(&design)) return unreadable(std::move(*why));
  return std::move(std::get<workspace::Workspace>(design));
}

}  // namespace document
