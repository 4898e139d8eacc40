#pragma once
// Apparent geocentric ecliptic longitudes of the Sun and the Moon, referred to
// the true equinox and ecliptic of date, from ERFA (the free edition of the
// IAU's SOFA routines). Times are days of TT from J2000.0 (2000-01-01 12:00
// TT); TT stands in for TDB, from which it differs by under 2 ms.
namespace vadelon {

struct EclipticLongitude {
    double radians;  // 0 to 2π
    double rate;     // radians a day, for Newton's steps
};

// Δψ, the nutation in longitude, in radians (IAU 2000B: within about a
// milliarcsecond of the full series near the present).
double NutationInLongitude(double daysTT);

// Both take Δψ from the caller, who often has it already; a difference of the
// two longitudes at one instant does not depend on it.
EclipticLongitude ApparentSolarLongitude(double daysTT, double dpsi);
EclipticLongitude ApparentLunarLongitude(double daysTT, double dpsi);

}  // namespace vadelon
