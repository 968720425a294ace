#include "chart/label_places.h"

#include <algorithm>
#include <cmath>

namespace chart {
namespace {

// a and b equal but for the rounding of a clip within a view extent `span`.
bool near(double a, double b, double span) {
  return std::abs(a - b) <= 1e-9 * span;
}

// The point a share t of the way from a to b.
Pixel pointAt(Pixel a, Pixel b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

double length(Pixel a, Pixel b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

// y1 and y2 equal to twelve digits: an edge between them counts as level.
bool level(double y1, double y2) {
  return std::abs(y1 - y2) * 1e12 <= std::min(std::abs(y1), std::abs(y2));
}

}  // namespace

std::vector<Pixel> toPixels(const Mapping& mapping, const Polyline& line) {
  std::vector<Pixel> out;
  out.reserve(line.size());
  for (const SheetPoint& s : line) out.push_back(mapping.toPixel(s));
  return out;
}

std::vector<Box> placesFromEnd(const std::vector<Pixel>& line, double width, double height,
                               double share, double spacing) {
  std::vector<Box> boxes;
  if (line.empty() || !(spacing > 0)) return boxes;
  double total = 0;
  for (std::size_t i = 1; i < line.size(); ++i) total += length(line[i - 1], line[i]);
  double walked = 0, next = 0;
  for (std::size_t i = line.size() - 1; i > 0 && walked <= share * total; --i) {
    const Pixel from = line[i], to = line[i - 1];
    const double l = length(from, to);
    for (; next <= walked + l && next <= share * total; next += spacing) {
      const Pixel c = l > 0 ? pointAt(from, to, (next - walked) / l) : from;
      boxes.push_back(centredBox(c, width, height));
    }
    walked += l;
  }
  return boxes;
}

std::vector<Box> enthalpyLabelPlaces(const Mapping& mapping, const Polyline& part, double width,
                                     double height, double unit) {
  std::vector<Box> candidates;
  if (part.empty()) return candidates;
  const View& v = mapping.view;
  const SheetPoint end = part.back();
  const bool onEdge = near(end.d, v.dMax, v.dMax - v.dMin) || near(end.y, v.yMin, v.yMax - v.yMin);
  if (!onEdge) {
    const Pixel e = mapping.toPixel(end);
    for (int step = 0; step < 4; ++step)
      candidates.push_back(
          {e.x + 2 * unit + 4 * step * unit, e.y + 1 * unit + 6 * step * unit, width, height});
  }
  const std::vector<Box> along =
      placesFromEnd(toPixels(mapping, part), width, height, 0.4, curveLabelSpacing * unit);
  candidates.insert(candidates.end(), along.begin(), along.end());
  return candidates;
}

std::vector<Box> epsilonLabelPlaces(const Mapping& mapping, SheetPoint through,
                                    const Polyline& part, double width, double height,
                                    double unit) {
  std::vector<Box> candidates;
  if (part.empty()) return candidates;
  const Pixel at = mapping.toPixel(through);
  for (const SheetPoint& s : {part.front(), part.back()}) {
    const Pixel end = mapping.toPixel(s);
    const double reach = length(at, end);
    for (double along = 40 * unit; along < reach; along += 12 * unit) {
      const Pixel c = pointAt(at, end, along / reach);
      candidates.push_back(centredBox({c.x, c.y - height / 2 - 2 * unit}, width, height));
    }
  }
  return candidates;
}

std::vector<Box> boxesOver(const Mapping& mapping, const std::vector<Polyline>& parts,
                           double step) {
  std::vector<Box> boxes;
  for (const Polyline& part : parts)
    for (std::size_t i = 1; i < part.size(); ++i) {
      const std::vector<Box> b =
          boxesAlong(mapping.toPixel(part[i - 1]), mapping.toPixel(part[i]), step);
      boxes.insert(boxes.end(), b.begin(), b.end());
    }
  return boxes;
}

bool insidePolygon(const std::vector<Pixel>& polygon, Pixel p) {
  bool inside = false;
  const std::size_t n = polygon.size();
  for (std::size_t i = 0; i < n; ++i) {
    Pixel a = polygon[i], b = polygon[(i + 1) % n];
    if (level(a.y, b.y)) continue;
    if (b.y < a.y) std::swap(a, b);
    // A crossing of the ray from p to the left, the edge taken to include its lower end only.
    if (p.y >= a.y && p.y < b.y && a.x + ((b.x - a.x) / (b.y - a.y)) * (p.y - a.y) <= p.x)
      inside = !inside;
  }
  return inside;
}

std::vector<Box> regionLabelPlaces(const std::vector<std::vector<Pixel>>& parts, double width,
                                   double height, double unit) {
  struct Place {
    Box box;
    int inside;     // corners of the box inside the region
    double offset;  // from the middle of the polygon's bounds
  };
  std::vector<Place> places;
  for (const std::vector<Pixel>& part : parts) {
    if (part.empty()) continue;
    double left = part[0].x, right = left, top = part[0].y, bottom = top;
    for (const Pixel& p : part) {
      left = std::min(left, p.x);
      right = std::max(right, p.x);
      top = std::min(top, p.y);
      bottom = std::max(bottom, p.y);
    }
    // The bounds as a left, top, width and height, and the grid run to left + width (which may
    // round apart from right).
    const double w = right - left, h = bottom - top;
    const Pixel middle{left + w / 2, top + h / 2};
    const double dx = std::max(4 * unit, w / 24), dy = std::max(3 * unit, h / 16);
    for (double y = top; y <= top + h; y += dy)
      for (double x = left; x <= left + w; x += dx) {
        if (!insidePolygon(part, {x, y})) continue;
        const Box b = centredBox({x, y}, width, height);
        int inside = 0;
        for (const Pixel c : {Pixel{b.left, b.top}, Pixel{b.right(), b.top},
                              Pixel{b.left, b.bottom()}, Pixel{b.right(), b.bottom()}})
          inside += insidePolygon(part, c) ? 1 : 0;
        places.push_back({b, inside, std::hypot(x - middle.x, y - middle.y)});
      }
  }
  std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
    return a.inside != b.inside ? a.inside > b.inside : a.offset < b.offset;
  });
  std::vector<Box> boxes;
  boxes.reserve(places.size());
  for (const Place& p : places) boxes.push_back(p.box);
  return boxes;
}

std::optional<ProtractorPlace> protractorPlace(const PlotArea& area, double line, double labelWidth,
                                               double unit) {
  const double radius = std::clamp(std::min(area.width, area.height) * 0.14, 30 * unit, 100 * unit);
  const Pixel centre{area.right() - 0.6 * labelWidth - 6 * unit,
                     area.bottom() - radius - 1.5 * line - 4 * unit};
  if (centre.x - radius - labelWidth < area.left || centre.y - radius - 2 * line < area.top)
    return std::nullopt;
  return ProtractorPlace{centre, radius};
}

Box protractorValueBox(const ProtractorPlace& place, const Ray& ray, double width, double line,
                       double unit) {
  const double dx = ray.end.x - place.centre.x, dy = ray.end.y - place.centre.y;
  const double n = std::hypot(dx, dy);
  return centredBox(
      {ray.end.x + dx / n * (width / 2 + 2 * unit), ray.end.y + dy / n * (line / 2 + 1 * unit)},
      width, line);
}

Box protractorTitleBox(const ProtractorPlace& place, double labelWidth, double line, double width) {
  return {place.centre.x - place.radius - labelWidth, place.centre.y - place.radius - 2 * line,
          width, line};
}

Box protractorArea(const ProtractorPlace& place, double labelWidth, double line) {
  return {place.centre.x - place.radius - labelWidth, place.centre.y - place.radius - line,
          place.radius + labelWidth, 2 * place.radius + 2 * line};
}

}  // namespace chart
