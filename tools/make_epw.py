#!/usr/bin/env python3
"""Writes a synthetic hourly weather year in the EnergyPlus weather format (.epw) to standard output.

The climate is a humid subtropical city's (hot, muggy summers; cool, damp winters) made from sine
waves and a deterministic noise: the annual and daily swings of the dry bulb, a dew point that
follows the season and never exceeds the dry bulb, and weather systems passing as a slowly
wandering disturbance. The same options always give the same bytes. It is an example for the
weather layer and its tests, not measured data.

usage: tools/make_epw.py [--hours N] [--start-month M] [--elevation M] [--year Y] > FILE.epw
"""

import argparse
import math
import sys

DAYS_IN_MONTH = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]


class Noise:
    """A linear congruential generator (the constants of Numerical Recipes), uniform in [-1, 1)."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (1664525 * self.state + 1013904223) & 0xFFFFFFFF
        return self.state / 2**31 - 1


def saturation_pressure(t):
    """Saturation pressure of water vapour over water, Pa, at t, °C (Magnus form; for the RH field)."""
    return 610.94 * math.exp(17.625 * t / (t + 243.04))


def header(elevation, year):
    return [
        "LOCATION,示例城市,示例省,CHN,Torvale synthetic,000000,30.60,114.10,8.0,%.1f" % elevation,
        "DESIGN CONDITIONS,0",
        "TYPICAL/EXTREME PERIODS,0",
        "GROUND TEMPERATURES,0",
        "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0",
        "COMMENTS 1,Synthetic year made by tools/make_epw.py from sine waves and deterministic noise;"
        " not measured data",
        "COMMENTS 2,%d" % year,
        "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31",
    ]


def records(hours, start_month, elevation, year):
    noise = Noise(20260101)
    weather = 0.0   # a passing weather system's dry-bulb offset, K
    moisture = 0.0  # its dew-point offset, K
    pressure = 101325 * (1 - 2.25577e-5 * elevation) ** 5.2559
    day = sum(DAYS_IN_MONTH[: start_month - 1])
    for k in range(hours):
        hour = k % 24
        day_of_year = (day + k // 24) % 365
        month, mday = 1, day_of_year
        while mday >= DAYS_IN_MONTH[month - 1]:
            mday -= DAYS_IN_MONTH[month - 1]
            month += 1
        season = math.cos(2 * math.pi * (day_of_year - 15) / 365)  # 1 in mid-January
        weather = 0.985 * weather + 0.45 * noise.next()
        moisture = 0.98 * moisture + 0.35 * noise.next()
        daily = (3.0 + 1.5 * (1 + season) / 2) * math.cos(2 * math.pi * (hour - 14) / 24)
        t = 17.0 - 13.0 * season + daily + weather
        dew = 11.0 - 13.0 * math.cos(2 * math.pi * (day_of_year - 25) / 365) + moisture
        dew = min(dew, t - 1.0 - 0.8 * max(0.0, daily))  # the afternoon is the driest hour
        rh = 100 * saturation_pressure(dew) / saturation_pressure(t)
        sun = max(0.0, math.sin(math.pi * (hour - 6) / 12)) * (550 - 250 * season)
        fields = [
            "%d" % year, "%d" % month, "%d" % (mday + 1), "%d" % (hour + 1), "60",
            "?9?9?9?9E0?9?9?9?9?9?9?9?9?9?9?9?9?9?9?9*9*9?9?9?9",
            "%.1f" % t, "%.1f" % dew, "%.0f" % rh, "%.0f" % pressure,
            "9999", "9999", "9999", "%.0f" % sun, "9999", "9999",
            "999999", "999999", "999999", "9999",
            "%d" % (90 + 90 * (k // 37 % 3)), "%.1f" % (2.0 + abs(weather) / 2), "5", "5",
            "777.7", "77777", "9", "999999999", "999", "0.999", "999", "99", "999", "0.0", "99",
        ]
        yield ",".join(fields)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--hours", type=int, default=8760, help="records to write (8760: a year)")
    parser.add_argument("--start-month", type=int, default=1, choices=range(1, 13))
    parser.add_argument("--elevation", type=float, default=23.0, help="station elevation, m")
    parser.add_argument("--year", type=int, default=2026)
    options = parser.parse_args()
    if not 1 <= options.hours <= 100000:
        parser.error("--hours must be 1…100000")
    lines = header(options.elevation, options.year)
    lines += records(options.hours, options.start_month, options.elevation, options.year)
    sys.stdout.buffer.write(("\r\n".join(lines) + "\r\n").encode("utf-8"))


if __name__ == "__main__":
    main()
