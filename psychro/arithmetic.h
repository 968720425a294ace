#pragma once

// The two arithmetics of the calculator, and the formulas every layer above the state functions
// takes from the one in force.
namespace psychro {

// classic: the calculator's own formulas (psychro/air_state.h), the default, whose figures stay
// those the calculator has always shown. ashrae2017: the ASHRAE Handbook—Fundamentals 2017,
// chapter 1, SI formulation (psychro/ashrae.h).
enum class Arithmetic { classic, ashrae2017 };

// Saturation pressure of water vapour, Pa, at t, °C, as the arithmetic m takes it (the classic
// one over water from 0 °C, ASHRAE's from the triple point, 0.01 °C).
double saturationPressure(double t, Arithmetic m);

// Moisture content, kg/kg, of vapour at pv, Pa, under pa, Pa (classic 0.622, ASHRAE 0.621945).
double moistureContent(double pv, double pa, Arithmetic m);

// Vapour partial pressure, Pa, of air holding d, kg/kg, under pa, Pa: the inverse of the above.
double vapourPressure(double d, double pa, Arithmetic m);

// Enthalpy, kJ per kg of dry air, of air at t, °C, holding d, kg/kg, and the formula solved for
// the dry bulb (°C) and for the moisture content (kg/kg). Both arithmetics write it
// h = 2501·d + t·(1.006 + cpv·d); cpv is 1.805 (classic) or 1.86 (ASHRAE), kJ/(kg·K).
double enthalpy(double t, double d, Arithmetic m);
double dryBulbOfEnthalpy(double h, double d, Arithmetic m);
double moistureOfEnthalpy(double h, double t, Arithmetic m);

// The wet-bulb balance of the arithmetic solved for the dry bulb, °C, of air holding d, kg/kg, at
// the wet bulb tw, °C, under pa, Pa, and the dry bulb where that line reaches d = 0
// (psychro/air_state.h, or psychro/ashrae.h).
double dryBulbOnWetBulbLine(double tw, double d, double pa, Arithmetic m);
double dryEndOfWetBulbLine(double tw, double pa, Arithmetic m);

// The specific heat of water vapour, kJ/(kg·K), of the arithmetic's enthalpy.
double vapourHeat(Arithmetic m);

// The dew point the calculator shows, °C, for vapour at pv, Pa, in air at t, °C: never above t.
// Non-finite where the arithmetic places no dew point.
double shownDewPoint(double pv, double t, Arithmetic m);

// The dew point, °C, of vapour at pv, Pa, and its inverse, as the arithmetic has them: classic,
// its correlation (dewPoint, vapourAtDewPoint); ASHRAE, the inverse of its saturation pressure.
double dewPointOf(double pv, Arithmetic m);
double vapourAtDewPointOf(double tl, Arithmetic m);

}  // namespace psychro
