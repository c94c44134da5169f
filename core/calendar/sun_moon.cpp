#include "core/calendar/sun_moon.h"

#include <cmath>
#include <cstdint>
#include <cstring>

const SeriesTerm sok[sokno + 1] = {
    {0, 279.0358, 360.00769}, {1.9159, 356.531, 359.991}, {0.02, 353.06, 719.981}, {-0.0048, 248.64, -19.341},
    {0.002, 285.0, 329.64},   {0.0018, 334.2, -4452.67},  {0.0018, 293.7, 0.2},    {0.0015, 242.4, 450.37},
    {0.0013, 211.1, 225.18},  {0.0008, 208.0, 659.29},    {0.0007, 53.5, 90.38},
};

const SeriesTerm mok[mokno + 1] = {
    {0, 124.8754, 4812.6681},     {6.2887, 338.915, 4771.9886}, {1.274, 107.248, -4133.3536},
    {0.6583, 51.668, 8905.3422},  {0.2136, 317.831, 9543.9773}, {0.1856, 176.531, 359.9905},
    {0.1143, 292.463, 9664.0404}, {0.0588, 86.16, 638.635},     {0.0572, 103.87, -3773.363},
    {0.0533, 30.58, 13677.331},   {0.0459, 124.86, -8545.352},  {0.041, 342.38, 4411.998},
    {0.0348, 25.83, 4452.671},    {0.0305, 155.45, 5131.979},
};

namespace {

constexpr double kRadiansPerDegree = 0.0174532925;

double TermSine(const SeriesTerm& term, double t)
{
    return std::sin((term.rate * t + term.phase) * kRadiansPerDegree);
}

double ReduceDegrees(double longitude)
{
    return longitude - std::floor(longitude * (1 / 360.0)) * 360;
}

// The searches for new moons, solar terms and solstices keep asking for the
// same moments (each day's end is the next day's beginning, every month of a
// half-year looks for the same solstice). A series is a pure function of the
// exact bits of t, so remembering recent answers changes no result.
class SeriesMemo {
public:
    template <typename Evaluate>
    double Get(double t, Evaluate evaluate)
    {
        std::uint64_t key;
        std::memcpy(&key, &t, sizeof key);
        Slot& slot = slots_[(key * 0x9E3779B97F4A7C15ull) >> (64 - kBits)];
        if (!slot.used || slot.key != key)
            slot = {key, evaluate(t), true};
        return slot.value;
    }

private:
    static constexpr int kBits = 12;
    struct Slot {
        std::uint64_t key;
        double value;
        bool used;
    };
    Slot slots_[1 << kBits] = {};
};

double SunLongitude(double t)
{
    double l = sok[0].phase + sok[0].rate * t;
    // The first term's amplitude shrinks slowly with time.
    const double firstSine = TermSine(sok[1], t);
    l -= 0.00005 * t * firstSine;
    l += sok[1].amplitude * firstSine;
    for (int i = 2; i <= sokno; ++i)
        l += sok[i].amplitude * TermSine(sok[i], t);
    return ReduceDegrees(l);
}

double MoonLongitude(double t)
{
    double l = mok[0].phase + mok[0].rate * t;
    for (int i = 1; i <= mokno; ++i)
        l += mok[i].amplitude * TermSine(mok[i], t);
    return ReduceDegrees(l);
}

}  // namespace

int calcsn(double* longitude, double t)
{
    static thread_local SeriesMemo memo;
    *longitude = memo.Get(t, SunLongitude);
    return 0;
}

int calcmok(double* longitude, double t)
{
    static thread_local SeriesMemo memo;
    *longitude = memo.Get(t, MoonLongitude);
    return 0;
}
