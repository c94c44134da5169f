// The application object: builds the main frame and runs the message loop.
#pragma once

#include <wx/app.h>

class TMyApp : public wxApp {
public:
    bool OnInit() override;
    int OnExit() override;

private:
    void InitMainWindow();
};
