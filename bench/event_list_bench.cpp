// Opening the event list with 100,000 events: the dialog built from its
// resource, every record line listed in CP932 order, shown and drawn. Needs a
// display: without one, run it as
//   xvfb-run -a build/bench/bench_event_list
#include <cstdio>

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/listbox.h>

#include "bench/event_file.h"
#include "desktop/dialogs/event_list_dialog.h"
#include "desktop/resources/resources.h"

namespace {

class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

void BM_OpenEventList100000Events(benchmark::State& state)
{
    static const BenchEventFile file(100000);
    if (Evs.LoadEvent(file.path.c_str()) != 1 || Events::nCount != 100000)
        state.SkipWithError("the event file did not load");
    auto* owner = new wxFrame(nullptr, wxID_ANY, "");
    owner->Show();
    for (auto _ : state) {
        auto* list = new EventListDialog(owner, "EventListBox", &Evs);
        list->Show();
        list->Update();
        wxTheApp->ProcessPendingEvents();
        if (list->pList == nullptr || list->pList->GetCount() != 100000)
            state.SkipWithError("the list is not complete");
        state.PauseTiming();
        list->Destroy();
        wxTheApp->ProcessIdle();
        state.ResumeTiming();
    }
    owner->Destroy();
    wxTheApp->ProcessIdle();
}
BENCHMARK(BM_OpenEventList100000Events)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    wxApp::SetInstance(new BenchApp);
    char name[] = "bench_event_list";
    char* toolkitArguments[] = {name, nullptr};
    int toolkitCount = 1;
    if (!wxEntryStart(toolkitCount, toolkitArguments)) {
        std::fprintf(stderr, "bench_event_list: no display; run it under xvfb-run -a\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    resources::InitResources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
