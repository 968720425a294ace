#include "workspace/workspace.h"

namespace workspace {

std::vector<unsigned> Workspace::remove(std::size_t i) {
  if (i >= points_.size()) return {};
  const unsigned id = points_.points()[i].id;
  points_.remove(i);
  return processes_.forget(points_, id);
}

void Workspace::setPressure(double pa) {
  points_.setPressure(pa);
  processes_.rerun(points_);
}

void Workspace::setArithmetic(psychro::Arithmetic m) {
  points_.setArithmetic(m);
  processes_.rerun(points_);
}

void Workspace::restore(const Workspace& design) {
  const double pa = pressure();
  const psychro::Arithmetic m = arithmetic();
  points_ = design.points_;
  processes_ = design.processes_;
  zones_ = design.zones_;
  weather_ = design.weather_;
  if (arithmetic() != m) {
    points_.setArithmetic(m);
    if (pressure() == pa) processes_.rerun(points_);
  }
  if (pressure() != pa) setPressure(pa);
}

}  // namespace workspace
