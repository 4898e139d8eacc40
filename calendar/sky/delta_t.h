#pragma once
// ΔT = TT − UT, the difference between the uniform time in which the Sun's
// motion is computed and the time kept by the Earth's rotation.
namespace vadelon {

// ΔT in seconds at a decimal year. From 1955 to 2026 the values observed on
// 1 January of each year, interpolated linearly; before and after, the
// polynomial expressions of Espenak and Meeus (2006), joined to the observed
// values without a jump.
double DeltaTSeconds(double decimalYear);

}  // namespace vadelon
