// A picture of the main window, main_window.png. It runs in a process and on
// a display of its own (see CMakeLists.txt): after many windows have come and
// gone, the virtual display's screen may still show their old pixels where
// the frame is.
#include <gtest/gtest.h>

#include "desktop/app/main_frame.h"
#include "desktop/app/my_window.h"
#include "tests/app/views_screenshot.h"

using ScreenshotTest = ViewsTest;

TEST_F(ScreenshotTest, MainWindowOfAMonthWithHolidaysTermsAndEvents)
{
    WriteFile("VESOMA.ini", "[VESOMA]\nTable=2\nEventInfo=0\n");
    WriteFile("VESOMA.CAL", "****/ 5/ 3,憲法の日の集い\r\n****/**/第２火曜日,定例会\r\n");
    TMainFrame* frame = StartProgram();
    frame->Move(0, 0);
    PumpEvents();
    frame->Client()->CellSet(12);
    const wxImage picture = Screenshot(frame, "main_window.png");
    EXPECT_GT(CountColour(picture, 255, 0, 0), 0);    // Sundays and holidays
    EXPECT_GT(CountColour(picture, 0, 64, 255), 0);   // the solar terms
    EXPECT_GT(CountColour(picture, 0, 128, 128), 0);  // the events
}
