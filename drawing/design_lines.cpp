#include "drawing/design_lines.h"

namespace drawing {
namespace {

const workspace::StatePoint* withState(const workspace::Workspace& design, unsigned id) {
  const workspace::StatePoint* p = design.points().find(id);
  return p && p->exists() ? p : nullptr;
}

}  // namespace

std::vector<ProcessArrow> processArrows(const workspace::Workspace& design) {
  std::vector<ProcessArrow> arrows;
  for (const workspace::Process& process : design.processes().processes()) {
    const workspace::Ends e = workspace::ends(process);
    const workspace::StatePoint* to = withState(design, e.to);
    if (!to) continue;
    std::vector<unsigned> starts{e.from};
    if (process.request.kind == workspace::ProcessKind::mix)
      starts.push_back(process.request.other);
    for (unsigned id : starts)
      if (const workspace::StatePoint* from = withState(design, id))
        arrows.push_back({chart::sheetPoint(from->result.air), chart::sheetPoint(to->result.air)});
  }
  return arrows;
}

std::vector<EpsilonThrough> epsilonLines(const workspace::Workspace& design) {
  std::vector<EpsilonThrough> lines;
  for (const workspace::EpsilonLine& l : design.processes().lines())
    if (const workspace::StatePoint* p = withState(design, l.point))
      lines.push_back({chart::sheetPoint(p->result.air), l.ε});
  return lines;
}

}  // namespace drawing
