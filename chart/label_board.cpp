#include "chart/label_board.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

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

double distance(Pixel p, const Box& b) {
  const double dx = std::max({b.left - p.x, 0.0, p.x - b.right()});
  const double dy = std::max({b.top - p.y, 0.0, p.y - b.bottom()});
  return std::hypot(dx, dy);
}

namespace {

// The marks by cells of cellSize pixels, so that the marks near a label are found at once.
class MarkGrid {
 public:
  explicit MarkGrid(const std::vector<Pixel>& marks) : marks_(marks) {
    for (std::size_t i = 0; i < marks.size(); ++i)
      if (std::isfinite(marks[i].x) && std::isfinite(marks[i].y))
        cells_[key(cell(marks[i].x), cell(marks[i].y))].push_back(i);
  }

  // Whether a mark other than `own` lies within `reach` of b.
  bool anyOtherWithin(const Box& b, std::size_t own, double reach) const {
    if (!(reach >= 0) || !std::isfinite(b.left + b.top + b.width + b.height)) return false;
    const long long x0 = cell(b.left - reach), x1 = cell(b.right() + reach);
    const long long y0 = cell(b.top - reach), y1 = cell(b.bottom() + reach);
    if ((x1 - x0 + 1) * (y1 - y0 + 1) > 64) return false;  // a label is far smaller
    for (long long y = y0; y <= y1; ++y)
      for (long long x = x0; x <= x1; ++x) {
        const auto found = cells_.find(key(x, y));
        if (found == cells_.end()) continue;
        for (std::size_t j : found->second)
          if (j != own && distance(marks_[j], b) < reach) return true;
      }
    return false;
  }

 private:
  static long long cell(double pixels) {
    return static_cast<long long>(std::floor(std::clamp(pixels, -1e9, 1e9) / cellSize));
  }
  static long long key(long long x, long long y) { return x * 4'000'000'000LL + y; }

  const std::vector<Pixel>& marks_;
  std::unordered_map<long long, std::vector<std::size_t>> cells_;
};

}  // namespace

std::vector<PointLabel> placePointLabels(LabelBoard& board, const std::vector<Pixel>& marks,
                                         const std::vector<LabelSizes>& sizes, double markRadius,
                                         double gap, const LabelBoard* avoid) {
  for (Pixel m : marks) board.keepClear(centredBox(m, 2 * markRadius, 2 * markRadius));
  const MarkGrid grid(marks);
  // Right beside its mark: in the first ring of places clear of the mark's square (ring k lies
  // k·gap out, its corners k·gap·√2 from the mark).
  const double ring = std::max(1.0, std::min(3.0, std::ceil(markRadius / gap)));
  const double beside = ring * gap * std::sqrt(2.0) + 0.01;
  std::vector<PointLabel> labels(marks.size());
  for (std::size_t i = 0; i < marks.size() && i < sizes.size(); ++i) {
    const LabelSizes& s = sizes[i];
    const auto places = [&](double width, double height) {
      std::vector<Box> p = placesBeside(marks[i], width, height, gap);
      if (avoid)
        std::stable_partition(p.begin(), p.end(), [&](const Box& b) { return avoid->isFree(b); });
      return p;
    };
    if (auto b = board.take(places(s.fullWidth, s.fullHeight)))
      labels[i] = {LabelKind::full, *b};
    else if (auto n = board.take(places(s.nameWidth, s.nameHeight)))
      labels[i] = {LabelKind::name, *n};
    else
      continue;
    const double own = distance(marks[i], labels[i].box);
    labels[i].leader = s.arrow || own > beside || grid.anyOtherWithin(labels[i].box, i, own);
  }
  return labels;
}

}  // namespace chart

namespace chart {

std::vector<Box> boxesAlong(Pixel a, Pixel b, double step) {
  std::vector<Box> boxes;
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  if (!(step > 0) || !std::isfinite(length)) return boxes;
  const auto n = static_cast<std::size_t>(std::min(std::ceil(length / step), 1e5));
  boxes.reserve(n + 1);
  for (std::size_t k = 0; k <= n; ++k) {
    const double f = n ? static_cast<double>(k) / static_cast<double>(n) : 0;
    boxes.push_back(centredBox({a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f}, step, step));
  }
  return boxes;
}

}  // namespace chart
