// A picture of the main window for people to look at: saved into the build
// tree as main_window.png, never compared with a stored picture. It runs in
// a process and on a display of its own (see CMakeLists.txt): after many
// windows have come and gone, the virtual display's screen may still show
// their old pixels where the frame is.
#include <filesystem>

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/imagpng.h>
#include <wx/image.h>
#include <wx/utils.h>

#include "app/app_globals.h"
#include "app/main_frame.h"
#include "app/my_window.h"
#include "app_fixture.h"

namespace {

// The frame as the screen shows it, decorations of the toolkit included.
wxImage GrabFrame(TMainFrame* frame)
{
    const wxRect area = frame->GetScreenRect();
    wxBitmap bitmap(area.width, area.height, 24);
    wxMemoryDC memory(bitmap);
    wxScreenDC screen;
    memory.Blit(0, 0, area.width, area.height, &screen, area.x, area.y);
    memory.SelectObject(wxNullBitmap);
    return bitmap.ConvertToImage();
}

bool HasColourNear(const wxImage& image, unsigned char r, unsigned char g, unsigned char b)
{
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (std::abs(image.GetRed(x, y) - r) < 40 && std::abs(image.GetGreen(x, y) - g) < 40 &&
                std::abs(image.GetBlue(x, y) - b) < 40)
                return true;
        }
    }
    return false;
}

}  // namespace

using ScreenshotTest = AppTest;

TEST_F(ScreenshotTest, MainWindowOfAMonthWithHolidaysTermsAndEvents)
{
    WriteFile("VESOMA.ini", "[VESOMA]\nTable=2\nEventInfo=0\n");
    WriteFile("VESOMA.CAL", "****/ 5/ 3,憲法の日の集い\r\n****/**/第２火曜日,定例会\r\n");
    TMainFrame* frame = StartProgram();
    frame->Move(0, 0);
    frame->Raise();
    PumpEvents();
    frame->Client()->CellSet(12);
    // The display server shows what was painted a moment later.
    for (int i = 0; i < 5; ++i) {
        frame->Update();
        wxMilliSleep(20);
        PumpEvents();
    }

    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
        wxImage::AddHandler(new wxPNGHandler);
    const wxImage picture = GrabFrame(frame);
    const std::filesystem::path file = std::filesystem::path(VESOMA_ARTIFACT_DIR) / "main_window.png";
    ASSERT_TRUE(picture.SaveFile(file.string(), wxBITMAP_TYPE_PNG));

    EXPECT_TRUE(HasColourNear(picture, 255, 0, 0));    // Sundays and holidays
    EXPECT_TRUE(HasColourNear(picture, 0, 64, 255));   // the solar terms
    EXPECT_TRUE(HasColourNear(picture, 0, 128, 128));  // the events
}
