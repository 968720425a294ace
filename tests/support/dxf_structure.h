#pragma once

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The form of a DXF file as CAD programs need it, checked from the text alone, for the tests and
// the fuzz harness of the DXF writer: group codes and values paired, each a line of valid UTF-8,
// sections and tables closed, every handle unique and below $HANDSEED, every owner a handle of the
// file, every entity on a layer of the LAYER table.
namespace testsupport {

struct DxfReading {
  std::string problem;  // empty when the file is well formed
  // The entities of the ENTITIES section by type and layer ("LINE", "网格").
  std::map<std::pair<std::string, std::string>, int> entities;
  // The texts of the MTEXT entities, pieces joined, by layer.
  std::multimap<std::string, std::string> texts;
  std::set<std::string> layers;  // as the LAYER table names them
};

inline bool validUtf8Line(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b == '\n' || b == '\r') return false;
    std::size_t n = b < 0x80                 ? 1
                    : b >= 0xC2 && b <= 0xDF ? 2
                    : b >= 0xE0 && b <= 0xEF ? 3
                    : b >= 0xF0 && b <= 0xF4 ? 4
                                             : 0;
    if (n == 0 || i + n > s.size()) return false;
    unsigned long c = n == 1 ? b : b & (0x7Fu >> n);
    for (std::size_t k = 1; k < n; ++k) {
      const auto t = static_cast<unsigned char>(s[i + k]);
      if ((t & 0xC0) != 0x80) return false;
      c = (c << 6) | (t & 0x3F);
    }
    if ((n == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
        (n == 4 && (c < 0x10000 || c > 0x10FFFF)))
      return false;
    i += n;
  }
  return true;
}

inline std::string lowerAscii(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return s;
}

inline DxfReading readDxf(std::string_view text) {
  DxfReading r;
  const auto fail = [&](std::string why) {
    r.problem = std::move(why);
    return r;
  };
  std::vector<std::pair<int, std::string_view>> tags;
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) return fail("the last line has no end");
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  if (lines.size() % 2 != 0) return fail("a group code without its value");
  for (std::size_t i = 0; i < lines.size(); i += 2) {
    std::string_view code = lines[i];
    while (!code.empty() && code.front() == ' ') code.remove_prefix(1);
    if (code.empty() || code.size() > 4 || code.find_first_not_of("0123456789") != code.npos)
      return fail("not a group code: " + std::string(lines[i]));
    const int number = std::atoi(std::string(code).c_str());
    if (number > 1071) return fail("no such group code: " + std::string(code));
    if (!validUtf8Line(lines[i + 1])) return fail("a value that is not a line of UTF-8");
    tags.emplace_back(number, lines[i + 1]);
  }
  if (tags.empty() || tags.back() != std::pair<int, std::string_view>{0, "EOF"})
    return fail("no EOF at the end");

  std::set<unsigned long> handles;
  std::vector<unsigned long> owners;
  unsigned long seed = 0;
  std::string section, table, type, layer, content;
  bool inSection = false, inTable = false;
  const auto endEntity = [&] {
    if (section == "ENTITIES" && !type.empty()) {
      ++r.entities[{type, layer}];
      if (type == "MTEXT") r.texts.emplace(layer, content);
    }
    type.clear();
    layer.clear();
    content.clear();
  };
  std::vector<std::string> entityLayers;
  for (std::size_t i = 0; i < tags.size(); ++i) {
    const auto [code, value] = tags[i];
    if (code == 0) {
      endEntity();
      if (value == "SECTION") {
        if (inSection) return fail("a section inside a section");
        if (i + 1 >= tags.size() || tags[i + 1].first != 2) return fail("a section without name");
        inSection = true;
        section = tags[++i].second;
      } else if (value == "ENDSEC") {
        if (!inSection || inTable) return fail("ENDSEC outside a section or inside a table");
        inSection = false;
      } else if (value == "TABLE") {
        if (section != "TABLES" || inTable) return fail("a misplaced TABLE");
        inTable = true;
        table = i + 1 < tags.size() ? std::string(tags[i + 1].second) : "";
      } else if (value == "ENDTAB") {
        if (!inTable) return fail("ENDTAB outside a table");
        inTable = false;
      } else if (value == "EOF") {
        if (inSection || i + 1 != tags.size()) return fail("EOF inside a section");
      } else {
        if (!inSection) return fail("an entity outside the sections: " + std::string(value));
        type = value;
      }
      continue;
    }
    if ((code == 5 || code == 105) && !(section == "HEADER")) {
      char* end = nullptr;
      const std::string h(value);
      const unsigned long n = std::strtoul(h.c_str(), &end, 16);
      if (h.empty() || *end != '\0' || n == 0) return fail("a handle that is not hex: " + h);
      if (!handles.insert(n).second) return fail("a handle twice: " + h);
    }
    if (section == "HEADER" && code == 9 && value == "$HANDSEED" && i + 1 < tags.size())
      seed = std::strtoul(std::string(tags[i + 1].second).c_str(), nullptr, 16);
    if (code == 330 || code == 340 || code == 350 || code == 390) {
      char* end = nullptr;
      const std::string h(value);
      owners.push_back(std::strtoul(h.c_str(), &end, 16));
      if (h.empty() || *end != '\0') return fail("an owner that is not hex: " + h);
    }
    if (code == 2 && inTable && table == "LAYER" && type == "LAYER")
      r.layers.insert(std::string(value));
    if (code == 8 && section == "ENTITIES") {
      layer = value;
      entityLayers.push_back(layer);
    }
    if ((code == 1 || code == 3) && type == "MTEXT") content += value;
  }
  if (inSection) return fail("a section not closed");
  for (unsigned long o : owners)
    if (o != 0 && handles.count(o) == 0) return fail("a pointer to no handle");
  if (handles.empty() || seed <= *handles.rbegin()) return fail("$HANDSEED not above every handle");
  std::set<std::string> known;
  for (const std::string& l : r.layers) known.insert(lowerAscii(l));
  for (const std::string& l : entityLayers)
    if (known.count(lowerAscii(l)) == 0) return fail("an entity on no layer of the table: " + l);
  return r;
}

}  // namespace testsupport
