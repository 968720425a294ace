#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "document/file_system.h"
#include "document/history.h"
#include "document/recovery.h"
#include "document/refusal.h"
#include "document/weather_layer.h"
#include "workspace/file.h"
#include "workspace/workspace.h"

// A design as a document: the workspace, the steps that made it (undo and redo), the file it was
// opened from or saved to and whether it is saved, its recovery against a crash, and its weather
// layer. Every change is one command, answered by success or a refusal; each rule of the design
// lives once, in the workspace those commands change, so that every face (the window, the command
// line, the tests) meets the same rules. Without Qt: the window only shows the document and sends
// it commands.
namespace document {

// What a change did to the design, for those who show it. Views of the points table keep their
// place through the row changes; anything else is shown afresh.
struct Change {
  enum class Rows {
    none,     // no point changed (a zone, an ε line, …)
    added,    // a point at `row`, the last
    removed,  // the point at `row`; `released` the rows (after it) that now read differently
    moved,    // the point at `row` is now at `to`
    edited,   // the point at `row` reads differently
    all,      // any number of rows, columns too: shown afresh
  };
  Rows rows = Rows::all;
  std::size_t row = 0, to = 0;
  std::vector<std::size_t> released;
  // The design's pressure or arithmetic is another now (undo of such a step, a design opened): the
  // main window follows.
  bool settings = false;
  // To tell the user once the change shows: the weather file the design names cannot be read.
  std::optional<Refusal> notice;
};

class Document {
 public:
  // A new, empty design at the pressure pa, Pa, with the arithmetic m, reading and writing files
  // through fs (which outlives the document).
  explicit Document(FileSystem& fs, double pa = psychro::standardPressure,
                    psychro::Arithmetic m = psychro::Arithmetic::classic);

  const workspace::Workspace& design() const { return design_; }
  // The file the design was opened from or saved to; empty for a design never saved.
  const std::string& path() const { return path_; }
  // Whether the design differs from its file (or, never saved, holds anything done).
  bool modified() const { return !history_.isClean(); }
  // Whether the design holds nothing: no point, no zone, no weather layer. Its pressure and
  // arithmetic then follow the main window's without a step.
  bool empty() const;

  // Those told of every change, in the order they listen.
  using Listener = std::function<void(const Change&)>;
  std::size_t listen(Listener listener);
  void stopListening(std::size_t id);

  // The steps, for undo and redo; the step each would take, none at either end.
  const Step* undoStep() const { return history_.undoStep(); }
  const Step* redoStep() const { return history_.redoStep(); }
  void undo();
  void redo();
  const History& history() const { return history_; }

  // Points (workspace::Workspace says what each refuses).
  Refused addPoint(const workspace::TypedPair& given, std::string_view name = {});
  Refused editPoint(std::size_t i, const workspace::TypedPair& given);
  Refused renamePoint(std::size_t i, std::string_view name);
  Refused movePoint(std::size_t from, std::size_t to);
  Refused deletePoint(std::size_t i);

  // Processes and ε lines.
  Refused addProcess(const workspace::ProcessRequest& request, std::string_view outletName = {});
  Refused editProcess(std::size_t i, const workspace::ProcessRequest& request);
  Refused deleteProcess(std::size_t i);
  Refused addEpsilonLine(unsigned point, double ε);
  Refused deleteEpsilonLine(std::size_t i);

  // The standard systems (workspace::Workspace::addSystem and editSystem say what each refuses);
  // one step each, its points and processes with it.
  Refused addSystem(const workspace::SystemRequest& request,
                    const std::vector<std::string>& names = {});
  Refused editSystem(std::size_t i, const workspace::SystemRequest& request,
                     const std::vector<std::string>& names = {});
  // While the listeners hear of a change: the name of the system it dissolved into plain points
  // and processes (editing or removing one of its points or processes alone); empty otherwise.
  const std::string& dissolved() const { return dissolved_; }

  // Comfort zones and the weather layer.
  Refused setBuiltInZone(std::size_t i, bool on);
  Refused addZone(workspace::Zone zone);
  Refused deleteZone(std::size_t i);
  // Shows data, the weather file just read from path (readWeather), as the design's layer.
  Refused importWeather(const std::string& path, std::optional<workspace::LogColumns> log,
                        workspace::WeatherFile data);
  Refused removeWeather();
  // The months the layer shows; none at all is every month.
  Refused setMonths(workspace::MonthSet months);
  // The states of the layer shown and its 逐时统计 rows; null without one.
  const workspace::WeatherStates* weatherStates() const { return weather_.states(); }
  const std::vector<workspace::ZoneHourRow>* zoneHours() const { return weather_.hours(); }

  // The pressure, Pa, and the arithmetic the design is computed with: a step of the design while
  // it holds anything, else a setting that follows the main window.
  Refused setPressure(double pa);
  Refused setArithmetic(psychro::Arithmetic m);

  // The page set-up and the title block (workspace/page.h says what each refuses); one step each,
  // none where nothing changes.
  Refused setPageSetup(const workspace::PageSetup& page);
  Refused setTitleBlock(const workspace::TitleBlock& title);

  // The main window's last state (no step: not part of the design).
  void setCurrent(const psychro::AirState& air, const workspace::TypedPair& given);
  void setCurrentFresh(bool fresh);

  // Files. read gives the design a workspace file holds, refused as readFile and the reader
  // refuse; open puts a design in place of this one as a fresh document, saved as path; newDesign
  // an empty one at the pressure and arithmetic in force; openRecovered recovered work, unsaved.
  std::variant<workspace::Workspace, Refusal> read(const std::string& path);
  void open(const workspace::Workspace& design, std::string path);
  void newDesign();
  void openRecovered(const workspace::Recovered& recovered);
  // Writes the design to path (empty: its own file) whole (writeFile); refused, the old file as
  // it was and the design still unsaved. Saved, the design is clean and path its file.
  Refused save(const std::string& path = {});

  // Recovery: this running copy's file (none until given). keepRecovery writes the design there
  // while it is unsaved and removes the file once it is not; refused as Recovery::keep.
  void setRecovery(std::unique_ptr<Recovery> recovery);
  Recovery* recovery() const { return recovery_.get(); }
  Refused keepRecovery();
  void discardRecovery();

  FileSystem& files() const { return fs_; }

 private:
  // Records the change just made to design_ as a step, and tells the listeners.
  void record(Step step, Change change);
  // Tells the listeners of change, with the weather layer brought in line first.
  void tell(Change change);
  // Puts a snapshot in place after undo or redo of step.
  void bring(const Step& step, const Snapshot& design);
  // Puts design in place as a fresh document.
  void replace(const workspace::Workspace& design, bool clean);
  std::string pointName(std::size_t i) const;
  std::string processName(std::size_t i) const;
  std::string lineSubject(const workspace::EpsilonLine& line) const;
  // The name of the system the point with this id belongs to; empty for none.
  std::string systemOf(unsigned id) const;
  std::string systemOfProcess(std::size_t i) const;
  // Keeps in dissolved_ the system `name` where design_ no longer holds it.
  void noteDissolved(const std::string& name);

  FileSystem& fs_;
  workspace::Workspace design_;
  History history_;
  std::string path_;
  WeatherLayer weather_;
  std::unique_ptr<Recovery> recovery_;
  std::vector<std::pair<std::size_t, Listener>> listeners_;
  std::string dissolved_;
  std::size_t nextListener_ = 0;
};

}  // namespace document
