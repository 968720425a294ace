#include "drawing/title_block.h"

#include <algorithm>
#include <array>
#include <ctime>

#include "calc/arithmetic_names.h"
#include "document/design_table.h"
#include "drawing/layers.h"
#include "drawing/text_width.h"

namespace drawing {
namespace {

constexpr double leastHeight = 1.8;  // mm, the least text height of GB/T 14691

constexpr int edgeWeight = 13;  // the paper's edge, hundredths of a mm

dxf::Point onPaper(double x, double y, double paperHeight) {
  return {x, paperHeight - y};
}

void rectangle(dxf::Document& d, std::string_view layer, const chart::Box& b, double paperHeight,
               int weight) {
  d.polyline(
      layer,
      {onPaper(b.left, b.top, paperHeight), onPaper(b.right(), b.top, paperHeight),
       onPaper(b.right(), b.bottom(), paperHeight), onPaper(b.left, b.bottom(), paperHeight)},
      true, {dxf::byLayer, weight, {}});
}

// The first characters of text (whole UTF-8 characters) up to a width of `room` at height, with
// "…" after them.
std::string cut(std::string_view text, double room, double height) {
  const std::string_view ellipsis = "…";
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t n = 1;
    while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
    const std::string next = out + std::string(text.substr(i, n));
    if (textWidth(next + std::string(ellipsis), height) > room) break;
    out = next;
    i += n;
  }
  return out + std::string(ellipsis);
}

}  // namespace

FittedText fitToBox(const chart::Box& box, std::string_view text, double height, double pad) {
  if (text.empty()) return {};
  const double room = box.width - 2 * pad;
  double h = std::min(height, box.height * 0.6);
  const double wide = textWidth(text, h);
  std::string shown(text);
  if (wide > room) {
    // Smaller, but not below the least height (nor above the height asked for), then cut.
    h = std::max(std::min(h, leastHeight), h * room / wide);
    if (textWidth(text, h) > room * (1 + 1e-9)) shown = cut(text, room, h);
  }
  return {shown, h};
}

void fitText(dxf::Document& drawing, std::string_view layer, const chart::Box& box,
             double paperHeight, std::string_view text, double height, double pad,
             dxf::Attachment attachment) {
  const FittedText fitted = fitToBox(box, text, height, pad);
  if (fitted.shown.empty()) return;
  const int column = (static_cast<int>(attachment) - 1) % 3;  // 0 left, 1 centre, 2 right
  const double x = column == 0   ? box.left + pad
                   : column == 1 ? box.left + box.width / 2
                                 : box.right() - pad;
  drawing.text(layer, {onPaper(x, box.top + box.height / 2, paperHeight), fitted.height,
                       fitted.shown, attachment});
}

TitleBlockCells titleBlockCells(const PageLayout& layout, const workspace::TitleBlock& fields,
                                const TitleDefaults& defaults, double pa, psychro::Arithmetic m) {
  const chart::Box& t = layout.titleBlock;
  TitleBlockCells out{t, {}, {}};
  // Six columns in the proportions 20 | 40 | 20 | 40 | 20 | 40 of a block 180 mm wide; five rows.
  const double unit = t.width / 180;
  std::array<double, 7> x{};
  for (std::size_t pair = 0; pair < 3; ++pair) {
    x[2 * pair] = t.left + 60 * static_cast<double>(pair) * unit;
    x[2 * pair + 1] = x[2 * pair] + 20 * unit;
  }
  x[6] = t.right();
  const double row = t.height / 5;
  const auto cell = [&](int r, int from, int to) {
    return chart::Box{x[static_cast<std::size_t>(from)], t.top + r * row,
                      x[static_cast<std::size_t>(to)] - x[static_cast<std::size_t>(from)], row};
  };
  // Labels 2.5 mm high and values 3.5 mm (GB/T 14691), larger on A2.
  const double text = 3.5 * layout.scale, small = 2.5 * layout.scale, pad = 1.5 * layout.scale;
  const auto label = [&](const chart::Box& b, std::string_view words) {
    out.texts.push_back({b, fitToBox(b, words, small, pad), true, pad});
  };
  const auto value = [&](const chart::Box& b, std::string_view words) {
    out.texts.push_back({b, fitToBox(b, words, text, pad), false, pad});
  };

  const std::vector<std::string> pressure = document::pressureRow(pa);
  const struct {
    std::string_view label, value, sideLabel, sideValue;
  } rows[] = {
      {"单位", fields.firm, "图号", fields.drawingNumber},
      {"项目名称", fields.project, "日期", fields.date.empty() ? defaults.date : fields.date},
      {"子项", fields.subproject, pressure[0], pressure[1]},
      {"图名", fields.drawingName.empty() ? defaults.drawingName : fields.drawingName,
       calc::arithmeticCaption, calc::arithmeticName(m)},
  };
  for (int r = 0; r < 4; ++r) {
    const auto& content = rows[r];
    label(cell(r, 0, 1), content.label);
    value(cell(r, 1, 4), content.value);
    label(cell(r, 4, 5), content.sideLabel);
    value(cell(r, 5, 6), content.sideValue);
  }
  const std::array<std::string_view, 3> people{fields.designer, fields.checker, fields.reviewer};
  const std::array<std::string_view, 3> roles{"设计", "校对", "审核"};
  for (int i = 0; i < 3; ++i) {
    label(cell(4, 2 * i, 2 * i + 1), roles[static_cast<std::size_t>(i)]);
    value(cell(4, 2 * i + 1, 2 * i + 2), people[static_cast<std::size_t>(i)]);
  }
  // The cells' rules: across between the rows; down between the columns, the upper rows' wide
  // value cells running over the two columns that the last row divides.
  for (int r = 1; r < 5; ++r)
    out.rules.push_back({{t.left, t.top + r * row}, {t.right(), t.top + r * row}});
  for (std::size_t c = 1; c < 6; ++c) {
    const double top = c == 2 || c == 3 ? t.top + 4 * row : t.top;
    out.rules.push_back({{x[c], top}, {x[c], t.bottom()}});
  }
  return out;
}

void drawTitleBlock(dxf::Document& drawing, const PageLayout& layout,
                    const workspace::TitleBlock& fields, const TitleDefaults& defaults, double pa,
                    psychro::Arithmetic m) {
  const double H = layout.paper.height;
  rectangle(drawing, layers::frame, {0, 0, layout.paper.width, layout.paper.height}, H, edgeWeight);
  rectangle(drawing, layers::frame, layout.frame, H, frameLineweight);
  const TitleBlockCells cells = titleBlockCells(layout, fields, defaults, pa, m);
  for (const TitleText& t : cells.texts) {
    if (t.text.shown.empty()) continue;
    const chart::Box& b = t.cell;
    const double x = t.label ? b.left + b.width / 2 : b.left + t.pad;
    drawing.text(layers::titleBlock,
                 {onPaper(x, b.top + b.height / 2, H), t.text.height, t.text.shown,
                  t.label ? dxf::Attachment::middleCentre : dxf::Attachment::middleLeft});
  }
  const dxf::Pen rule{dxf::byLayer, cellLineweight, {}};
  for (const TitleRule& r : cells.rules)
    drawing.line(layers::titleBlock, onPaper(r.from.x, r.from.y, H), onPaper(r.to.x, r.to.y, H),
                 rule);
  rectangle(drawing, layers::titleBlock, cells.outline, H, outlineLineweight);
}

TitleDefaults titleDefaults(std::string_view designPath) {
  std::string_view name = designPath;
  if (const std::size_t slash = name.find_last_of('/'); slash != std::string_view::npos)
    name.remove_prefix(slash + 1);
  if (const std::size_t dot = name.find_last_of('.'); dot != std::string_view::npos && dot > 0)
    name = name.substr(0, dot);
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  char date[16] = "";
  if (localtime_r(&now, &local)) std::strftime(date, sizeof date, "%Y-%m-%d", &local);
  return {name.empty() ? std::string("焓湿图") : std::string(name), date};
}

}  // namespace drawing
