#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "workspace/workspace.h"

// The steps of a design, for undo and redo: each keeps the design before and after it, whole (a
// Workspace is a value), the one after shared with the next step as its one before. Memory is
// bounded: past the limit the oldest steps go.
namespace document {

// What a step did, for the faces to name it ("添加状态点 A"); its subjects are the names it
// concerns, in the order the face's words take them.
enum class StepKind {
  addPoint,       // the point's name
  editPoint,      // the point's name
  renamePoint,    // the old name, the new name
  movePoint,      // the point's name
  deletePoint,    // the point's name
  addProcess,     // the process's name ("C→L")
  editProcess,    // likewise
  deleteProcess,  // likewise
  addLine,        // the point's name, ε as the 过程 table shows it
  deleteLine,     // likewise
  zoneOn,         // the zone's name
  zoneOff,        // likewise
  addZone,        // likewise
  deleteZone,     // likewise
  importWeather,  // the file's name
  removeWeather,  // likewise
  months,         // the months chosen ("1", "7"), none for all
  pressure,       // the pressure, Pa, as calc::pressureText writes it
  arithmetic,     // the arithmetic's key (calc::arithmeticKey)
  pageSetup,      // none
  titleBlock,     // none
  addSystem,      // the system's name
  editSystem,     // likewise
};

struct Step {
  StepKind kind = StepKind::addPoint;
  std::vector<std::string> subjects;
};

using Snapshot = std::shared_ptr<const workspace::Workspace>;

// The memory the history may hold, bytes, before its oldest steps go.
inline constexpr std::size_t historyMemory = std::size_t{256} << 20;

class History {
 public:
  explicit History(std::size_t memory = historyMemory) : memory_(memory) {}

  // Forgets every step; the design given is where it stands, clean (as saved) or not.
  void reset(Snapshot design, bool clean);
  // The design as the last step left it.
  const Snapshot& current() const { return design_; }

  // Records a step that changed the current design into after; steps undone are dropped.
  void record(Step step, Snapshot after);

  // The step undo would take back and redo would do again; none at either end.
  const Step* undoStep() const;
  const Step* redoStep() const;
  // Takes the last step back (redo does the next again); the step, and the design it leaves,
  // which current() is afterwards. None at the end.
  const Step* undo();
  const Step* redo();

  // Marks the current design as saved; whether it is the one saved.
  void setClean() { clean_ = static_cast<long long>(at_); }
  bool isClean() const { return clean_ == static_cast<long long>(at_); }
  // The design saved is none the steps lead to (a recovered design, or one whose saved state was
  // dropped).
  void loseClean() { clean_ = -1; }

  std::size_t size() const { return steps_.size(); }
  // The memory the designs held take, bytes, as estimated (workspace::approximateBytes).
  std::size_t memory() const { return held_; }

 private:
  struct Kept {
    Step step;
    Snapshot before, after;
    std::size_t bytes = 0;  // after's estimate (the first step's before counted in first_)
  };
  void dropOldest();

  std::deque<Kept> steps_;
  std::size_t at_ = 0;  // steps before it are done, those from it undone
  long long clean_ = 0;
  Snapshot design_ = std::make_shared<const workspace::Workspace>();
  std::size_t first_ = 0;  // the estimate of the design before the first step
  std::size_t held_ = 0;
  std::size_t memory_;
};

}  // namespace document
