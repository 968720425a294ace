#include "document/weather_layer.h"

#include <utility>

#include "document/files.h"

namespace document {

std::variant<workspace::WeatherFile, Refusal> readWeather(
    FileSystem& fs, const std::string& path, const std::optional<workspace::LogColumns>& log) {
  auto bytes = readFile(fs, path, workspace::maxWeatherBytes);
  if (auto* why = std::get_if<Refusal>(&bytes)) return std::move(*why);
  const std::string& text = std::get<std::string>(bytes);
  auto read =
      log ? workspace::readWeatherLog(text, log->pair, log->columns) : workspace::readEpw(text);
  if (auto* why = std::get_if<workspace::WeatherRefusal>(&read)) return unreadable(std::move(*why));
  return std::move(std::get<workspace::WeatherFile>(read));
}

Refused WeatherLayer::sync(FileSystem& fs, const workspace::Workspace& design) {
  const workspace::WeatherSettings& settings = design.weather();
  const auto holds = [&] {
    return held_ && held_->file == settings.file && held_->log == settings.log;
  };
  Refused refused;
  if (!settings.file.empty() && !holds() && unreadable_ != settings.file) {
    auto read = readWeather(fs, settings.file, settings.log);
    if (auto* data = std::get_if<workspace::WeatherFile>(&read)) {
      take(settings.file, settings.log, std::move(*data));
    } else {
      unreadable_ = settings.file;
      refused = std::move(std::get<Refusal>(read));
    }
  }
  shown_ = !settings.file.empty() && holds();
  if (shown_ && (held_->pa != design.pressure() || held_->m != design.arithmetic())) {
    held_->pa = design.pressure();
    held_->m = design.arithmetic();
    held_->states = workspace::weatherStates(held_->data, held_->pa, held_->m);
  }
  hours_.clear();
  if (shown_) {
    const std::vector<workspace::Zone> zones = design.zones().active();
    hours_ =
        workspace::zoneHourRows(workspace::zoneHours(held_->states, zones, settings.months), zones);
  }
  return refused;
}

void WeatherLayer::take(std::string file, std::optional<workspace::LogColumns> log,
                        workspace::WeatherFile data) {
  held_ =
      Held{std::move(file), std::move(log), std::move(data), {}, -1, psychro::Arithmetic::classic};
  unreadable_.clear();
}

void WeatherLayer::forget() {
  held_.reset();
  shown_ = false;
  unreadable_.clear();
  hours_.clear();
}

}  // namespace document
