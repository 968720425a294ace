// A log's CSV as the weather layer takes it: the file read whole (at most the weather limit and
// one byte), its records read with two columns of t+rh, and every state computed. Prints the
// records used and skipped, or why the file is refused; bench/weather_log_memory.sh runs it under
// /usr/bin/time for the peak memory.
// Usage: weather_log_peak FILE COLUMN COLUMN
#include <cstdio>
#include <fstream>
#include <string>
#include <variant>

#include "document/words.h"
#include "workspace/weather.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: weather_log_peak FILE COLUMN COLUMN\n", stderr);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  in.seekg(0, std::ios::end);
  const auto size = static_cast<std::size_t>(in.tellg());
  in.seekg(0);
  std::string text(std::min(size, workspace::maxWeatherBytes + 1), '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  const auto read = workspace::readWeatherLog(text, {psychro::Quantity::t, psychro::Quantity::rh},
                                              {argv[2], argv[3]});
  if (const auto* why = std::get_if<workspace::WeatherRefusal>(&read)) {
    std::printf("refused: %s\n", document::words(*why).c_str());
    return 0;
  }
  const workspace::WeatherStates states =
      workspace::weatherStates(std::get<workspace::WeatherFile>(read), 101325);
  std::printf("%zu hours used, %zu skipped\n", states.hours.size(), states.skipped.total());
  return 0;
}
