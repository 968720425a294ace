#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

// Weather files in the .epw format made on the spot, so that no test or benchmark needs a
// downloaded file: the header, single records, and a whole year from sine waves.
namespace testsupport {

// The 8 header lines of a weather file whose LOCATION line gives the elevation as written.
inline std::string epwHeader(std::string_view elevation = "0") {
  return "LOCATION,测试站,,CHN,test,000000,30.0,114.0,8.0," + std::string(elevation) +
         "\r\n"
         "DESIGN CONDITIONS,0\r\nTYPICAL/EXTREME PERIODS,0\r\nGROUND TEMPERATURES,0\r\n"
         "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0\r\nCOMMENTS 1,\r\nCOMMENTS 2,\r\n"
         "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31\r\n";
}

// One hourly record of 2026 with the dry bulb t and dew point tl, °C, as written, and the fields
// after them as a file has them.
inline std::string epwRecord(int month, int day, int hour, std::string_view t,
                             std::string_view tl) {
  return "2026," + std::to_string(month) + "," + std::to_string(day) + "," + std::to_string(hour) +
         ",60,?9?9?9?9E0?9?9," + std::string(t) + "," + std::string(tl) +
         ",50,101000,9999,9999\r\n";
}

// A year of 8760 hourly records: dry bulb and dew point from annual and daily sine waves.
inline std::string epwYear(std::string_view elevation = "23") {
  std::string text = epwHeader(elevation);
  constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int dayOfYear = 0;
  for (int month = 1; month <= 12; ++month)
    for (int day = 1; day <= days[month - 1]; ++day, ++dayOfYear)
      for (int hour = 1; hour <= 24; ++hour) {
        const double season = std::cos(2 * M_PI * (dayOfYear - 15) / 365);
        const double t = 17 - 13 * season + 4 * std::cos(2 * M_PI * (hour - 15) / 24);
        const double tl = std::min(11 - 13 * season, t - 1);
        char tText[16], tlText[16];
        std::snprintf(tText, sizeof tText, "%.1f", t);
        std::snprintf(tlText, sizeof tlText, "%.1f", tl);
        text += epwRecord(month, day, hour, tText, tlText);
      }
  return text;
}

}  // namespace testsupport
