// The text form of a record, shared by the event file and the event list:
// parsing a line into the working record, validating it, and formatting it.
#include <climits>
#include <cstdio>
#include <cstring>

#include "core/events/events.h"
#include "core/vocabulary/vocabulary.h"
#include "platform/sjis.h"

using platform::SjisText;

const int nDateLimit[3][2] = {{1950, 2050}, {1, 12}, {1, 31}};

const char* const szWeekNum[6] = {
    SjisText("毎週"), SjisText("第１"), SjisText("第２"),
    SjisText("第３"), SjisText("第４"), SjisText("第５"),
};

namespace {

// The leading decimal integer after optional blanks, with an optional sign;
// 0 when there is none. Saturates instead of overflowing.
int NumericValue(const char* text)
{
    while (*text == ' ' || *text == '\t')
        ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

// Cuts text at every byte equal to separator, skipping empty pieces; fills at
// most maxPieces pointers and returns how many there are in all (up to
// maxPieces + 1, so that "more than expected" shows).
int CutPieces(char* text, char separator, char** pieces, int maxPieces)
{
    int count = 0;
    char* p = text;
    while (*p != '\0' && count <= maxPieces) {
        while (*p == separator)
            ++p;
        if (*p == '\0')
            break;
        char* start = p;
        while (*p != '\0' && *p != separator)
            ++p;
        if (*p != '\0')
            *p++ = '\0';
        if (count < maxPieces)
            pieces[count] = start;
        ++count;
    }
    return count;
}

void FormatLine(char* line, const char* year, const char* month, const char* third, const char* name)
{
    char text[nEventLineSize];
    std::snprintf(text, sizeof text, "%4s/%2s/%s,%s", year, month, third, name);
    platform::CopyCut(line, text, nEventLineSize - 1);
}

}  // namespace

int Events::SetEventList(int index, char* line)
{
    const EventRecords& records = hMem;
    if (index < 0 || index >= nCount || nCount > static_cast<int>(records.size()))
        return -1;
    const EventRecord& record = records[static_cast<std::size_t>(index)];
    nDate[0] = record.nYear;
    nDate[1] = record.nMonth;
    nDate[2] = record.nDay;
    nDate[3] = record.nWeekCode;
    std::memcpy(szEvent, record.szEvent, sizeof szEvent);
    szEvent[sizeof szEvent - 1] = '\0';
    return SetEvent(line);
}

int Events::SetEvent(char* line)
{
    const char* wildcards[3] = {"****", "**", "**"};
    for (int i = 0; i < 3; ++i) {
        if (nDate[i] == 0)
            std::snprintf(szDate[i], sizeof szDate[i], "%s", wildcards[i]);
        else
            std::snprintf(szDate[i], sizeof szDate[i], "%2d", nDate[i]);
    }
    szDate[3][0] = '\0';
    if (nDate[3] >= 0)
        SetWeekDate(nDate[3], szDate[3]);
    return SetEventList(line);
}

int Events::SetEventList(char* line)
{
    const char* third = szDate[3][0] != '\0' ? szDate[3] : szDate[2];
    FormatLine(line, szDate[0], szDate[1], third, szEvent);
    return 1;
}

void Events::SplitEvent(char* line)
{
    bWeek = 0;
    for (auto& text : szDate)
        std::strcpy(text, "*");
    szEvent[0] = '\0';

    char* pieces[2];
    int pieceCount = CutPieces(line, ',', pieces, 2);
    if (pieceCount == 0)
        return;
    if (pieceCount >= 2)
        platform::CopyCut(szEvent, pieces[1], sizeof szEvent - 1);

    char* tokens[3];
    int tokenCount = CutPieces(pieces[0], '/', tokens, 3);
    if (tokenCount == 1) {
        bWeek = 1;
        platform::CopyCut(szDate[3], tokens[0], sizeof szDate[3] - 1);
    } else if (tokenCount >= 3) {
        platform::CopyCut(szDate[0], tokens[0], sizeof szDate[0] - 1);
        platform::CopyCut(szDate[1], tokens[1], sizeof szDate[1] - 1);
        if (NumericValue(tokens[2]) == 0) {
            platform::CopyCut(szDate[3], tokens[2], sizeof szDate[3] - 1);
            szDate[2][0] = '\0';
            bWeek = 1;
        } else {
            platform::CopyCut(szDate[2], tokens[2], sizeof szDate[2] - 1);
        }
    }
    // Two date fields ("12/25") leave every text "*": no valid date, no
    // weekday rule, so the line is not a record.
}

int Events::CheckEventDate()
{
    const char* wildcards[3] = {"****", "**", "**"};
    nDate[3] = -1;
    bWeek = 0;
    int count = 0;
    for (int i = 0; i < 3; ++i) {
        nDate[i] = NumericValue(szDate[i]);
        if (nDate[i] >= nDateLimit[i][0] && nDate[i] <= nDateLimit[i][1]) {
            ++count;
        } else if (szDate[i][0] == '*' || szDate[i][0] == '\0') {
            std::strcpy(szDate[i], wildcards[i]);
            nDate[i] = 0;
            if (i < 2)
                ++count;
        }
    }
    if (count == 3)
        return 1;
    int rule[2];
    if (GetWeekDate(rule) != 1)
        return 0;
    nDate[3] = rule[0] * 32 + rule[1];
    bWeek = 1;
    return 1;
}

int Events::GetWeekDate(int* out)
{
    // A weekday word without an ordinal word means every week.
    out[0] = 0;
    for (int k = 0; k < 6; ++k) {
        if (platform::FindText(szDate[3], szWeekNum[k]) != nullptr) {
            out[0] = k;
            break;
        }
    }
    for (int w = 0; w < 7; ++w) {
        char word[16];
        std::snprintf(word, sizeof word, "%s%s", szWeek[w], SjisText("曜"));
        if (platform::FindText(szDate[3], word) != nullptr) {
            out[1] = w;
            return 1;
        }
    }
    return 0;
}

void Events::SetWeekDate(int code, char* text)
{
    // Residues in the non-negative range, so that no code reads outside the tables.
    int ordinal = ((code / 32) % 6 + 6) % 6;
    int weekday = ((code % 32) % 7 + 7) % 7;
    std::snprintf(text, sizeof szDate[3], "%s%s%s", szWeekNum[ordinal], szWeek[weekday], SjisText("曜日"));
}

void Events::SetWeekDate(int ordinal, int weekday)
{
    SetWeekDate(ordinal * 32 + weekday, szDate[3]);
}
