// Where the main window was and which views were open when the program last
// closed: kept in the profile's section, restored at the next start.
#pragma once

#include <string>

struct WindowPlace {
    bool bGeometry = false;      // all four of rect were read
    int rect[4] = {0, 0, 0, 0};  // x, y, width, height of the frame
    bool bDayWindow = false;
    bool bRokyoWindow = false;
};

// Reads WindowX, WindowY, WindowWidth, WindowHeight, DayWindow and
// RokyoWindow. The geometry counts only when all four are whole numbers and
// the size is positive; anything else leaves it out, as a profile without the
// keys does.
WindowPlace ReadWindowPlace(const std::string& file, const char* section);

// Writes the six keys; false when the profile could not be written.
bool WriteWindowPlace(const std::string& file, const char* section, const WindowPlace& place);

// The rectangle {x, y, width, height} moved and shrunk into the screen area
// {left, top, width, height}: no larger than it, and wholly inside it.
void ClampIntoScreen(int* rect, const int* screen);
