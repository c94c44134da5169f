// Window tests share one toolkit start on a plain application object (no main
// frame of its own); each test builds the frames it needs.
#include <cstdio>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

#include "desktop/platform/toolkit_language.h"
#include "desktop/resources/resources.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp);
    char name[] = "app_tests";
    char* toolkitArguments[] = {name, nullptr};
    int toolkitCount = 1;
    if (!wxEntryStart(toolkitCount, toolkitArguments)) {
        std::fprintf(stderr, "app_tests: the toolkit cannot start (no display?)\n");
        return 1;
    }
    // A toolkit error would otherwise open a modal log window that nobody
    // answers; on stderr it shows up in the test output instead.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    wxTheApp->CallOnInit();
    platform::UseJapaneseToolkitTexts();  // as the program starts
    resources::InitResources();
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
