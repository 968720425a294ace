#include "drawing/chart_dxf.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>
#include <vector>

#include "chart/curves.h"
#include "chart/edge_mark.h"
#include "chart/label_places.h"
#include "chart/protractor.h"
#include "chart/zone_outline.h"
#include "document/design_table.h"
#include "drawing/chart_texts.h"
#include "drawing/design_lines.h"
#include "drawing/layers.h"
#include "drawing/tables.h"
#include "drawing/text_width.h"
#include "workspace/process_list.h"

namespace drawing {
namespace {

// Sizes, mm. The chart keeps the window's proportions between its marks, gaps and labels: one
// pixel of the window's layout is `unit` on paper, so that its labels, 2.5 mm high (GB/T 14691),
// stand to the marks as the window's do.
constexpr double unit = 0.25;
constexpr double textHeight = 2.5, titleHeight = 3.5;
constexpr double line = textHeight * 5 / 3;  // the pitch of a text's lines
constexpr double titleLine = titleHeight * 1.5;
constexpr double tickLength = 4 * unit;
constexpr double labelPadding = 3 * unit;
constexpr double markRadius = 4.5 * unit;
constexpr double markClearance = 7 * unit;
constexpr double edgeInset = 9 * unit;
constexpr double edgeArrowHalfLength = 7 * unit, edgeArrowHalfWidth = 5 * unit;
constexpr double labelGap = 5 * unit;
constexpr double arrowLength = 10 * unit, arrowHalfWidth = 4 * unit;
constexpr double lineBoxStep = 4 * unit;

// Colours (AutoCAD colour index) near the window's inks.
constexpr int gridColour = 9, humidityColour = 150, saturationColour = 152, enthalpyColour = 32,
              pointColour = 1, processColour = 202, epsilonColour = 132, protractorColour = 8,
              zoneColour = 94;
// The built-in zones' colours in their order, then those the user's zones take in turn.
constexpr int builtInZoneColours[] = {30, 42, 134, 94, 212, 232};
constexpr int userZoneColours[] = {142, 34, 172, 52};

// The linetypes of the h lines and the ε lines: the window's dashes at `unit` a pixel.
constexpr char enthalpyDashes[] = "焓线虚线";
constexpr char epsilonDashes[] = "热湿比点划线";

void setUp(dxf::Document& d) {
  d.setTextStyle(textStyle, fontFile);
  d.addLinetype({enthalpyDashes, "__ __ __", {6 * unit, -4 * unit}});
  d.addLinetype({epsilonDashes, "__ . __ .", {8 * unit, -3 * unit, 2 * unit, -3 * unit}});
  const dxf::Layer all[] = {
      {layers::frame, 7, "Continuous", 13},
      {layers::titleBlock, 7, "Continuous", 25},
      {layers::grid, gridColour, "Continuous", 13},
      {layers::humidity, humidityColour, "Continuous", 18},
      {layers::saturation, saturationColour, "Continuous", 50},
      {layers::enthalpy, enthalpyColour, enthalpyDashes, 13},
      {layers::zones, zoneColour, "Continuous", 25},
      {layers::epsilon, epsilonColour, epsilonDashes, 25},
      {layers::processes, processColour, "Continuous", 35},
      {layers::points, pointColour, "Continuous", 18},
      {layers::protractor, protractorColour, "Continuous", 18},
      {layers::text, 7, "Continuous", 18},
      {layers::tables, 7, "Continuous", 18},
  };
  for (const dxf::Layer& l : all) d.addLayer(l);
}

// The room the scales and titles take round the plot.
ScaleRoom scaleMargins(const chart::SheetLines& lines) {
  const double pad = 0.6 * line;
  double numbers = textWidth("0", textHeight);
  for (const chart::ChartLine& l : lines.isotherms)
    numbers = std::max(numbers, textWidth(gridNumber(l.value), textHeight));
  double last = textWidth("0", textHeight);
  if (!lines.moisture.empty())
    last = textWidth(gridNumber(lines.moisture.back().value), textHeight);
  return {pad + titleLine + pad + numbers + 2 * tickLength, pad + titleLine + line + tickLength,
          pad + last / 2, line + pad};
}

// A filled arrow at an edge of the plot pointing the way of a point beyond it, as two triangles.
struct Dart {
  chart::Pixel tip, left, notch, right;
};
Dart edgeDart(const chart::EdgeMark& m) {
  const chart::Pixel c = m.at;
  const double ax = m.dx, ay = m.dy, cx = -m.dy, cy = m.dx;
  const double L = edgeArrowHalfLength, W = edgeArrowHalfWidth;
  return {{c.x + ax * L, c.y + ay * L},
          {c.x - ax * L + cx * W, c.y - ay * L + cy * W},
          {c.x - ax * L / 2, c.y - ay * L / 2},
          {c.x - ax * L - cx * W, c.y - ay * L - cy * W}};
}

class ChartPlot {
 public:
  ChartPlot(dxf::Document& drawing, double paperHeight, const workspace::Workspace& design,
            const chart::Box& region)
      : d_(drawing),
        H_(paperHeight),
        design_(design),
        lines_(chart::sheetLines(view_, design.pressure(), design.arithmetic())) {
    const chart::Box plot = chartPlot(region, scaleMargins(lines_), plotRatio(view_));
    shown_ = plot.width > 20;
    map_.view = view_;
    map_.area = {plot.left, plot.top, std::max(plot.width, 1.0), std::max(plot.height, 1.0)};
  }

  // The height of a chart with its scales over the width of region, at its natural proportion.
  static double naturalHeight(const workspace::Workspace& design, double width) {
    const chart::View view = chart::defaultView();
    const ScaleRoom m =
        scaleMargins(chart::sheetLines(view, design.pressure(), design.arithmetic()));
    return m.top + m.bottom + std::max(0.0, width - m.left - m.right) * plotRatio(view);
  }

  void draw() {
    if (!shown_) return;
    curves();
    zones();
    frameAndScales();
    placeLabels();
    // As in the window: the design's lines over the points' labels, the lines' labels over them.
    writePointLabels();
    drawEpsilonLines();
    drawProcesses();
    writeLineLabels();
    marks();
    protractor();
  }

 private:
  dxf::Point at(chart::Pixel p) const { return {p.x, H_ - p.y}; }
  std::vector<dxf::Point> corners(const chart::Box& b) const {
    return {at(chart::Pixel{b.left, b.top}), at(chart::Pixel{b.right(), b.top}),
            at(chart::Pixel{b.right(), b.bottom()}), at(chart::Pixel{b.left, b.bottom()})};
  }
  std::vector<dxf::Point> points(const std::vector<chart::Pixel>& px) const {
    std::vector<dxf::Point> out;
    out.reserve(px.size());
    for (const chart::Pixel& p : px) out.push_back(at(p));
    return out;
  }
  void polylines(std::string_view layer, const std::vector<chart::Polyline>& parts,
                 const dxf::Pen& pen = {}) {
    for (const chart::Polyline& part : parts)
      if (part.size() > 1) d_.polyline(layer, points(chart::toPixels(map_, part)), false, pen);
  }
  void text(std::string_view layer, chart::Pixel p, double height, const std::string& words,
            dxf::Attachment a, int colour = dxf::byLayer, bool masked = false, double angle = 0) {
    d_.text(layer, {at(p), height, words, a, angle, masked}, {colour, dxf::lineweightByLayer, {}});
  }
  double width(const std::string& words) const { return textWidth(words, textHeight); }

  // --- the chart's lines ---

  void curves() {
    for (const chart::ChartLine& l : lines_.isotherms) polylines(layers::grid, l.parts);
    for (const chart::ChartLine& l : lines_.moisture) polylines(layers::grid, l.parts);
    for (const chart::ChartLine& l : lines_.humidity)
      polylines(l.value == 100 ? layers::saturation : layers::humidity, l.parts);
    for (const chart::ChartLine& l : lines_.enthalpy) polylines(layers::enthalpy, l.parts);
  }

  // The zones in force as outlines, each in its colour.
  void zones() {
    const workspace::ZoneSet& set = design_.zones();
    std::vector<std::pair<const workspace::Zone*, int>> shown;
    for (std::size_t i = 0; i < workspace::builtInZoneCount; ++i)
      if (set.builtInOn[i])
        shown.emplace_back(&workspace::builtInZones()[i], builtInZoneColours[i]);
    for (std::size_t i = 0; i < set.user.size(); ++i)
      shown.emplace_back(&set.user[i], userZoneColours[i % std::size(userZoneColours)]);
    for (const auto& [zone, colour] : shown) {
      Zone z{zone->name, colour, {}};
      for (const chart::Polyline& part :
           chart::zoneOutline(zone->bounds, design_.pressure(), design_.arithmetic()))
        z.parts.push_back(chart::toPixels(map_, part));
      for (const std::vector<chart::Pixel>& part : z.parts)
        if (part.size() > 2)
          d_.polyline(layers::zones, points(part), true, {colour, dxf::lineweightByLayer, {}});
      zones_.push_back(std::move(z));
    }
  }

  void frameAndScales() {
    const chart::PlotArea& a = map_.area;
    d_.polyline(layers::grid, corners({a.left, a.top, a.width, a.height}), true, {7, 25, {}});
    const chart::View& v = view_;
    // Isotherms where they meet the left edge, thinned where the labels would crowd.
    double lastY = -1e9;
    for (const chart::ChartLine& l : lines_.isotherms) {
      if (l.parts.empty() ||
          std::abs(l.parts.front().front().d - v.dMin) > 1e-9 * (v.dMax - v.dMin))
        continue;
      const double y = map_.toPixel(l.parts.front().front()).y;
      if (std::abs(y - lastY) < line * 1.1) continue;
      lastY = y;
      d_.line(layers::grid, at(chart::Pixel{a.left - tickLength, y}), at(chart::Pixel{a.left, y}),
              {7, 13, {}});
      text(layers::text, {a.left - 2 * tickLength, y}, textHeight, gridNumber(l.value),
           dxf::Attachment::middleRight);
    }
    // The d of the grid along the top edge.
    double lastX = -1e9;
    for (const chart::ChartLine& l : lines_.moisture) {
      const double x = map_.toPixel({l.value, v.yMax}).x;
      const std::string words = gridNumber(l.value);
      if (x - lastX < width(words) + line * 0.6) continue;
      lastX = x;
      d_.line(layers::grid, at(chart::Pixel{x, a.top - tickLength}), at(chart::Pixel{x, a.top}),
              {7, 13, {}});
      text(layers::text, {x, a.top - 2 * tickLength}, textHeight, words,
           dxf::Attachment::bottomCentre);
    }
    // Titles: d above its scale, t up the left edge; the notes under the plot.
    text(layers::text, {a.left + a.width / 2, a.top - 2 * tickLength - line - titleLine / 2},
         titleHeight, words::moistureAxis, dxf::Attachment::middleCentre);
    const double numbers = scaleMargins(lines_).left - 0.6 * line - titleLine;
    text(layers::text, {a.left - numbers - titleLine / 2, a.top + a.height / 2}, titleHeight,
         words::temperatureAxis, dxf::Attachment::middleCentre, dxf::byLayer, false, 90);
    text(layers::text, {a.left, a.bottom() + 2 * unit + line / 2}, textHeight,
         pressureNote(design_.pressure(), design_.arithmetic()), dxf::Attachment::middleLeft);
  }

  // --- the labels, placed in the window's order ---

  chart::Box boardArea() const {
    const chart::PlotArea& a = map_.area;
    return {a.left + unit, a.top + unit, a.width - 2 * unit, a.height - 2 * unit};
  }

  std::vector<chart::Box> lineBoxes(bool epsilon) const {
    std::vector<chart::Polyline> parts;
    if (epsilon) {
      for (const EpsilonThrough& l : epsilonLines(design_))
        for (chart::Polyline& p : chart::epsilonLine(l.through, l.ε, view_))
          parts.push_back(std::move(p));
    } else {
      for (const ProcessArrow& a : processArrows(design_))
        for (chart::Polyline& p : chart::clipToView({a.from, a.to}, view_))
          parts.push_back(std::move(p));
    }
    return chart::boxesOver(map_, parts, lineBoxStep);
  }

  void placeLabels() {
    chart::LabelBoard board(boardArea());
    for (const workspace::StatePoint& p : design_.points().points()) {
      if (!p.exists()) continue;
      marked_.push_back(&p);
      marks_.push_back(chart::edgeMark(map_, chart::sheetPoint(p.result.air), edgeInset));
    }
    const std::vector<chart::Box> processes = lineBoxes(false), epsilons = lineBoxes(true);
    chart::LabelBoard avoid(boardArea());
    for (const auto* boxes : {&processes, &epsilons})
      for (const chart::Box& b : *boxes) avoid.keepClear(b);
    pointLabels(board, avoid);
    protractorLabels(board);
    for (const chart::Box& b : processes) board.keepClear(b);
    for (const EpsilonThrough& l : epsilonLines(design_)) {
      const auto parts = chart::epsilonLine(l.through, l.ε, view_);
      if (parts.empty()) continue;
      const std::string words = epsilonLabel(l.ε);
      if (auto b = board.take(chart::epsilonLabelPlaces(map_, l.through, parts.front(),
                                                        width(words) + 6 * unit, line, unit)))
        labels_.push_back({*b, words, epsilonColour});
    }
    for (const chart::Box& b : epsilons) board.keepClear(b);
    for (const Zone& z : zones_) {
      const double w = width(z.name) + 2 * labelPadding;
      if (auto b = board.take(chart::regionLabelPlaces(z.parts, w, line, unit)))
        labels_.push_back({*b, z.name, z.colour});
    }
    for (auto c = lines_.humidity.rbegin(); c != lines_.humidity.rend(); ++c) {
      if (c->parts.empty()) continue;
      const std::string words = humidityLabel(c->value);
      if (auto b = board.take(chart::placesFromEnd(chart::toPixels(map_, c->parts.back()),
                                                   width(words) + 2 * labelPadding, line, 0.45,
                                                   chart::curveLabelSpacing * unit)))
        labels_.push_back({*b, words, c->value == 100 ? saturationColour : humidityColour});
    }
    for (const chart::ChartLine& l : lines_.enthalpy) {
      if (l.parts.empty()) continue;
      const std::string words = enthalpyLabel(l.value);
      if (auto b = board.take(chart::enthalpyLabelPlaces(
              map_, l.parts.back(), width(words) + 2 * labelPadding, line, unit)))
        labels_.push_back({*b, words, enthalpyColour});
    }
  }

  void pointLabels(chart::LabelBoard& board, const chart::LabelBoard& avoid) {
    std::vector<chart::Pixel> at;
    std::vector<chart::LabelSizes> sizes;
    for (std::size_t i = 0; i < marks_.size(); ++i) {
      at.push_back(marks_[i].at);
      texts_.push_back(pointLabel(*marked_[i], false));
      const double wide = std::max(width(texts_.back()[0]), width(texts_.back()[1]));
      sizes.push_back({wide + 2 * labelPadding, 2 * line + labelPadding,
                       width(marked_[i]->name) + 2 * labelPadding, line + labelPadding,
                       !marks_[i].inside});
    }
    pointLabels_ = chart::placePointLabels(board, at, sizes, markClearance, labelGap, &avoid);
  }

  void protractorLabels(chart::LabelBoard& board) {
    const double labelWidth = width("-5000") + 4 * unit;
    place_ = chart::protractorPlace(map_.area, line, labelWidth, unit);
    if (!place_) return;
    for (const chart::Ray& r : chart::protractorRays(map_, place_->centre, place_->radius)) {
      const std::string shown =
          !std::isinf(r.ε) ? workspace::epsilonText(r.ε) : (r.ε < 0 ? "-∞" : "+∞");
      rays_.push_back(r.end);
      const double w = width(shown) + 4 * unit;
      if (auto b = board.take({chart::protractorValueBox(*place_, r, w, line, unit)}))
        protractorLabels_.push_back({*b, shown, protractorColour});
    }
    const std::string title = words::protractorTitle;
    if (auto b = board.take(
            {chart::protractorTitleBox(*place_, labelWidth, line, width(title) + 4 * unit)}))
      protractorLabels_.push_back({*b, title, protractorColour});
    board.keepClear(chart::protractorArea(*place_, labelWidth, line));
  }

  // The lines' labels on a patch of the background, each centred in its box.
  void writeLineLabels() {
    for (const Label& l : labels_)
      text(layers::text, {l.box.left + l.box.width / 2, l.box.top + l.box.height / 2}, textHeight,
           l.words, dxf::Attachment::middleCentre, l.colour, true);
  }

  // The points' labels on a patch of the background in a frame, beside their marks or with a
  // leader line to them.
  void writePointLabels() {
    for (std::size_t i = 0; i < pointLabels_.size(); ++i) {
      const chart::PointLabel& l = pointLabels_[i];
      if (l.kind == chart::LabelKind::none) continue;
      const chart::Box& b = l.box;
      const std::string words =
          l.kind == chart::LabelKind::full ? texts_[i][0] + "\n" + texts_[i][1] : marked_[i]->name;
      text(layers::points, {b.left + labelPadding, b.top + b.height / 2}, textHeight, words,
           dxf::Attachment::middleLeft, 7, true);
      d_.polyline(layers::points, corners(b), true);
      if (!l.leader) continue;
      const chart::Pixel from = marks_[i].at;
      const chart::Pixel to{std::clamp(from.x, b.left, b.right()),
                            std::clamp(from.y, b.top, b.bottom())};
      const double length = std::hypot(to.x - from.x, to.y - from.y);
      if (length > markRadius)
        d_.line(layers::points,
                at(chart::Pixel{from.x + (to.x - from.x) * markRadius / length,
                                from.y + (to.y - from.y) * markRadius / length}),
                at(to), {dxf::byLayer, 13, {}});
    }
  }

  // --- the design's lines and points, over the labels ---

  void drawEpsilonLines() {
    for (const EpsilonThrough& l : drawing::epsilonLines(design_))
      polylines(layers::epsilon, chart::epsilonLine(l.through, l.ε, view_));
  }

  // Each process a line from its inlet's mark to an arrowhead touching its outlet's.
  void drawProcesses() {
    for (const ProcessArrow& arrow : processArrows(design_)) {
      const chart::Pixel a = map_.toPixel(arrow.from), b = map_.toPixel(arrow.to);
      const double length = std::hypot(b.x - a.x, b.y - a.y);
      if (!(length > 2 * markRadius)) continue;  // the marks touch: no room for a line
      const double ux = (b.x - a.x) / length, uy = (b.y - a.y) / length;
      const chart::Pixel tip{b.x - ux * (markRadius + unit), b.y - uy * (markRadius + unit)};
      const chart::Pixel base{tip.x - ux * arrowLength, tip.y - uy * arrowLength};
      d_.line(layers::processes, at(chart::Pixel{a.x + ux * markRadius, a.y + uy * markRadius}),
              at(base));
      d_.triangle(layers::processes, at(tip),
                  at(chart::Pixel{base.x - uy * arrowHalfWidth, base.y + ux * arrowHalfWidth}),
                  at(chart::Pixel{base.x + uy * arrowHalfWidth, base.y - ux * arrowHalfWidth}));
    }
  }

  void marks() {
    for (const chart::EdgeMark& m : marks_) {
      if (m.inside) {
        d_.disc(layers::points, at(m.at), 2 * markRadius);
      } else {
        const Dart a = edgeDart(m);
        d_.triangle(layers::points, at(a.tip), at(a.left), at(a.notch));
        d_.triangle(layers::points, at(a.tip), at(a.notch), at(a.right));
      }
    }
  }

  void protractor() {
    if (!place_) return;
    for (const chart::Pixel& end : rays_) d_.line(layers::protractor, at(place_->centre), at(end));
    d_.disc(layers::protractor, at(place_->centre), 4 * unit);
    for (const Label& l : protractorLabels_)
      text(layers::protractor, {l.box.left + l.box.width / 2, l.box.top + l.box.height / 2},
           textHeight, l.words, dxf::Attachment::middleCentre);
  }

  struct Zone {
    std::string name;
    int colour;
    std::vector<std::vector<chart::Pixel>> parts;
  };
  struct Label {
    chart::Box box;
    std::string words;
    int colour;
  };

  dxf::Document& d_;
  double H_;
  const workspace::Workspace& design_;
  const chart::View view_ = chart::defaultView();
  chart::SheetLines lines_;
  chart::Mapping map_;
  bool shown_ = false;
  std::vector<Zone> zones_;
  std::vector<const workspace::StatePoint*> marked_;  // the points with a state, in order
  std::vector<chart::EdgeMark> marks_;                // and where each is marked
  std::vector<std::array<std::string, 2>> texts_;     // and its label's lines
  std::vector<chart::PointLabel> pointLabels_;
  std::vector<Label> labels_;  // of the lines and zones
  std::optional<chart::ProtractorPlace> place_;
  std::vector<chart::Pixel> rays_;
  std::vector<Label> protractorLabels_;
};

}  // namespace

dxf::Document chartDrawing(const workspace::Workspace& design, const workspace::PageSetup& page,
                           const workspace::TitleBlock& title, const TitleDefaults& defaults) {
  dxf::Document d;
  setUp(d);
  const std::vector<std::vector<std::string>> rows = document::designTable(design);
  // With the tables, the chart as tall as its width asks, leaving the tables the room they need
  // (but at least half the height).
  PageLayout layout = pageLayout(page, std::numeric_limits<double>::infinity());
  if (page.content == workspace::PageContent::chartAndTables) {
    const double room = layout.chart.height;
    const double wanted = ChartPlot::naturalHeight(design, layout.chart.width);
    const double tables = tablesHeight(rows) + pageGap;
    layout = pageLayout(page, std::max(room / 2, std::min(wanted, room - tables)));
  }
  d.setExtents({0, 0}, {layout.paper.width, layout.paper.height});
  if (layout.chart.width > 0 && layout.chart.height > 0)
    ChartPlot(d, layout.paper.height, design, layout.chart).draw();
  if (layout.tables.width > 0 && layout.tables.height > 0)
    drawTables(d, layout.paper.height, layout.tables, rows);
  drawTitleBlock(d, layout, title, defaults, design.pressure(), design.arithmetic());
  return d;
}

std::string chartDxf(const workspace::Workspace& design, const workspace::PageSetup& page,
                     const workspace::TitleBlock& title, const TitleDefaults& defaults) {
  return chartDrawing(design, page, title, defaults).write();
}

}  // namespace drawing
