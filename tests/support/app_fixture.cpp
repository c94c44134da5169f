#include "tests/support/app_fixture.h"

#include <fstream>

#include <unistd.h>
#include <wx/bitmap.h>
#include <wx/checkbox.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/html/helpfrm.h>
#include <wx/imagpng.h>
#include <wx/radiobut.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include "core/fortune/fortune_file.h"
#include "desktop/app/vesoma_window.h"
#include "platform/clock.h"

void AppTest::SetUp()
{
    previousDir_ = std::filesystem::current_path();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // One folder per process too: the same test may run in two processes at
    // once (under two locales, or in two build folders).
    workDir =
        std::filesystem::temp_directory_path() / (std::string("vesoma-app-") + info->test_suite_name() + "-" +
                                                  info->name() + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(workDir);
    std::filesystem::create_directories(workDir);
    std::filesystem::current_path(workDir);

    platform::SetToday(kToday);
    kc = Vesoma{};  // no test sees the month or day an earlier one left
    CStatus::bChildCreate = CStatus::bRokyoCreate = CStatus::bUmsLoad = 0;
    CStatus::EventInfo = CStatus::TableType = CStatus::UnseiDisp = 0;
    ums.hUms.clear();
    ums.nRecords = bUsingHelp = 0;
    TVesomaWindow::ptPosition = wxPoint(200, 80);  // where the day window first opens
}

void AppTest::TearDown()
{
    if (frame_)
        frame_->Destroy();
    if (owner_)
        owner_->Destroy();
    wxTheApp->ProcessIdle();  // frees the destroyed frame
    // Nothing a test added may be asked about or saved when the run ends.
    Evs.bModify = 0;
    platform::SetToday(nullptr);
    std::filesystem::current_path(previousDir_);
    std::filesystem::remove_all(workDir);
}

TMainFrame* AppTest::StartProgram()
{
    frame_ = TMainFrame::Open();
    return frame_;
}

wxFrame* AppTest::Owner()
{
    if (!owner_) {
        owner_ = new wxFrame(nullptr, wxID_ANY, "owner");
        owner_->Show();
    }
    return owner_;
}

void AppTest::WriteFile(const std::string& name, const std::string& utf8Text)
{
    std::ofstream(workDir / name, std::ios::binary) << platform::ToSjis(utf8Text);
}

void PumpEvents()
{
    for (int i = 0; i < 5; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxYield();
    }
}

void SendCommand(TMainFrame* frame, int id)
{
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(frame);
    frame->GetEventHandler()->ProcessEvent(command);
}

void Press(wxWindow* control)
{
    auto* check = dynamic_cast<wxCheckBox*>(control);
    auto* radio = dynamic_cast<wxRadioButton*>(control);
    if (check)
        check->SetValue(!check->GetValue());
    if (radio)
        radio->SetValue(true);
    wxCommandEvent event(check ? wxEVT_CHECKBOX : radio ? wxEVT_RADIOBUTTON : wxEVT_BUTTON, control->GetId());
    event.SetEventObject(control);
    event.SetInt(check ? check->GetValue() : radio != nullptr);
    control->GetEventHandler()->ProcessEvent(event);
}

void Click(wxWindow* window, int y, wxEventType type)
{
    wxMouseEvent click(type);
    click.SetPosition(wxPoint(5, y));
    click.SetEventObject(window);
    window->GetEventHandler()->ProcessEvent(click);
}

wxImage Render(const wxSize& size, const std::function<void(wxDC&)>& paint)
{
    wxBitmap bitmap(size.x, size.y, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    paint(dc);
    dc.SelectObject(wxNullBitmap);
    return bitmap.ConvertToImage();
}

wxImage RenderMonth(TMyWindow* window)
{
    return Render(window->GetClientSize(), [window](wxDC& dc) {
        window->DoPrepareDC(dc);
        window->PaintMonth(dc);
    });
}

std::string HelpPage()
{
    const std::vector<wxHtmlHelpFrame*> open = OpenWindows<wxHtmlHelpFrame>();
    return open.empty()
               ? ""
               : open[0]->GetHelpWindow()->GetHtmlWindow()->GetOpenedPage().AfterLast(':').utf8_string();
}

void SavePicture(const wxImage& image, const std::string& name)
{
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
        wxImage::AddHandler(new wxPNGHandler);
    const auto folder =
        std::filesystem::path(wxStandardPaths::Get().GetExecutablePath().utf8_string()).parent_path();
    EXPECT_TRUE(image.SaveFile((folder / name).string(), wxBITMAP_TYPE_PNG));
}

wxImage Screenshot(wxWindow* window, const std::string& name)
{
    window->Raise();
    for (int i = 0; i < 20; ++i) {
        window->Update();
        wxMilliSleep(30);
        PumpEvents();
    }
    const wxRect area = window->GetScreenRect();
    wxScreenDC screen;
    const wxImage image = Render(
        area.GetSize(), [&](wxDC& dc) { dc.Blit(0, 0, area.width, area.height, &screen, area.x, area.y); });
    SavePicture(image, name);
    return image;
}
