#include "core/settings/window_place.h"

#include <algorithm>
#include <charconv>
#include <utility>
#include <vector>

#include "platform/profile.h"

namespace {

const char* const kGeometryKeys[4] = {"WindowX", "WindowY", "WindowWidth", "WindowHeight"};

// The whole value as an integer; false for an empty value, other characters
// or a number out of range.
bool ReadWhole(const std::string& file, const char* section, const char* key, int* value)
{
    const std::string text = platform::ReadProfileString(file, section, key, "");
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, *value);
    return !text.empty() && error == std::errc() && stop == end;
}

}  // namespace

WindowPlace ReadWindowPlace(const std::string& file, const char* section)
{
    WindowPlace place;
    place.bGeometry = true;
    for (int i = 0; i < 4; ++i)
        place.bGeometry = ReadWhole(file, section, kGeometryKeys[i], &place.rect[i]) && place.bGeometry;
    place.bGeometry = place.bGeometry && place.rect[2] > 0 && place.rect[3] > 0;
    place.bDayWindow = platform::ReadProfileInt(file, section, "DayWindow", 0) > 0;
    place.bRokyoWindow = platform::ReadProfileInt(file, section, "RokyoWindow", 0) > 0;
    return place;
}

bool WriteWindowPlace(const std::string& file, const char* section, const WindowPlace& place)
{
    std::vector<std::pair<const char*, int>> values = {{"DayWindow", place.bDayWindow},
                                                       {"RokyoWindow", place.bRokyoWindow}};
    for (int i = 0; i < 4; ++i)
        values.emplace_back(kGeometryKeys[i], place.rect[i]);
    for (const auto& [key, value] : values) {
        if (!platform::WriteProfileString(file, section, key, std::to_string(value).c_str()))
            return false;
    }
    return true;
}

void ClampIntoScreen(int* rect, const int* screen)
{
    for (int axis = 0; axis < 2; ++axis) {
        int& start = rect[axis];
        int& length = rect[axis + 2];
        length = std::min(length, screen[axis + 2]);
        start = std::clamp(start, screen[axis], screen[axis] + screen[axis + 2] - length);
    }
}
