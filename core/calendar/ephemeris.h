// The sun and the moon as the precise calendar sees them: apparent geocentric
// ecliptic longitudes, true equinox and ecliptic of date, from the IAU's
// standard routines (ERFA). Instants are days of UT counted from J2000.0
// (JD 2451545.0, 1 January 2000 12:00 UT).
#pragma once

// TT - UT in seconds at a decimal year.
double DeltaT(double year);

struct ApparentSunMoon {
    double sun;  // degrees, [0, 360)
    double moon;
    double sunRate;  // degrees per day
    double moonRate;
};

// Both longitudes at instant ut. The nutation in longitude is left out when
// only their difference is asked for (it is the same for both).
ApparentSunMoon SunMoonAt(double ut, bool withNutation);
