#pragma once

#include <optional>
#include <vector>

#include "chart/clip.h"
#include "chart/label_board.h"
#include "chart/protractor.h"
#include "chart/view.h"

// Where the labels of the chart's lines, of the ε lines, of the zones and of the protractor may
// go: candidate boxes, best first, for a LabelBoard to take the first free one of. Every size comes
// in as a number in the caller's units (pixels on the screen, millimetres on a drawing), and the
// fixed offsets between a line and its label are counted in `unit`, the size of one screen pixel
// in those units (1 on the screen), so that the window and a drawing place labels alike.
namespace chart {

// The points of line under mapping.
std::vector<Pixel> toPixels(const Mapping& mapping, const Polyline& line);

// Width × height boxes centred on line every `spacing` along it, from its last point back through
// `share` (0…1) of its length.
std::vector<Box> placesFromEnd(const std::vector<Pixel>& line, double width, double height,
                               double share, double spacing);

// Between candidate places along a curve, screen pixels.
inline constexpr double curveLabelSpacing = 10;

// The label of an enthalpy line whose visible part is `part`: just beyond its end on the
// saturation curve, moving further out in three steps, unless that end lies on the view's right or
// lower edge; then on the line itself through its last 40 %.
std::vector<Box> enthalpyLabelPlaces(const Mapping& mapping, const Polyline& part, double width,
                                     double height, double unit = 1);

// The label of the ε line through `through` whose visible part is `part`: along the line from the
// point outwards, both ways, from 40 to the line's end every 12 screen pixels, lifted clear of it.
std::vector<Box> epsilonLabelPlaces(const Mapping& mapping, SheetPoint through,
                                    const Polyline& part, double width, double height,
                                    double unit = 1);

// Boxes of side `step` that together cover the parts of lines under mapping (boxesAlong on each
// segment): kept clear on a board, they keep labels off those lines.
std::vector<Box> boxesOver(const Mapping& mapping, const std::vector<Polyline>& parts, double step);

// Whether p lies inside the closed polygon (its last point joins the first), by the even-odd
// rule: a point on a left or lower edge is inside, on a right or upper edge outside; an edge level
// to twelve digits crosses nothing.
bool insidePolygon(const std::vector<Pixel>& polygon, Pixel p);

// Places for a width × height label of a region made of closed polygons, best first: centred on
// points of a grid over each polygon (about 24 × 16, at least 4 × 3 units apart) that lie inside
// it, the places whose four corners lie inside before those with fewer, then nearest the middle
// of the polygon's bounds.
std::vector<Box> regionLabelPlaces(const std::vector<std::vector<Pixel>>& parts, double width,
                                   double height, double unit = 1);

// Where the ε protractor goes in the plot's lower right corner, with room on the right for its
// title and below for its lowest value: its centre and the length of its rays (14 % of the plot's
// lesser side, 30 to 100 units); none where the plot is too small for it. line is the height of a
// line of text, labelWidth the width of the widest value's box ("-5000").
struct ProtractorPlace {
  Pixel centre;
  double radius = 0;
};
std::optional<ProtractorPlace> protractorPlace(const PlotArea& area, double line, double labelWidth,
                                               double unit = 1);

// The box of a ray's value, width × line, just beyond the ray's end.
Box protractorValueBox(const ProtractorPlace& place, const Ray& ray, double width, double line,
                       double unit = 1);
// The box of the protractor's title, width × line, above its rays on the left.
Box protractorTitleBox(const ProtractorPlace& place, double labelWidth, double line, double width);
// The part of the plot the protractor covers, kept clear of later labels.
Box protractorArea(const ProtractorPlace& place, double labelWidth, double line);

}  // namespace chart
