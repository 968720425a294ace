// Every pair under the ASHRAE 2017 arithmetic gives back the state whose shown values it is given.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/messages.h"
#include "calc/number_text.h"
#include "calc/outputs.h"
#include "calc/pair_calculation.h"
#include "psychro/air_properties.h"

namespace {

using Q = psychro::Quantity;
constexpr auto ashrae = psychro::Arithmetic::ashrae2017;

// The result box that shows each quantity, in the order of psychro::Quantity.
constexpr std::size_t boxOf[] = {0, 2, 1, 4, 6, 3};  // t, tw, rh, tl, d, h

// States of −49…99 ℃ and 5…100 %, at three pressures, given back by every pair of two of their
// shown values: found, those two shown as given, every other box within one unit of its last
// digit beyond what half a unit of either given text moves it. Air too dry to show its d has none
// to find; a dew point shown equal to the dry bulb below 100 % cannot be told from saturation.
TEST(AshraePairs, ShownStatesComeBack) {
  const Q qs[] = {Q::t, Q::tw, Q::rh, Q::tl, Q::d, Q::h};
  for (double pa : {101325.0, 80000.0, 61640.0})
    for (double t = -49; t <= 99; t += 2.5)
      for (double rh : {5.0, 30.0, 60.0, 90.0, 100.0}) {
        const calc::Calculation src = calc::calculate({Q::t, Q::rh}, t, rh, pa, ashrae);
        if (src.outcome == psychro::Outcome::noSuchState) continue;  // vapour beyond pa
        ASSERT_TRUE(src.ok()) << t << " ℃, " << rh << " %, " << pa << " Pa";
        if (src.texts[6] == "0.00") continue;
        for (Q p : qs)
          for (Q q : qs) {
            if (!(p < q) || !psychro::determines(p, q)) continue;
            const std::size_t a = boxOf[static_cast<int>(p)], b = boxOf[static_cast<int>(q)];
            if (p == Q::t && q == Q::tl && src.texts[4] == src.texts[0] && rh < 100) continue;
            // Air nearly all vapour (near boiling at low pressure, d of tens of kg/kg): a wet bulb
            // shown to 0.01 ℃ spans kelvins of dry bulb along its line.
            if (p == Q::tw && src.air.d > 1 && q != Q::rh) continue;
            const double va = calc::numericValue(src.texts[a]);
            const double vb = calc::numericValue(src.texts[b]);
            const auto at = [&](double x, double y) {
              return calc::calculate({p, q}, x, y, pa, ashrae);
            };
            const calc::Calculation back = at(va, vb);
            const std::string where = std::to_string(t) + " ℃, " + std::to_string(rh) + " %, " +
                                      std::to_string(pa) + " Pa, " +
                                      std::string(calc::quantityName(p)) + "+" +
                                      std::string(calc::quantityName(q));
            // Near an end a given text's rounding may put the state just outside the range.
            if (back.outcome == psychro::Outcome::pairOutOfRange && (t < -45 || t > 95)) continue;
            ASSERT_TRUE(back.ok()) << where << ": " << calc::words(back.outcome);
            EXPECT_EQ(back.texts[a], src.texts[a]) << where;
            EXPECT_EQ(back.texts[b], src.texts[b]) << where;
            const double ua = std::pow(10.0, -calc::outputs[a].decimals) / 2;
            const double ub = std::pow(10.0, -calc::outputs[b].decimals) / 2;
            const calc::Calculation nudged[] = {at(va - ua, vb), at(va + ua, vb), at(va, vb - ub),
                                                at(va, vb + ub)};
            for (std::size_t i = 0; i < calc::outputs.size(); ++i) {
              const auto value = [i](const calc::Calculation& c) {
                return calc::numericValue(c.texts[i]);
              };
              double allowed = std::pow(10.0, -calc::outputs[i].decimals) * 1.001;
              for (const calc::Calculation& c : nudged)
                if (c.ok()) allowed += std::abs(value(c) - value(back));
              EXPECT_LE(std::abs(value(back) - value(src)), allowed)
                  << where << ", box " << calc::outputs[i].objectName;
            }
          }
      }
}

// cp per kg of humid air from the arithmetic's own specific heats.
TEST(AshraePairs, SpecificHeatFollowsTheArithmetic) {
  const struct {
    const char* name;
    psychro::Arithmetic m;
    double d, cp;
  } rows[] = {{"classic dry", psychro::Arithmetic::classic, 0, 1.005},
              {"classic 10 g/kg", psychro::Arithmetic::classic, 0.01, (1.005 + 0.0184) / 1.01},
              {"ASHRAE dry", ashrae, 0, 1.006},
              {"ASHRAE 10 g/kg", ashrae, 0.01, (1.006 + 0.0186) / 1.01}};
  for (const auto& r : rows) EXPECT_DOUBLE_EQ(psychro::specificHeat(r.d, r.m), r.cp) << r.name;
}

}  // namespace
