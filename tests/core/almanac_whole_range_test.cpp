// Every day the almanac shows, 1900-2100, against rules stated here on their
// own: the civil calendar, the cycles, the officers, the nine stars, the
// substitute holidays and the almanac notes.
#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/almanac/vesoma.h"

namespace {

// A day of the table with its place in the sixty-day cycle and its solar
// month, counted from the 節 terms that open them: 立春 (term 21) the first,
// each 節 two terms on the next, 小寒 (term 19) the twelfth, here 0.
struct Day {
    DayEntry e;
    int g;
    int solarMonth;
};

const std::vector<Day>& Days()
{
    static const std::vector<Day> days = [] {
        std::vector<Day> all;
        Vesoma table;
        int solarMonth = 11;  // 1 January 1900 lay in the month from 大雪
        for (int month = 0; month < 201 * 12; ++month) {
            const int date[3] = {1900 + month / 12, month % 12 + 1, 1};
            table.SetCalender(date);
            for (int i = 0; i < table.nDays; ++i) {
                if (table.Day[i].nSekki > 0 && table.Day[i].nSekki % 2 == 0)
                    solarMonth = (table.Day[i].nSekki + 4) / 2 % 12;
                // 1 January 1900 was 甲戌, the 11th day of the cycle.
                all.push_back({table.Day[i], static_cast<int>((10 + all.size()) % 60), solarMonth});
            }
        }
        return all;
    }();
    return days;
}

std::string When(const Day& d)
{
    return std::to_string(d.e.nYear) + "/" + std::to_string(d.e.nMonth) + "/" + std::to_string(d.e.nDay);
}

const std::string kStems = "甲乙丙丁戊己庚辛壬癸";
const std::string kBranches = "子丑寅卯辰巳午未申酉戌亥";

std::string Branch(int g)
{
    return kBranches.substr(g % 12 * 3, 3);
}
std::string Sign(int g)
{
    return kStems.substr(g % 10 * 3, 3) + Branch(g);
}
// The signs from first to last through the cycle.
std::vector<bool> Span(const std::string& first, const std::string& last)
{
    std::vector<bool> in(60);
    int g = 0;
    while (Sign(g) != first)
        ++g;
    for (; Sign(g % 60) != last; ++g)
        in[g % 60] = true;
    in[g % 60] = true;
    return in;
}

TEST(WholeRange, CivilDatesLunisolarMonthsAndTheCyclesRunOnDayByDay)
{
    const std::vector<Day>& days = Days();
    ASSERT_EQ(days.size(), 73414u);  // 201 years, 49 of them leap years
    for (std::size_t i = 1; i < days.size(); ++i) {
        const DayEntry& a = days[i - 1].e;
        const DayEntry& d = days[i].e;
        SCOPED_TRACE(When(days[i]));
        const bool leap = a.nYear % 4 == 0 && (a.nYear % 100 != 0 || a.nYear % 400 == 0);
        const bool last = a.nDay == (a.nMonth == 2 ? 28 + leap : 30 + (a.nMonth + a.nMonth / 8) % 2);
        ASSERT_EQ((std::array{d.nYear, d.nMonth, d.nDay}),
                  (std::array{a.nYear + (last && a.nMonth == 12), last ? a.nMonth % 12 + 1 : a.nMonth,
                              last ? 1 : a.nDay + 1}));
        // 1 January 1900 was a Monday; the week code counts the weekday's turn.
        ASSERT_EQ(d.nWeekCode, static_cast<int>((1 + i) % 7) + 32 * ((d.nDay - 1) / 7 + 1));
        ASSERT_EQ(d.nKanshi, days[i].g);
        ASSERT_EQ(d.nShuku, (a.nShuku + 1) % 28);
        // Lunisolar months of 29 or 30 days; a leap month repeats the number
        // of the plain month before it.
        if (d.nInDay == 1)
            ASSERT_TRUE((a.nInDay == 29 || a.nInDay == 30) &&
                        (d.nUrus == 0 || (a.nUrus == 0 && a.nInMonth == d.nInMonth)));
        else
            ASSERT_EQ((std::array{d.nInDay, d.nInMonth, d.nUrus}),
                      (std::array{a.nInDay + 1, a.nInMonth, a.nUrus}));
        // 先勝 on the 1st of the first month, 友引 on the 1st of the second ...
        ASSERT_EQ(d.nRoki, (d.nInMonth + d.nInDay - 2) % 6);
        // 建 falls on the days of the solar month's own branch, 寅 in the first.
        ASSERT_EQ(d.nChoku, (days[i].g - days[i].solarMonth - 1 + 24) % 12);
    }
}

TEST(WholeRange, NineStarPeriodsBeginBeforeEachSolsticeByItsDistanceInTheCycle)
{
    // A period begins C days before the solstice day whose place in the cycle
    // is C, or 60 - C days before when C is beyond 29: ascending from 一白 (0)
    // at the winter solstice, descending from 九紫 (8) at the summer one.
    const std::vector<Day>& days = Days();
    std::vector<std::pair<std::size_t, bool>> periods;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const DayEntry& d = days[i].e;
        if (d.nSekki != 7 && d.nSekki != 19)  // 夏至, 冬至
            continue;
        // In universal time these years' solstices fall on 20 to 22 June and 21
        // to 22 December, so in Japan on 20 to 23 June or 21 to 23 December.
        ASSERT_TRUE(d.nMonth == 6 + 6 * (d.nSekki == 19) && d.nDay >= 20 + (d.nMonth == 12) && d.nDay <= 23)
            << When(days[i]);
        const int c = days[i].g;
        periods.emplace_back(i - static_cast<std::size_t>(c <= 29 ? c : 60 - c), d.nMonth == 12);
    }
    ASSERT_EQ(periods.size(), 402u);
    periods.emplace_back(days.size(), false);
    for (std::size_t p = 0; p + 1 < periods.size(); ++p) {
        for (std::size_t i = periods[p].first; i < periods[p + 1].first; ++i) {
            const int n = static_cast<int>((i - periods[p].first) % 9);
            ASSERT_EQ(days[i].e.nKusei, periods[p].second ? n : 8 - n) << When(days[i]);
        }
    }
}

TEST(WholeRange, SubstituteHolidayOnlyOnTheMondayAfterASundayHoliday)
{
    const std::vector<Day>& days = Days();
    int substitutes = 0;
    for (std::size_t i = 1; i < days.size(); ++i) {
        const DayEntry& d = days[i].e;
        const bool afterSundayHoliday = (1 + i) % 7 == 1 && d.nDay >= 3 && days[i - 1].e.nHoly > 0;
        EXPECT_TRUE(afterSundayHoliday ? d.nHoly != 0 : d.nHoly != 16) << When(days[i]);
        substitutes += d.nHoly == 16;
    }
    EXPECT_GT(substitutes, 200);
}

TEST(WholeRange, AlmanacNotesOnTheirDays)
{
    // By solar month, the twelfth (from 小寒) first.
    const char* const sanrinbo[12] = {"午", "亥", "寅", "午", "亥", "寅", "午", "亥", "寅", "午", "亥", "寅"};
    const std::string ichiryu[12] = {"子卯", "丑午", "寅酉", "子卯", "卯辰", "巳午",
                                     "午酉", "子未", "卯申", "午酉", "酉戌", "子亥"};
    // 天赦日, its seasons counted here from the months of 小寒, 清明, 小暑, 寒露.
    const char* const tensha[4] = {"戊寅", "甲午", "戊申", "甲子"};
    // 不成就日: lunisolar months 1 and 7 on the 3rd, 11th, 19th, 27th; 2 and 8 on the 2nd, 10th ...
    const int fujoju[6] = {3, 2, 1, 4, 5, 6};
    const std::vector<bool> tenjo = Span("癸巳", "戊申"), jippo = Span("甲申", "癸巳"),
                            hassen = Span("壬子", "癸亥");
    for (const Day& d : Days()) {
        const std::string branch = Branch(d.g);
        const int notes = 1 | (branch == sanrinbo[d.solarMonth]) << 1 |
                          (ichiryu[d.solarMonth].find(branch) != std::string::npos) << 2 |
                          (Sign(d.g) == tensha[d.solarMonth / 3]) << 3 |
                          ((d.e.nInDay - fujoju[(d.e.nInMonth - 1) % 6]) % 8 == 0) << 4 | tenjo[d.g] << 5 |
                          jippo[d.g] << 6 | hassen[d.g] << 7;
        ASSERT_EQ(d.e.nReki, notes) << When(d);
    }
}

}  // namespace
