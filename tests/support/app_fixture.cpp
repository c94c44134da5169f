#include "tests/support/app_fixture.h"

#include <fstream>

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/utils.h>

#include "core/almanac/vesoma.h"
#include "core/events/events.h"
#include "core/settings/status.h"
#include "desktop/app/app_globals.h"
#include "desktop/app/main_frame.h"
#include "desktop/app/my_window.h"
#include "platform/clock.h"
#include "platform/sjis.h"

void AppTest::SetUp()
{
    previousDir_ = std::filesystem::current_path();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    workDir = std::filesystem::temp_directory_path() /
              (std::string("vesoma-app-") + info->test_suite_name() + "-" + info->name());
    std::filesystem::remove_all(workDir);
    std::filesystem::create_directories(workDir);
    std::filesystem::current_path(workDir);

    platform::SetToday(kToday);
    kc = Vesoma{};  // no test sees the month or day an earlier one left
    CStatus::bChildCreate = 0;
    CStatus::bRokyoCreate = 0;
    CStatus::EventInfo = 0;
    CStatus::TableType = 0;
    CStatus::UnseiDisp = 0;
}

void AppTest::TearDown()
{
    if (frame_)
        frame_->Destroy();
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

void AppTest::WriteFile(const std::string& name, const std::string& utf8Text)
{
    std::ofstream out(workDir / name, std::ios::binary);
    out << platform::ToSjis(utf8Text);
}

void AppTest::PumpEvents()
{
    for (int i = 0; i < 5; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxYield();
    }
}

void AppTest::SendCommand(TMainFrame* frame, int id)
{
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(frame);
    frame->GetEventHandler()->ProcessEvent(command);
}

wxImage AppTest::RenderMonth(TMyWindow* window)
{
    const wxSize size = window->GetClientSize();
    wxBitmap bitmap(size.x, size.y, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    window->DoPrepareDC(dc);
    window->PaintMonth(dc);
    dc.SelectObject(wxNullBitmap);
    return bitmap.ConvertToImage();
}
