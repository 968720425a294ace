#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "document/file_system.h"
#include "document/refusal.h"
#include "workspace/weather.h"
#include "workspace/workspace.h"

// The weather layer of a design: the file its settings name, read once and kept while an undo
// hides it (so that redo needs no new reading), its hours' states at the design's pressure and
// arithmetic, and the hours each zone holds in the months chosen.
namespace document {

// The weather file at path: a .epw, or with log a log's CSV; read bounded (readFile, at most
// workspace::maxWeatherBytes) and refused as the readers refuse (notWeather, their code).
std::variant<workspace::WeatherFile, Refusal> readWeather(
    FileSystem& fs, const std::string& path, const std::optional<workspace::LogColumns>& log);

class WeatherLayer {
 public:
  // Brings the layer in line with design: reads the file its settings name where it is not the
  // one held, computes the states again where the pressure or arithmetic differ, and the zone
  // hours. A file that cannot be read is refused once (the design goes on without its layer, its
  // settings kept) until forget().
  Refused sync(FileSystem& fs, const workspace::Workspace& design);
  // Takes a file just read for the design that is about to name it (an import).
  void take(std::string file, std::optional<workspace::LogColumns> log,
            workspace::WeatherFile data);
  // Forgets the file held and the one that could not be read, so that the next sync reads the
  // design's file afresh, as it is now (a design opened).
  void forget();

  // The states of the hours and the 逐时统计 rows while the layer is shown; null otherwise.
  const workspace::WeatherStates* states() const { return shown_ ? &held_->states : nullptr; }
  const std::vector<workspace::ZoneHourRow>* hours() const { return shown_ ? &hours_ : nullptr; }

 private:
  struct Held {
    std::string file;
    std::optional<workspace::LogColumns> log;
    workspace::WeatherFile data;
    workspace::WeatherStates states;
    double pa = -1;  // the states' pressure; -1 before they are computed
    psychro::Arithmetic m = psychro::Arithmetic::classic;
  };
  std::optional<Held> held_;
  bool shown_ = false;
  std::string unreadable_;  // the file that could not be read, said once
  std::vector<workspace::ZoneHourRow> hours_;
};

}  // namespace document
