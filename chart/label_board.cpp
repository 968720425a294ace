#include "chart/label_board.h"

#include <algorithm>
#include <cmath>

namespace chart {
namespace {

constexpr double cellSize = 48;  // pixels
constexpr int cellLimit = 256;   // per axis, whatever the area's size

}  // namespace

Box centredBox(Pixel c, double width, double height) {
  return {c.x - width / 2, c.y - height / 2, width, height};
}

LabelBoard::LabelBoard(Box area) : area_(area) {
  const auto count = [](double length) {
    return std::clamp(static_cast<int>(std::ceil(length / cellSize)), 1, cellLimit);
  };
  columns_ = area.width > 0 ? count(area.width) : 1;
  rows_ = area.height > 0 ? count(area.height) : 1;
  cells_.resize(static_cast<std::size_t>(columns_ * rows_));
}

LabelBoard::Cells LabelBoard::cellsOf(const Box& b) const {
  const auto index = [](double offset, double length, int n) {
    const double i = length > 0 ? std::floor(offset / length * n) : 0;
    if (!(i >= 0)) return 0;  // also NaN
    return i > n - 1 ? n - 1 : static_cast<int>(i);
  };
  Cells c{index(b.left - area_.left, area_.width, columns_),
          index(b.top - area_.top, area_.height, rows_),
          index(b.right() - area_.left, area_.width, columns_),
          index(b.bottom() - area_.top, area_.height, rows_)};
  return c;
}

bool LabelBoard::isFree(const Box& b) const {
  if (!area_.contains(b)) return false;  // also false for NaN
  const Cells c = cellsOf(b);
  for (int y = c.y0; y <= c.y1; ++y)
    for (int x = c.x0; x <= c.x1; ++x)
      for (int i : cells_[static_cast<std::size_t>(y * columns_ + x)])
        if (taken_[static_cast<std::size_t>(i)].intersects(b)) return false;
  return true;
}

void LabelBoard::keepClear(const Box& b) {
  if (!(b.right() >= area_.left && b.left <= area_.right() && b.bottom() >= area_.top &&
        b.top <= area_.bottom()))
    return;  // wholly outside (or NaN): no label inside can meet it
  const int index = static_cast<int>(taken_.size());
  taken_.push_back(b);
  const Cells c = cellsOf(b);
  for (int y = c.y0; y <= c.y1; ++y)
    for (int x = c.x0; x <= c.x1; ++x)
      cells_[static_cast<std::size_t>(y * columns_ + x)].push_back(index);
}

std::optional<Box> LabelBoard::take(const std::vector<Box>& candidates) {
  for (const Box& b : candidates)
    if (isFree(b)) {
      keepClear(b);
      return b;
    }
  return std::nullopt;
}

std::vector<Box> placesBeside(Pixel m, double width, double height, double gap) {
  std::vector<Box> places;
  places.reserve(24);
  for (int ring = 1; ring <= 3; ++ring) {
    const double g = gap * ring;
    const double left = m.x - g - width, right = m.x + g;
    const double above = m.y - g - height, below = m.y + g;
    const double midX = m.x - width / 2, midY = m.y - height / 2;
    for (Pixel corner :
         {Pixel{right, above}, Pixel{left, above}, Pixel{right, below}, Pixel{left, below},
          Pixel{right, midY}, Pixel{left, midY}, Pixel{midX, above}, Pixel{midX, below}})
      places.push_back({corner.x, corner.y, width, height});
  }
  return places;
}

std::vector<PointLabel> placePointLabels(LabelBoard& board, const std::vector<Pixel>& marks,
                                         const std::vector<LabelSizes>& sizes, double markRadius,
                                         double gap) {
  for (Pixel m : marks) board.keepClear(centredBox(m, 2 * markRadius, 2 * markRadius));
  std::vector<PointLabel> labels(marks.size());
  for (std::size_t i = 0; i < marks.size() && i < sizes.size(); ++i) {
    const LabelSizes& s = sizes[i];
    if (auto b = board.take(placesBeside(marks[i], s.fullWidth, s.fullHeight, gap)))
      labels[i] = {LabelKind::full, *b};
    else if (auto n = board.take(placesBeside(marks[i], s.nameWidth, s.nameHeight, gap)))
      labels[i] = {LabelKind::name, *n};
  }
  return labels;
}

}  // namespace chart
