#pragma once

// Fixed quantities shared by every state function of the calculator.
namespace psychro {

// Total pressure of the humid air, Pa (standard atmosphere; there is no input for it).
inline constexpr double pa = 101325;

// Offset between degrees Celsius and kelvin.
inline constexpr double kelvin = 273.15;

}  // namespace psychro
