// The day window's body on the character-cell surface: dates, signs, notes,
// events and the fortune paragraphs in their lines and colours.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "almanac/almanac_notes.h"
#include "almanac/vesoma.h"
#include "almanac/vocabulary.h"
#include "events/events.h"
#include "fortune/fortune_file.h"
#include "platform/cell_surface.h"
#include "platform/sjis.h"
#include "views/day_view.h"

namespace {

using platform::Rgb;
using platform::SjisText;

// The first day from year to year + 30 for which wanted holds.
DayEntry FindDay(int year, const std::function<bool(const DayEntry&)>& wanted)
{
    Vesoma table;
    for (int month = 0; month < 12 * 30; ++month) {
        const int date[3] = {year + month / 12, month % 12 + 1, 1};
        table.SetCalender(date);
        for (int d = 0; d < table.nDays; ++d) {
            if (wanted(table.Day[d]))
                return table.Day[d];
        }
    }
    ADD_FAILURE() << "no such day";
    return table.Day[0];
}

int Notes(const DayEntry& day)
{
    return (day.nReki >> 1) & 0x7F;
}

bool IsPlain(const DayEntry& day)
{
    return day.nHoly == 0 && day.nSekki == 0 && Notes(day) == 0 && day.nUrus == 0;
}

// A fortune file whose record r reads "R" and r in three digits, then "=text".
class FortuneRecords {
public:
    FortuneRecords()
    {
        char pattern[] = "/tmp/vesoma-day-XXXXXX";
        folder_ = mkdtemp(pattern);
        std::string bytes;
        for (int r = 0; r < 68; ++r) {
            char record[FUms::nRecordSize + 1];
            std::snprintf(record, sizeof record, "R%03d=text/E", r);
            std::string padded(record);
            padded.resize(FUms::nRecordSize, ' ');
            bytes += padded;
        }
        const std::string path = folder_ + "/vesoma.ums";
        std::ofstream(path, std::ios::binary) << bytes;
        loaded = fortune.LoadUmsFile(path.c_str());
    }
    ~FortuneRecords() { std::filesystem::remove_all(folder_); }

    FUms fortune;
    int loaded = 0;

private:
    std::string folder_;
};

class DayWindowBody : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(records.loaded, 1); }
    void TearDown() override
    {
        Events::hMem.clear();
        Events::nCount = 0;
    }

    // Stores count events on day, the first one named firstName.
    void StoreEvents(const DayEntry& day, int count, const std::string& firstName = "")
    {
        Events::hMem.clear();
        for (int i = 0; i < count; ++i) {
            EventRecord record{day.nYear, day.nMonth, day.nDay, -1, {}};
            const std::string name = i == 0 && !firstName.empty() ? firstName : "event" + std::to_string(i);
            std::strncpy(record.szEvent, name.c_str(), sizeof record.szEvent - 1);
            Events::hMem.push_back(record);
        }
        Events::nCount = count;
    }

    DayViewExtent Draw(const DayEntry& day, bool withFortune = true)
    {
        return DrawVesomaDay(surface, day, store, withFortune ? &records.fortune : nullptr);
    }
    std::string At(int column, int row, int count) const { return surface.TextAt(column, row, count); }
    // The fortune records drawn from row on, in order, until a row without one.
    std::vector<int> RecordsFrom(int row) const
    {
        std::vector<int> shown;
        for (; row < surface.Rows() && At(2, row, 1) == "R"; ++row)
            shown.push_back(std::atoi(At(3, row, 3).c_str()));
        return shown;
    }

    FortuneRecords records;
    Events store;
    platform::CellSurface surface{80, 30, 8, 16};
};

const Rgb kBlack{0, 0, 0};
const Rgb kRed{255, 0, 0};

}  // namespace

TEST_F(DayWindowBody, PlainDayShowsTwoLinesAndThreeParagraphs)
{
    const DayEntry day = FindDay(2001, IsPlain);
    const DayViewExtent extent = Draw(day);

    char dates[64];
    std::snprintf(dates, sizeof dates, SjisText("%4d年%2d月%2d日"), day.nYear, day.nMonth, day.nDay);
    EXPECT_EQ(At(1, 0, 14), dates);
    // The weekday at column 33 covers the right half of the closing bracket.
    std::snprintf(dates, sizeof dates, SjisText("（旧暦   %2d月%2d日"), day.nInMonth, day.nInDay);
    EXPECT_EQ(At(15, 0, 17), dates);
    const int weekday = (day.nWeekCode % 32) % 7;
    EXPECT_EQ(At(33, 0, 6), std::string(szWeek[weekday], 2) + SjisText("曜日"));
    EXPECT_EQ(At(42, 0, 38), std::string(38, ' '));

    EXPECT_EQ(At(14, 1, 26), std::string(szTen[day.nKanshi % 10], 2) + std::string(szChi[day.nKanshi % 12], 2) +
                                  "  " + std::string(szRoki[day.nRoki], 4) + "  " + std::string(szKusei[day.nKusei], 4) +
                                  "  " + std::string(szShuku[day.nShuku], 2) + SjisText("宿") + "  " +
                                  std::string(szChoku[day.nChoku], 2));
    EXPECT_EQ(surface.ColourAt(14, 1), kBlack);

    EXPECT_EQ(At(0, 2, 80), std::string(80, ' '));
    EXPECT_EQ(At(2, 3, 10), SjisText("《運　勢》"));
    EXPECT_EQ(RecordsFrom(4), (std::vector<int>{day.nRoki, 7 + day.nShuku, 36 + 2 * day.nChoku}));
    EXPECT_EQ(At(6, 4, 5), "=text");
    EXPECT_EQ(extent.nColumns, 50);  // 400 pixels of 8
    EXPECT_EQ(extent.nLines, 7);
}

TEST_F(DayWindowBody, WithoutFortuneTheBodyEndsAfterTheSigns)
{
    const DayEntry day = FindDay(2001, IsPlain);
    const DayViewExtent extent = Draw(day, false);
    EXPECT_EQ(At(0, 3, 80), std::string(80, ' '));
    EXPECT_EQ(extent.nLines, 3);
}

TEST_F(DayWindowBody, HolidayPushesTheTermRightAndTurnsTheWeekdayRed)
{
    const DayEntry day = FindDay(1990, [](const DayEntry& d) { return d.nHoly > 0 && d.nSekki > 0; });
    const DayViewExtent extent = Draw(day);
    const std::string holiday = szHolyday[day.nHoly];
    EXPECT_EQ(At(42, 0, static_cast<int>(holiday.size())), holiday);
    EXPECT_EQ(surface.ColourAt(42, 0), kRed);
    EXPECT_EQ(surface.ColourAt(33, 0), kRed);
    const int term = 42 + static_cast<int>(holiday.size()) + 2;
    EXPECT_EQ(At(term, 0, 4), std::string(szSekki[day.nSekki - 1], 4));
    EXPECT_EQ(surface.ColourAt(term, 0), (Rgb{0, 64, 255}));
    EXPECT_EQ(extent.nColumns, term + 5);
}

TEST_F(DayWindowBody, LeapMonthMarkSitsAfterTheWordForLunarCalendar)
{
    const DayEntry day = FindDay(2001, [](const DayEntry& d) { return d.nUrus == 1; });
    Draw(day);
    EXPECT_EQ(At(15, 0, 8), SjisText("（旧暦閏"));
}

TEST_F(DayWindowBody, NotesAddTheirParagraphsAfterTheOfficer)
{
    const DayEntry day = FindDay(2000, [](const DayEntry& d) { return Notes(d) == 0x06; });
    const DayViewExtent extent = Draw(day);
    EXPECT_EQ(At(14, 2, 10), szReki[2]);
    EXPECT_EQ(At(26, 2, 6), szReki[3]);
    EXPECT_EQ(At(2, 4, 10), SjisText("《運　勢》"));
    EXPECT_EQ(RecordsFrom(5), (std::vector<int>{day.nRoki, 7 + day.nShuku, 36 + 2 * day.nChoku, 62, 63}));
    EXPECT_EQ(extent.nLines, 10);
}

TEST_F(DayWindowBody, EventsOnePerLineThenTheFortuneBelowThem)
{
    DayEntry day = FindDay(2001, IsPlain);
    StoreEvents(day, 1);
    day.nEvent = 1;
    Draw(day);
    EXPECT_EQ(At(8, 3, 7), "event0 ");
    EXPECT_EQ(At(2, 5, 10), SjisText("《運　勢》"));
}

TEST_F(DayWindowBody, ElevenEventsMoveTheFortuneTwoLinesFurther)
{
    DayEntry day = FindDay(2001, IsPlain);
    const std::string longName(58, 'L');
    StoreEvents(day, 11, longName);
    day.nEvent = 11;
    const DayViewExtent extent = Draw(day);
    EXPECT_EQ(At(8, 3, 59), longName + " ");
    for (int i = 1; i < 11; ++i)
    {
        const std::string name = "event" + std::to_string(i) + " ";
        EXPECT_EQ(At(8, 3 + i, static_cast<int>(name.size())), name) << i;
    }
    EXPECT_EQ(At(0, 14, 80), std::string(80, ' '));
    EXPECT_EQ(At(0, 15, 80), std::string(80, ' '));
    EXPECT_EQ(At(2, 16, 10), SjisText("《運　勢》"));
    EXPECT_EQ(RecordsFrom(17).size(), 3u);
    EXPECT_EQ(extent.nColumns, 60);  // the long event's text and its blank, plus one
    EXPECT_EQ(extent.nLines, 20);
}

TEST_F(DayWindowBody, NoMoreEventsThanTheMonthDrawingCounted)
{
    DayEntry day = FindDay(2001, IsPlain);
    StoreEvents(day, 3);
    day.nEvent = 2;
    Draw(day, false);
    EXPECT_EQ(At(8, 4, 6), "event1");
    EXPECT_EQ(At(8, 5, 6), "      ");
}

TEST(DayWindowShownDay, StaysInsideTheMonth)
{
    Vesoma table;
    const int february[3] = {2001, 2, 1};
    table.SetCalender(february);
    const int thirtyFirst[3] = {2001, 2, 31};
    table.SetDate(thirtyFirst);
    EXPECT_EQ(ShownDay(table).nDay, 28);
    const int tenth[3] = {2001, 2, 10};
    table.SetDate(tenth);
    EXPECT_EQ(ShownDay(table).nDay, 10);
    Vesoma empty;
    EXPECT_EQ(&ShownDay(empty), &empty.Day[0]);
}
