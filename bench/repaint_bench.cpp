// One full repaint of the main window (month table and grid on an off-screen
// bitmap of the toolkit) and the time from opening the main window to its
// first painted month. Needs a display: without one, run it as
//   xvfb-run -a build/bench/bench_repaint
#include <chrono>
#include <cstdio>
#include <string>

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/init.h>
#include <wx/utils.h>

#include "core/settings/status.h"
#include "desktop/app/app_globals.h"
#include "desktop/app/main_frame.h"
#include "desktop/app/my_window.h"
#include "desktop/resources/resources.h"

namespace {

class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

void BM_RepaintMonth(benchmark::State& state)
{
    TMainFrame* frame = TMainFrame::Open();
    TMyWindow* window = frame->Client();
    CStatus::TableType = static_cast<int>(state.range(0));
    const wxSize size = window->GetClientSize();
    wxBitmap bitmap(size.x, size.y, 24);
    wxMemoryDC dc(bitmap);
    int step = 0;
    for (auto _ : state) {
        // Holding Shift+Down: every repaint shows the next month.
        ActDate[0] = 2000 + step / 12;
        ActDate[1] = step % 12 + 1;
        step = (step + 1) % 1200;
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        window->PaintMonth(dc);
    }
    dc.SelectObject(wxNullBitmap);
    frame->Destroy();
    wxTheApp->ProcessIdle();
}
BENCHMARK(BM_RepaintMonth)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BM_OpenToFirstPaintedMonth(benchmark::State& state)
{
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        TMainFrame* frame = TMainFrame::Open();
        bool painted = false;
        frame->Client()->Bind(wxEVT_PAINT, [&painted](wxPaintEvent& event) {
            painted = true;
            event.Skip();  // the window's own paint handler draws the month
        });
        while (!painted)
            wxYield();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        frame->Destroy();
        wxTheApp->ProcessIdle();
    }
}
BENCHMARK(BM_OpenToFirstPaintedMonth)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    const auto start = std::chrono::steady_clock::now();
    wxApp::SetInstance(new BenchApp);
    char name[] = "bench_repaint";
    char* toolkitArguments[] = {name, nullptr};
    int toolkitCount = 1;
    if (!wxEntryStart(toolkitCount, toolkitArguments)) {
        std::fprintf(stderr, "bench_repaint: no display; run it under xvfb-run -a\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    resources::InitResources();
    const std::chrono::duration<double, std::milli> toolkitStart = std::chrono::steady_clock::now() - start;
    benchmark::AddCustomContext("toolkit_start_ms", std::to_string(toolkitStart.count()));

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
