#include "desktop/resources/help.h"

#include <strings.h>

#include <wx/html/helpctrl.h>
#include <wx/html/helpfrm.h>
#include <wx/html/helpwnd.h>

#include "core/settings/string_table.h"
#include "desktop/resources/help_line_breaks.h"

namespace resources {

namespace {

constexpr int kHelpUsageContext = 1;

// The toolkit's viewer, whose page window breaks lines between Japanese characters.
class HelpController : public wxHtmlHelpController {
public:
    using wxHtmlHelpController::wxHtmlHelpController;

protected:
    wxHtmlHelpFrame* CreateHelpFrame(wxHtmlHelpData* data) override
    {
        wxHtmlHelpFrame* frame = wxHtmlHelpController::CreateHelpFrame(data);
        BreakLinesIn(frame->GetHelpWindow()->GetHtmlWindow());
        return frame;
    }
};

wxHtmlHelpController* controller = nullptr;

// The help viewer, opened with the built-in book on first use. Its frame has
// no parent: a dialog that asked for help may close while the help stays.
wxHtmlHelpController* Viewer()
{
    if (!controller) {
        controller = new HelpController(wxHF_DEFAULT_STYLE, nullptr);
        if (!controller->AddBook(wxString("memory:vesoma.htb"), false)) {
            delete controller;
            controller = nullptr;
        }
    }
    return controller;
}

bool IsOurHelpFile(const char* helpFile)
{
    const char* ours = LoadString(2053);
    return helpFile && ours && strcasecmp(helpFile, ours) == 0;
}

}  // namespace

bool ShowHelpContext(wxWindow* /*parent*/, const char* helpFile, int context)
{
    if (!IsOurHelpFile(helpFile))
        return false;
    wxHtmlHelpController* viewer = Viewer();
    return viewer && viewer->Display(context);
}

bool ShowHelpUsage(wxWindow* /*parent*/)
{
    wxHtmlHelpController* viewer = Viewer();
    return viewer && viewer->Display(kHelpUsageContext);
}

void QuitHelp()
{
    // The viewer's frame goes only at the next idle time and until then still
    // reaches into its controller, so the controller (and the book it holds)
    // stays for the whole run; the next request opens a new frame.
    if (controller)
        controller->Quit();
}

}  // namespace resources
