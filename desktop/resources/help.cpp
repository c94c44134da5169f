#include "desktop/resources/help.h"

#include <strings.h>

#include <wx/html/helpctrl.h>
#include <wx/html/helpfrm.h>
#include <wx/html/helpwnd.h>

#include "core/settings/string_table.h"
#include "desktop/resources/help_line_breaks.h"

// The toolkit's own calls for what wx does not offer: a window group of the
// help window's own, so that a modal dialog's grab does not reach it.
extern "C" struct _GtkWindowGroup* gtk_window_group_new();
extern "C" void gtk_window_group_add_window(struct _GtkWindowGroup* group, GtkWidget* window);
extern "C" void g_object_unref(void* object);

namespace resources {

namespace {

constexpr int kHelpUsageContext = 1;

// The toolkit's viewer, whose page window breaks lines between Japanese
// characters, in a window group of its own.
class HelpController : public wxHtmlHelpController {
public:
    using wxHtmlHelpController::wxHtmlHelpController;

    // The page of context. The toolkit's Display grabs the input for the help
    // while a modal dialog is open and returns only when the help closes,
    // which holds the dialog: help asked for from a dialog leaves both usable.
    bool ShowPage(int context)
    {
        CreateHelpWindow();
        return GetHelpWindow() && GetHelpWindow()->Display(context);
    }

protected:
    wxHtmlHelpFrame* CreateHelpFrame(wxHtmlHelpData* data) override
    {
        wxHtmlHelpFrame* frame = wxHtmlHelpController::CreateHelpFrame(data);
        BreakLinesIn(frame->GetHelpWindow()->GetHtmlWindow());
        _GtkWindowGroup* group = gtk_window_group_new();
        gtk_window_group_add_window(group, frame->GetHandle());
        g_object_unref(group);  // the window holds it
        return frame;
    }
};

HelpController* controller = nullptr;

// The help viewer, opened with the built-in book on first use. Its frame has
// no parent: a dialog that asked for help may close while the help stays.
HelpController* Viewer()
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
    HelpController* viewer = Viewer();
    return viewer && viewer->ShowPage(context);
}

bool ShowHelpUsage(wxWindow* /*parent*/)
{
    HelpController* viewer = Viewer();
    return viewer && viewer->ShowPage(kHelpUsageContext);
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
