// Window tests with pictures of the windows for people to look at, saved
// into the build tree beside the test program and never compared with a
// stored picture.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/imagpng.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include "tests/support/app_fixture.h"

class ViewsTest : public AppTest {
protected:
    // The window as the screen shows it, decorations included, once the
    // display server has shown what was painted; saved as name.
    static wxImage Screenshot(wxWindow* window, const std::string& name)
    {
        window->Raise();
        for (int i = 0; i < 20; ++i) {
            window->Update();
            wxMilliSleep(30);
            PumpEvents();
        }
        const wxRect area = window->GetScreenRect();
        wxBitmap bitmap(area.width, area.height, 24);
        wxMemoryDC memory(bitmap);
        wxScreenDC screen;
        memory.Blit(0, 0, area.width, area.height, &screen, area.x, area.y);
        memory.SelectObject(wxNullBitmap);
        if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
            wxImage::AddHandler(new wxPNGHandler);
        const wxImage image = bitmap.ConvertToImage();
        EXPECT_TRUE(
            image.SaveFile((std::filesystem::path(VESOMA_ARTIFACT_DIR) / name).string(), wxBITMAP_TYPE_PNG))
            << name;
        return image;
    }
};

// The open (not closing) top-level windows of class T.
template <class T>
std::vector<T*> OpenWindows()
{
    std::vector<T*> found;
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* typed = dynamic_cast<T*>(window); typed != nullptr && !window->IsBeingDeleted())
            found.push_back(typed);
    }
    return found;
}

// How many pixels of image inside area (all of it when empty) are near the colour (r, g, b).
inline int CountColour(const wxImage& image, int r, int g, int b, wxRect area = wxRect())
{
    int count = 0;
    const wxRect whole(0, 0, image.GetWidth(), image.GetHeight());
    const wxRect inside = area.IsEmpty() ? whole : area.Intersect(whole);
    for (int y = inside.GetTop(); y <= inside.GetBottom(); ++y) {
        for (int x = inside.GetLeft(); x <= inside.GetRight(); ++x) {
            count += std::abs(image.GetRed(x, y) - r) < 40 && std::abs(image.GetGreen(x, y) - g) < 40 &&
                     std::abs(image.GetBlue(x, y) - b) < 40;
        }
    }
    return count;
}

// What draws onto dc, painted on a white bitmap of size.
template <class Paint>
wxImage Render(const wxSize& size, Paint paint)
{
    wxBitmap bitmap(size.x, size.y, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    paint(dc);
    dc.SelectObject(wxNullBitmap);
    return bitmap.ConvertToImage();
}
