// Painting the main window's month (month table and grid) onto an off-screen
// bitmap of the toolkit, and the time from opening the main window to its
// first painted month. Needs a display: without one, run it as
//   xvfb-run -a build/bench/bench_repaint
//
// The window keeps a picture of every text it has drawn, by font, colour and
// text (desktop/platform/text_image_cache.h); laying a text out costs far more
// than painting its picture. Hence three repaints:
//   RepaintMonth_Warm      the month on screen painted again, as after an
//                          expose or a scroll: every picture is there, and the
//                          month table's sun and moon series remember every
//                          moment it needs.
//   RepaintMonth_NextMonth holding Shift+Down: the pictures of texts that
//                          earlier months showed are there, the texts new to
//                          the month are laid out (and the cache starts over
//                          whenever it reaches its limit of pictures).
//   RepaintMonth_Cold      the first paint in a newly opened window, whose
//                          picture cache is empty: every text is laid out and
//                          its picture made. Months far apart each time. Only
//                          the paint is timed, not the opening of the window;
//                          the toolkit's own font caches are warm from the
//                          windows opened before.
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

void Close(TMainFrame* frame)
{
    frame->Destroy();
    wxTheApp->ProcessIdle();
}

// A bitmap of the client area's size, cleared before each paint as the
// toolkit clears a window.
class OffScreen {
public:
    explicit OffScreen(TMyWindow* window)
        : window_(window), bitmap_(window->GetClientSize().x, window->GetClientSize().y, 24), dc_(bitmap_)
    {
    }
    ~OffScreen() { dc_.SelectObject(wxNullBitmap); }
    void Paint()
    {
        dc_.SetBackground(*wxWHITE_BRUSH);
        dc_.Clear();
        window_->PaintMonth(dc_);
    }

private:
    TMyWindow* window_;
    wxBitmap bitmap_;
    wxMemoryDC dc_;
};

void BM_RepaintMonth_Warm(benchmark::State& state)
{
    TMainFrame* frame = TMainFrame::Open();
    TMyWindow* window = frame->Client();
    CStatus::TableType = static_cast<int>(state.range(0));
    ActDate[0] = 2001;
    ActDate[1] = 5;
    {
        OffScreen screen(window);
        screen.Paint();  // the month is on screen
        for (auto _ : state)
            screen.Paint();
    }
    Close(frame);
}
BENCHMARK(BM_RepaintMonth_Warm)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BM_RepaintMonth_NextMonth(benchmark::State& state)
{
    TMainFrame* frame = TMainFrame::Open();
    TMyWindow* window = frame->Client();
    CStatus::TableType = static_cast<int>(state.range(0));
    int step = 0;
    {
        OffScreen screen(window);
        for (auto _ : state) {
            ActDate[0] = 2000 + step / 12;
            ActDate[1] = step % 12 + 1;
            step = (step + 1) % 1200;
            screen.Paint();
        }
    }
    Close(frame);
}
BENCHMARK(BM_RepaintMonth_NextMonth)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BM_RepaintMonth_Cold(benchmark::State& state)
{
    CStatus::TableType = static_cast<int>(state.range(0));
    int month = 0;
    for (auto _ : state) {
        TMainFrame* frame = TMainFrame::Open();
        TMyWindow* window = frame->Client();
        ActDate[0] = 1900 + month / 12;
        ActDate[1] = month % 12 + 1;
        month = (month + 101) % 2412;
        {
            OffScreen screen(window);
            const auto start = std::chrono::steady_clock::now();
            screen.Paint();
            const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
            state.SetIterationTime(elapsed.count());
        }
        Close(frame);
    }
}
BENCHMARK(BM_RepaintMonth_Cold)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(5)
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
        Close(frame);
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
