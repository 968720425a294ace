#pragma once

#include <vector>

#include "chart/sheet.h"
#include "workspace/workspace.h"

// What a design draws on the 焓湿图 between its points, in the sheet's coordinates: the same for
// the window and the drawing.
namespace drawing {

// A process's line, from an inlet to the outlet, in the direction the air goes.
struct ProcessArrow {
  chart::SheetPoint from, to;
};

// The lines of the processes in their order, each between points that have a state: one from
// the inlet to the outlet (for a supply point, from the supply air to the room), and for a mixing
// a second one from its second inlet.
std::vector<ProcessArrow> processArrows(const workspace::Workspace& design);

// An ε line through a point that has a state.
struct EpsilonThrough {
  chart::SheetPoint through;
  double ε = 0;
};
std::vector<EpsilonThrough> epsilonLines(const workspace::Workspace& design);

}  // namespace drawing
