#include "document/history.h"

#include <utility>

namespace document {

void History::reset(Snapshot design, bool clean) {
  steps_.clear();
  at_ = 0;
  clean_ = clean ? 0 : -1;
  design_ = std::move(design);
  first_ = held_ = workspace::approximateBytes(*design_);
}

void History::record(Step step, Snapshot after) {
  // Redoing is no longer possible; a saved state among the steps dropped is lost.
  for (std::size_t i = at_; i < steps_.size(); ++i) held_ -= steps_[i].bytes;
  steps_.resize(at_);
  if (clean_ > static_cast<long long>(at_)) clean_ = -1;
  const std::size_t bytes = workspace::approximateBytes(*after);
  steps_.push_back({std::move(step), design_, after, bytes});
  held_ += bytes;
  design_ = std::move(after);
  ++at_;
  // The newest step stays, however large: its undo is the one the user most expects.
  while (held_ > memory_ && steps_.size() > 1 && at_ > 1) dropOldest();
}

void History::dropOldest() {
  held_ -= first_;
  first_ = steps_.front().bytes;
  steps_.pop_front();
  --at_;
  clean_ = clean_ > 0 ? clean_ - 1 : -1;
}

const Step* History::undoStep() const {
  return at_ > 0 ? &steps_[at_ - 1].step : nullptr;
}

const Step* History::redoStep() const {
  return at_ < steps_.size() ? &steps_[at_].step : nullptr;
}

const Step* History::undo() {
  if (at_ == 0) return nullptr;
  --at_;
  design_ = steps_[at_].before;
  return &steps_[at_].step;
}

const Step* History::redo() {
  if (at_ == steps_.size()) return nullptr;
  design_ = steps_[at_].after;
  return &steps_[at_++].step;
}

}  // namespace document
