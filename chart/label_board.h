#pragma once

#include <optional>
#include <vector>

#include "chart/view.h"

// Where the labels of the chart go: each takes the first free place among its candidates, so that
// no label covers another or a point's mark; a label that finds none is left out.
namespace chart {

// A rectangle in pixels.
struct Box {
  double left = 0, top = 0, width = 0, height = 0;

  double right() const { return left + width; }
  double bottom() const { return top + height; }
  bool intersects(const Box& o) const {
    return left < o.right() && o.left < right() && top < o.bottom() && o.top < bottom();
  }
  bool contains(const Box& o) const {
    return o.left >= left && o.right() <= right() && o.top >= top && o.bottom() <= bottom();
  }
};

// A width × height box centred on c.
Box centredBox(Pixel c, double width, double height);

// The boxes placed so far inside an area, looked up through a coarse grid of cells so that a
// chart with many points still places its labels quickly.
class LabelBoard {
 public:
  explicit LabelBoard(Box area);

  // Inside the area and clear of every box taken.
  bool isFree(const Box& b) const;
  // Keeps b clear of later labels (a mark), whether or not it is free.
  void keepClear(const Box& b);
  // The first free candidate, now taken; none when every one is taken or leaves the area.
  std::optional<Box> take(const std::vector<Box>& candidates);

 private:
  struct Cells {
    int x0, y0, x1, y1;
  };
  Cells cellsOf(const Box& b) const;

  Box area_;
  int columns_ = 1, rows_ = 1;
  std::vector<Box> taken_;
  std::vector<std::vector<int>> cells_;  // indices into taken_, by cell
};

// Places for a width × height label beside a mark at m, nearest first: above right, above left,
// below right, below left, right, left, above, below, at gap from the mark, then at twice and
// three times the gap.
std::vector<Box> placesBeside(Pixel m, double width, double height, double gap);

// The label of a point: its full text where that fits, else its name alone, else nothing. A
// label that is not right beside its mark (moved further out than the first ring of places clear
// of the mark, to keep labels apart), or that lies nearer another point's mark than its own, is
// drawn with a leader line to its mark.
enum class LabelKind { full, name, none };
struct PointLabel {
  LabelKind kind = LabelKind::none;
  Box box;
  bool leader = false;
};

// The distance from p to the nearest point of b, pixels; 0 inside it.
double distance(Pixel p, const Box& b);
struct LabelSizes {
  double fullWidth = 0, fullHeight = 0, nameWidth = 0, nameHeight = 0;
  // The mark is an arrow on the plot's edge standing for a point beyond it: its label always has
  // a leader line, since the arrows of points beyond the same stretch of edge fall together.
  bool arrow = false;
};

// Labels for points marked at marks, in order (earlier points first served): every mark is kept
// clear as a square of 2·markRadius first, then each label is placed beside its mark, at the
// first of its places that is free on board and, if given, on avoid (lines a label had better not
// cover); failing that, at the first free on board.
std::vector<PointLabel> placePointLabels(LabelBoard& board, const std::vector<Pixel>& marks,
                                         const std::vector<LabelSizes>& sizes, double markRadius,
                                         double gap, const LabelBoard* avoid = nullptr);

// Boxes of side `step` along the line from a to b, one every step pixels, which together cover
// it: kept clear on a board, they keep labels off the line.
std::vector<Box> boxesAlong(Pixel a, Pixel b, double step);

}  // namespace chart
