#include "cli/dxf_output.h"

#include "cli/text_encoding.h"
#include "document/disk.h"
#include "document/files.h"
#include "document/words.h"
#include "drawing/chart_dxf.h"
#include "drawing/title_block.h"

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
      drawing::chartDxf(design, page, design.titleBlock(), drawing::titleDefaults(designPath));
  // Whole or not at all, as every file of the user's is written.
  document::Disk disk;
  if (const document::Refused why = document::writeFile(disk, path, text)) {
    const std::string line =
        "torvale-calc：无法写出 " + visibleText(path) + "：" + document::words(*why) + "\n";
    std::fwrite(line.data(), 1, line.size(), err);
    return false;
  }
  return true;
}

}  // namespace cli
