#include "core/almanac/holiday_law.h"

#include <cstdint>

namespace {

// The szHolyday indices of the names; the fixed table's 7 (4 May, no name)
// is not used here.
enum Name {
    kGanjitsu = 1,
    kSeijin = 2,
    kKenkoku = 3,
    kShunbun = 4,
    kMidori = 5,
    kKenpo = 6,
    kKodomo = 8,
    kUmi = 9,
    kKeiro = 10,
    kShubun = 11,
    kTaiiku = 12,
    kBunka = 13,
    kKinro = 14,
    kTenno = 15,
    kFurikae = 16,
    kShowa = 17,
    kYama = 18,
    kSports = 19,
    kKyujitsu = 20,  // 国民の休日
    kKekkon = 21,
    kTaiso = 22,
    kSokuirei = 23,
    kSokui = 24,
};

constexpr int kEquinox = -1;  // as the day of a rule: the equinox of its month
constexpr int kToday = 9999;  // as the last year of a rule: still in force

// A holiday of every year from first to last: on day of month, or, when
// monday is above 0, on that Monday of the month (2 = the second Monday).
struct YearlyRule {
    int first;
    int last;
    int month;
    int day;
    int monday;
    int name;
};

// The law of 20 July 1948 and its amendments. The rows of 1948 all fall
// after 20 July; the three holidays of 2020 and 2021 that the Olympic years
// moved are among the single days below.
const YearlyRule kYearly[] = {
    {1949, kToday, 1, 1, 0, kGanjitsu},        // 元日
    {1949, 1999, 1, 15, 0, kSeijin},           // 成人の日
    {2000, kToday, 1, 0, 2, kSeijin},          // 成人の日
    {1967, kToday, 2, 11, 0, kKenkoku},        // 建国記念の日
    {2020, kToday, 2, 23, 0, kTenno},          // 天皇誕生日
    {1949, kToday, 3, kEquinox, 0, kShunbun},  // 春分の日
    {1949, 1988, 4, 29, 0, kTenno},            // 天皇誕生日
    {1989, 2006, 4, 29, 0, kMidori},           // みどりの日
    {2007, kToday, 4, 29, 0, kShowa},          // 昭和の日
    {1949, kToday, 5, 3, 0, kKenpo},           // 憲法記念日
    {2007, kToday, 5, 4, 0, kMidori},          // みどりの日
    {1949, kToday, 5, 5, 0, kKodomo},          // こどもの日
    {1996, 2002, 7, 20, 0, kUmi},              // 海の日
    {2003, 2019, 7, 0, 3, kUmi},               // 海の日
    {2022, kToday, 7, 0, 3, kUmi},             // 海の日
    {2016, 2019, 8, 11, 0, kYama},             // 山の日
    {2022, kToday, 8, 11, 0, kYama},           // 山の日
    {1966, 2002, 9, 15, 0, kKeiro},            // 敬老の日
    {2003, kToday, 9, 0, 3, kKeiro},           // 敬老の日
    {1948, kToday, 9, kEquinox, 0, kShubun},   // 秋分の日
    {1966, 1999, 10, 10, 0, kTaiiku},          // 体育の日
    {2000, 2019, 10, 0, 2, kTaiiku},           // 体育の日
    {2022, kToday, 10, 0, 2, kSports},         // スポーツの日
    {1948, kToday, 11, 3, 0, kBunka},          // 文化の日
    {1948, kToday, 11, 23, 0, kKinro},         // 勤労感謝の日
    {1989, 2018, 12, 23, 0, kTenno},           // 天皇誕生日
};

struct SingleDay {
    int year;
    int month;
    int day;
    int name;
};

// Holidays of one day by laws of their own, and the Olympic moves.
const SingleDay kSingle[] = {
    {1959, 4, 10, kKekkon},     // 皇太子明仁親王の結婚の儀
    {1989, 2, 24, kTaiso},      // 昭和天皇の大喪の礼
    {1990, 11, 12, kSokuirei},  // 即位礼正殿の儀
    {1993, 6, 9, kKekkon},      // 皇太子徳仁親王の結婚の儀
    {2019, 5, 1, kSokui},       // 天皇の即位の日
    {2019, 10, 22, kSokuirei},  // 即位礼正殿の儀
    {2020, 7, 23, kUmi},        // 海の日
    {2020, 7, 24, kSports},     // スポーツの日
    {2020, 8, 10, kYama},       // 山の日
    {2021, 7, 22, kUmi},        // 海の日
    {2021, 7, 23, kSports},     // スポーツの日
    {2021, 8, 8, kYama},        // 山の日
};

struct Date {
    int year;
    int month;
    int day;
};

// Days from 1 January 1970, proleptic Gregorian.
constexpr std::int32_t DayNumber(int year, int month, int day)
{
    const int y = year - (month <= 2);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

Date DateOf(std::int32_t n)
{
    n += 719468;
    const int era = (n >= 0 ? n : n - 146096) / 146097;
    const int dayOfEra = n - era * 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int shifted = (5 * dayOfYear + 2) / 153;
    const int month = shifted < 10 ? shifted + 3 : shifted - 9;
    return {yearOfEra + era * 400 + (month <= 2), month, dayOfYear - (153 * shifted + 2) / 5 + 1};
}

// 0 = Sunday; 1 January 1970 was a Thursday.
int Weekday(std::int32_t n)
{
    return static_cast<int>(((n % 7) + 11) % 7);
}

// The law's dates: 振替休日 from 12 April 1973, the day between two holidays
// from 27 December 1985, and the rules of both as rewritten from 2007.
constexpr std::int32_t kFurikaeFrom = DayNumber(1973, 4, 12);
constexpr std::int32_t kKyujitsuFrom = DayNumber(1985, 12, 27);
constexpr std::int32_t kLaw2007 = DayNumber(2007, 1, 1);

// A holiday the law names (国民の祝日), the single days included: the law of
// 2019 counts its day as one for the days between, and no other single day
// has a holiday or a Sunday beside it.
int NamedHoliday(std::int32_t n, const EquinoxDays& equinoxes)
{
    const Date date = DateOf(n);
    for (const SingleDay& single : kSingle) {
        if (single.year == date.year && single.month == date.month && single.day == date.day)
            return single.name;
    }
    for (const YearlyRule& rule : kYearly) {
        if (rule.month != date.month || date.year < rule.first || date.year > rule.last)
            continue;
        bool on;
        if (rule.day == kEquinox)
            on = date.day == (rule.month == 3 ? equinoxes.nMarch : equinoxes.nSeptember);
        else if (rule.monday > 0)
            on = Weekday(n) == 1 && (date.day - 1) / 7 + 1 == rule.monday;
        else
            on = date.day == rule.day;
        if (on)
            return rule.name;
    }
    return 0;
}

// For a day that is no named holiday: a named holiday on a Sunday moves to
// the next day (until 2006) or to the first following day that is no named
// holiday (from 2007).
bool IsFurikae(std::int32_t n, const EquinoxDays& equinoxes)
{
    for (std::int32_t before = n - 1; NamedHoliday(before, equinoxes) > 0; --before) {
        if (Weekday(before) == 0)
            return before >= kFurikaeFrom;
        if (n < kLaw2007)
            return false;
    }
    return false;
}

}  // namespace

int LawHolidayOf(int year, int month, int day, const EquinoxDays& equinoxes)
{
    // Nothing before the law; the upper bound keeps the arithmetic far from overflow.
    if (year < 1948 || year > kToday || month < 1 || month > 12 || day < 1 || day > 31)
        return 0;
    const std::int32_t n = DayNumber(year, month, day);
    if (DateOf(n).month != month)
        return 0;
    if (const int name = NamedHoliday(n, equinoxes))
        return name;
    if (IsFurikae(n, equinoxes))
        return kFurikae;
    // The day between two named holidays; until 2006 not on a Sunday (nor on
    // a 振替休日, which came first above), from 2007 on any day.
    if (n >= kKyujitsuFrom && NamedHoliday(n - 1, equinoxes) > 0 && NamedHoliday(n + 1, equinoxes) > 0 &&
        (n >= kLaw2007 || Weekday(n) != 0))
        return kKyujitsu;
    return 0;
}
