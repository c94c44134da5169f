#include "core/calendar/ephemeris.h"

#include <cmath>
#include <erfam.h>
#include <vector>

#include <erfa.h>

double DeltaT(double year)
{
    // The polynomials of F. Espenak and J. Meeus, "Five Millennium Canon of
    // Solar Eclipses" (NASA/TP-2006-214141), from 1860 to 2150.
    if (year < 1900) {
        const double t = year - 1860;
        return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174))));
    }
    if (year < 1920) {
        const double t = year - 1900;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (year < 1941) {
        const double t = year - 1920;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (year < 1961) {
        const double t = year - 1950;
        return 29.07 + t * (0.407 + t * (-1 / 233.0 + t / 2547));
    }
    if (year < 1986) {
        const double t = year - 1975;
        return 45.45 + t * (1.067 + t * (-1 / 260.0 - t / 718));
    }
    if (year < 2005) {
        const double t = year - 2000;
        return 63.86 +
               t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (year < 2050) {
        const double t = year - 2000;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    const double u = (year - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - year);
}

namespace {

constexpr double kDegrees = 180 / 3.14159265358979323846;
// Mass of the moon over that of the earth and moon together (IAU 2009 ratio 81.30057).
constexpr double kMoonShare = 1 / (1 + 81.30056907);
// Heliocentric gravitational parameter of the earth-moon barycentre, au^3/day^2.
constexpr double kGm = 0.01720209895 * 0.01720209895 * (1 + 1 / 328900.56);
// General precession in longitude, degrees per day (IAU 2006, 5028.796195" a century).
constexpr double kPrecessionRate = 5028.796195 / 3600 / 36525;

// eraEpv00 is by far the dearest routine here, so it is called only at
// anchors 32 days of TT apart. Between two anchors the earth-moon barycentre
// follows the Kepler orbit of the earlier anchor, corrected by the cubic that
// brings it onto the later anchor's position and velocity: over 1900-2100
// that stays within 0.01" of eraEpv00 as seen from the sun. The earth's
// monthly swing about the barycentre comes from the moon of the same instant.
constexpr double kAnchorDays = 32;
constexpr int kFirstAnchor = -1170;  // late 1897
constexpr int kLastAnchor = 1180;    // early 2103

struct Anchor {
    double r[3];          // heliocentric barycentre of earth and moon, au
    double v[3];          // au/day
    double sunMotion[3];  // the sun's barycentric velocity, au/day
    bool ready;
};

Anchor ComputeAnchor(int j)
{
    const double tt = j * kAnchorDays;
    double earth[2][3], earthBary[2][3], moon[2][3];
    eraEpv00(ERFA_DJ00, tt, earth, earthBary);
    eraMoon98(ERFA_DJ00, tt, moon);
    Anchor a{};
    for (int i = 0; i < 3; ++i) {
        a.r[i] = earth[0][i] + kMoonShare * moon[0][i];
        a.v[i] = earth[1][i] + kMoonShare * moon[1][i];
        a.sunMotion[i] = earthBary[1][i] - earth[1][i];
    }
    a.ready = true;
    return a;
}

// Anchors remembered per thread, like the series of the standard computation;
// those outside 1898-2102 computed each time.
Anchor AnchorAt(int j)
{
    static thread_local std::vector<Anchor> anchors(kLastAnchor - kFirstAnchor + 1);
    if (j < kFirstAnchor || j > kLastAnchor)
        return ComputeAnchor(j);
    Anchor& a = anchors[j - kFirstAnchor];
    if (!a.ready)
        a = ComputeAnchor(j);
    return a;
}

double Dot(const double* a, const double* b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// Two-body motion from (r0, v0) over dt days: the f and g functions of the
// eccentric anomaly.
void KeplerStep(const double* r0, const double* v0, double dt, double* r, double* v)
{
    const double d0 = std::sqrt(Dot(r0, r0));
    const double a = 1 / (2 / d0 - Dot(v0, v0) / kGm);
    const double n = std::sqrt(kGm / (a * a * a));
    const double ec = 1 - d0 / a;
    const double es = Dot(r0, v0) / std::sqrt(kGm * a);
    const double m = n * dt;
    double e = m;
    for (int i = 0; i < 8; ++i) {
        const double step =
            (e - ec * std::sin(e) + es * (1 - std::cos(e)) - m) / (1 - ec * std::cos(e) + es * std::sin(e));
        e -= step;
        if (std::fabs(step) < 1e-15)
            break;
    }
    const double c = std::cos(e);
    const double s = std::sin(e);
    const double d = a * (1 - ec * c + es * s);
    const double f = 1 - a / d0 * (1 - c);
    const double g = dt - (e - s) / n;
    const double fDot = -std::sqrt(kGm * a) / (d * d0) * s;
    const double gDot = 1 - a / d * (1 - c);
    for (int i = 0; i < 3; ++i) {
        r[i] = f * r0[i] + g * v0[i];
        v[i] = fDot * r0[i] + gDot * v0[i];
    }
}

// The barycentre of earth and moon at tt, and the sun's barycentric velocity.
void Barycentre(double tt, double* r, double* v, double* sunMotion)
{
    const int j = static_cast<int>(std::floor(tt / kAnchorDays));
    const Anchor from = AnchorAt(j);
    const Anchor to = AnchorAt(j + 1);
    const double h = kAnchorDays;
    double atEnd[3], speedAtEnd[3];
    KeplerStep(from.r, from.v, h, atEnd, speedAtEnd);
    const double tau = tt - j * h;
    KeplerStep(from.r, from.v, tau, r, v);
    for (int i = 0; i < 3; ++i) {
        const double dr = to.r[i] - atEnd[i];
        const double dv = to.v[i] - speedAtEnd[i];
        const double c2 = (3 * dr - dv * h) / (h * h);
        const double c3 = (dv * h - 2 * dr) / (h * h * h);
        r[i] += tau * tau * (c2 + c3 * tau);
        v[i] += tau * (2 * c2 + 3 * c3 * tau);
        sunMotion[i] = from.sunMotion[i];
    }
}

void Rotate(const double (&m)[3][3], const double* p, double* out)
{
    for (int i = 0; i < 3; ++i)
        out[i] = m[i][0] * p[0] + m[i][1] * p[1] + m[i][2] * p[2];
}

// Longitude (degrees) and its rate (degrees a day) of a position and velocity
// in the mean ecliptic of date.
void EclipticLongitude(const double (&frame)[3][3], const double* p, const double* v, double& longitude,
                       double& rate)
{
    double e[3], ev[3];
    Rotate(frame, p, e);
    Rotate(frame, v, ev);
    longitude = std::atan2(e[1], e[0]) * kDegrees;
    rate = (e[0] * ev[1] - e[1] * ev[0]) / (e[0] * e[0] + e[1] * e[1]) * kDegrees + kPrecessionRate;
}

double Reduce(double degrees)
{
    return degrees - std::floor(degrees / 360) * 360;
}

}  // namespace

ApparentSunMoon SunMoonAt(double ut, bool withNutation)
{
    const double tt = ut + DeltaT(2000 + ut / 365.25) / 86400;
    double emb[3], embSpeed[3], sunMotion[3], moon[2][3];
    Barycentre(tt, emb, embSpeed, sunMotion);
    eraMoon98(ERFA_DJ00, tt, moon);

    // The sun: light left it when it stood where its barycentric motion had
    // not yet brought it; annual aberration from the earth's barycentric velocity.
    double earth[3], earthSpeed[3], sun[3], sunSpeed[3], observer[3];
    for (int i = 0; i < 3; ++i) {
        earth[i] = emb[i] - kMoonShare * moon[0][i];
        earthSpeed[i] = embSpeed[i] - kMoonShare * moon[1][i];
        sunSpeed[i] = -earthSpeed[i];
        observer[i] = (earthSpeed[i] + sunMotion[i]) / ERFA_DC;
    }
    const double distance = std::sqrt(Dot(earth, earth));
    for (int i = 0; i < 3; ++i)
        sun[i] = -earth[i] - sunMotion[i] * distance / ERFA_DC;
    const double length = std::sqrt(Dot(sun, sun));
    for (double& x : sun)
        x /= length;
    double seen[3];
    eraAb(sun, observer, distance, std::sqrt(1 - Dot(observer, observer)), seen);
    for (double& x : seen)
        x *= distance;  // for the rate, which the velocity gives at this distance

    // The moon: where it was when its light left it (its aberration relative
    // to the geocentre is this light time).
    const double moonLight = std::sqrt(Dot(moon[0], moon[0])) / ERFA_DC;
    double moonSeen[3];
    for (int i = 0; i < 3; ++i)
        moonSeen[i] = moon[0][i] - moon[1][i] * moonLight;

    double frame[3][3];
    eraEcm06(ERFA_DJ00, tt, frame);
    ApparentSunMoon out{};
    EclipticLongitude(frame, seen, sunSpeed, out.sun, out.sunRate);
    EclipticLongitude(frame, moonSeen, moon[1], out.moon, out.moonRate);
    if (withNutation) {
        double dpsi, deps;
        eraNut00b(ERFA_DJ00, tt, &dpsi, &deps);
        out.sun += dpsi * kDegrees;
        out.moon += dpsi * kDegrees;
    }
    out.sun = Reduce(out.sun);
    out.moon = Reduce(out.moon);
    return out;
}
