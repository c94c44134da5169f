#include "core/calendar/precise_calendar.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/calendar/date_arith.h"
#include "core/calendar/ephemeris.h"
#include "core/calendar/nine_stars.h"

namespace {

constexpr double kRadians = 3.14159265358979323846 / 180;
constexpr double kSynodicMonth = 29.530588861;
constexpr double kTermDays = 365.242190 / 24;

double Signed(double degrees)
{
    return degrees - std::floor((degrees + 180) / 360) * 360;
}

// A first guess of new moon k (UT) from the mean lunation and its largest
// periodic terms (J. Meeus, Astronomical Algorithms, chapter 49); within six
// minutes over 1900-2100.
double GuessNewMoon(int k)
{
    const double t = k / 1236.85;
    const double sunAnomaly = (2.5534 + 29.10535670 * k) * kRadians;
    const double moonAnomaly = (201.5643 + 385.81693528 * k + 0.0107582 * t * t) * kRadians;
    const double latitude = (160.7108 + 390.67050284 * k - 0.0016118 * t * t) * kRadians;
    const double e = 1 - 0.002516 * t;
    const double tt = 5.09766 + kSynodicMonth * k + 0.00015437 * t * t - 0.40720 * std::sin(moonAnomaly) +
                      0.17241 * e * std::sin(sunAnomaly) + 0.01608 * std::sin(2 * moonAnomaly) +
                      0.01039 * std::sin(2 * latitude) + 0.00739 * e * std::sin(moonAnomaly - sunAnomaly) -
                      0.00514 * e * std::sin(moonAnomaly + sunAnomaly) +
                      0.00208 * e * e * std::sin(2 * sunAnomaly);
    return tt - DeltaT(2000 + tt / 365.25) / 86400;
}

// The sun's apparent longitude to about 0.01 degree (Meeus, chapter 25); the
// guess it gives is within 18 minutes over 1900-2100.
double RoughSunLongitude(double ut)
{
    const double t = ut / 36525;
    const double anomaly = (357.52911 + 35999.05029 * t) * kRadians;
    return 280.46646 + 36000.76983 * t + 1.914602 * std::sin(anomaly) + 0.019993 * std::sin(2 * anomaly) -
           0.00569 - 0.00478 * std::sin((125.04 - 1934.136 * t) * kRadians);
}

double GuessSolarTerm(int n)
{
    double ut = 78.816 + n * kTermDays;  // 20 March 2000 07:35 UT
    for (int i = 0; i < 2; ++i)
        ut += Signed(15.0 * n - RoughSunLongitude(ut)) / 0.9856;
    return ut;
}

// Newton steps on a longitude difference from a guess, until a step is
// shorter than `enough` days. The rates come from the velocities, so a step
// from within `enough` of the root leaves an error below 0.05 s: from the
// guesses above one step does.
template <typename Difference>
double Solve(double ut, double enough, Difference difference)
{
    for (int i = 0; i < 10; ++i) {
        double rate;
        const double step = -difference(ut, rate) / rate;
        ut += step;
        if (std::fabs(step) < enough)
            break;
    }
    return ut;
}

double FindNewMoon(int k)
{
    // The elongation's rate changes by up to 4 % a day.
    return Solve(GuessNewMoon(k), 0.005, [](double ut, double& rate) {
        const ApparentSunMoon p = SunMoonAt(ut, false);
        rate = p.moonRate - p.sunRate;
        return Signed(p.moon - p.sun);
    });
}

double FindSolarTerm(int n)
{
    // The sun's rate changes by less than 0.06 % a day.
    return Solve(GuessSolarTerm(n), 0.02, [n](double ut, double& rate) {
        const ApparentSunMoon p = SunMoonAt(ut, true);
        rate = p.sunRate;
        return Signed(p.sun - 15.0 * n);
    });
}

// Instants remembered per thread over 1898-2102; others are computed each time.
class Instants {
public:
    Instants(int first, int count, double (*find)(int))
        : first_(first), find_(find), known_(static_cast<std::size_t>(count), std::nan(""))
    {
    }
    double At(int i)
    {
        const long slot = static_cast<long>(i) - first_;
        if (slot < 0 || slot >= static_cast<long>(known_.size()))
            return find_(i);
        double& known = known_[static_cast<std::size_t>(slot)];
        if (std::isnan(known))
            known = find_(i);
        return known;
    }

private:
    int first_;
    double (*find_)(int);
    std::vector<double> known_;
};

std::int32_t NewMoonDay(int k)
{
    return JstDayOf(NewMoonInstant(k));
}

std::int32_t TermDay(int n)
{
    return JstDayOf(SolarTermInstant(n));
}

// The lunation whose days hold day number day.
int LunationOf(std::int32_t day)
{
    int k = static_cast<int>(std::floor((day - 9138 + 0.5) / kSynodicMonth));  // 7 January 2000
    while (NewMoonDay(k) > day)
        --k;
    while (NewMoonDay(k + 1) <= day)
        ++k;
    return k;
}

int WinterSolstice(int year)
{
    return 18 + 24 * (year - 2000);
}

// The lunation that holds 冬至 of year, the 11th month.
int EleventhMonth(int year)
{
    return LunationOf(TermDay(WinterSolstice(year)));
}

// Of the 12 months after the 11th month k11 of year, the first that holds
// no principal term (counted from 1).
int LeapMonthAfter(int year, int k11)
{
    int term = WinterSolstice(year) + 2;
    while (TermDay(term) < NewMoonDay(k11 + 1))
        term += 2;
    for (int j = 1; j <= 12; ++j) {
        const std::int32_t end = NewMoonDay(k11 + j + 1);
        if (TermDay(term) >= end)
            return j;
        while (TermDay(term) < end)
            term += 2;
    }
    return 0;
}

}  // namespace

double NewMoonInstant(int k)
{
    static thread_local Instants newMoons(-1270, 2560, FindNewMoon);
    return newMoons.At(k);
}

double SolarTermInstant(int n)
{
    static thread_local Instants terms(-2460, 4950, FindSolarTerm);
    return terms.At(n);
}

std::int32_t JstDayOf(double ut)
{
    // 0:00 JST of 1 January 2000, day 9132, is 31 December 1999 15:00 UT.
    return static_cast<std::int32_t>(std::floor(ut + 9132.875));
}

int PreciseInreki(int* record, const int* date, std::int32_t* dayNumber)
{
    double t;
    calcnen(&t, date, dayNumber);
    const int k = LunationOf(*dayNumber);

    // The 冬至 month at or before k, and the next.
    int year = date[0];
    int k11 = EleventhMonth(year);
    if (k11 > k)
        k11 = EleventhMonth(--year);
    const int months = EleventhMonth(year + 1) - k11;
    const int leap = months == 13 ? LeapMonthAfter(year, k11) : 0;

    const int i = k - k11;
    const int ordinal = leap > 0 && i >= leap ? i - 1 : i;  // 0 = the 11th month, 1 = the 12th, 2 = 正月 ...
    record[0] = ordinal < 2 ? year : year + 1;
    record[1] = (ordinal + 10) % 12 + 1;
    record[2] = *dayNumber - NewMoonDay(k) + 1;
    record[3] = leap > 0 && i == leap ? 1 : 0;
    return 0;
}

int PreciseSekki(int* record, std::int32_t* dayNumber)
{
    double t;
    std::int32_t first;
    calcnen(&t, record, &first);
    const std::int32_t end = first + std::max(0, 32 - record[2]);
    int n = static_cast<int>(std::floor((first - 9211) / kTermDays));  // 春分 2000 on 20 March, day 9211
    while (TermDay(n) >= first)
        --n;
    while (TermDay(n) < first)
        ++n;
    const std::int32_t day = TermDay(n);
    if (day >= end) {
        *dayNumber = end;
        return -1;
    }
    record[2] += day - first;
    record[3] = (n % 24 + 24) % 24;
    *dayNumber = day;
    return 0;
}

void PreciseKusei(const int* date, int* result)
{
    NichKuseiBy(date, result, PreciseSekki);
}
