#pragma once

// Fixed quantities shared by every state function of the calculator.
namespace psychro {

// The standard atmosphere, Pa: the total pressure of the humid air unless the user sets another.
inline constexpr double standardPressure = 101325;

// Offset between degrees Celsius and kelvin.
inline constexpr double kelvin = 273.15;

}  // namespace psychro
