#include "desktop/app/my_app.h"

#include "desktop/app/main_frame.h"
#include "desktop/platform/toolkit_language.h"
#include "desktop/platform/wx_message_box.h"
#include "desktop/resources/resources.h"

bool TMyApp::OnInit()
{
    // The program takes no arguments, so the base class has none to parse.
    platform::UseJapaneseToolkitTexts();
    InitMainWindow();
    return true;
}

void TMyApp::InitMainWindow()
{
    resources::InitResources();
    platform::InstallWxMessageBoxes();
    SetTopWindow(TMainFrame::Open());
}

int TMyApp::OnExit()
{
    // Boxes after this point could no longer be shown by the toolkit.
    platform::RemoveWxMessageBoxes();
    return wxApp::OnExit();
}
