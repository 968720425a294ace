#include "cli/dxf_output.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <vector>

#include "cli/text_encoding.h"
#include "drawing/chart_dxf.h"

namespace cli {
namespace {

bool sameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  char text[16] = "";
  if (localtime_r(&now, &local)) std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

// The file's name without its folder and its last suffix: "docs/夏季工况.torvale" → "夏季工况".
std::string stem(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
  const std::size_t dot = path.find_last_of('.');
  if (dot != std::string_view::npos && dot > 0) path = path.substr(0, dot);
  return std::string(path);
}

void report(std::FILE* err, std::string_view what, const std::string& path, int error) {
  const std::string line = "torvale-calc：" + std::string(what) + visibleText(path) + "：" +
                           std::strerror(error != 0 ? error : EIO) + "\n";
  std::fwrite(line.data(), 1, line.size(), err);
}

}  // namespace

bool readPaper(std::string_view text, workspace::PageSetup& page) {
  std::string_view size = text, orientation;
  if (const std::size_t comma = text.find(','); comma != std::string_view::npos) {
    size = text.substr(0, comma);
    orientation = text.substr(comma + 1);
  }
  workspace::PageSetup read = page;
  if (sameLetters(size, "a4"))
    read.paper = workspace::Paper::a4;
  else if (sameLetters(size, "a3"))
    read.paper = workspace::Paper::a3;
  else if (sameLetters(size, "a2"))
    read.paper = workspace::Paper::a2;
  else
    return false;
  if (text.find(',') == std::string_view::npos || sameLetters(orientation, "portrait"))
    read.orientation = workspace::Orientation::portrait;
  else if (sameLetters(orientation, "landscape"))
    read.orientation = workspace::Orientation::landscape;
  else
    return false;
  page = read;
  return true;
}

bool writeDrawing(const workspace::Workspace& design, const workspace::PageSetup& page,
                  std::string_view designPath, const std::string& path, std::FILE* err) {
  const std::string text =
      drawing::chartDxf(design, page, workspace::TitleBlock{}, {stem(designPath), today()});
  // A new file beside the target, with the permissions a file created there would get.
  std::string temporary = path + ".XXXXXX";
  std::vector<char> name(temporary.begin(), temporary.end());
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd < 0) {
    report(err, "无法写出 ", path, errno);
    return false;
  }
  temporary = name.data();
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  std::size_t written = 0;
  int error = 0;
  while (written < text.size()) {
    const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = n < 0 ? errno : EIO;
      break;
    }
    written += static_cast<std::size_t>(n);
  }
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    report(err, "无法写出 ", path, error);
    return false;
  }
  return true;
}

}  // namespace cli
