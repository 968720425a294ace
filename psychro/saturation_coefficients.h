#pragma once

// Coefficients of ln p = a/T + c + b1·T + b2·T² + b3·T³ + b4·T⁴ + cLn·ln T (p in Pa, T in K),
// over ice and over liquid water, and their use in both directions.
namespace psychro {

struct SaturationSet {
  double a, c, b1, b2, b3, b4, cLn;
  double lowK, highK;  // range of T, K: ice [lowK, highK), water [lowK, highK]
};

inline constexpr SaturationSet iceSet{-5674.5359,    6.3925247,     -0.009677843,
                                      6.2215701e-07, 2.0747825e-09, -9.484024e-13,
                                      4.1635019,     173.15,        273.15};
inline constexpr SaturationSet waterSet{-5800.2206,    1.3914993,      -0.048640239,
                                        4.1764768e-05, -1.4452093e-08, 0,
                                        6.5459673,     273.15,         473.15};

// ln of the saturation pressure, Pa, at T, K, summed left to right in the order of the formula.
double lnSaturationPressure(const SaturationSet& s, double T);

}  // namespace psychro
