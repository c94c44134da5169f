// The main window's event commands: the event list and a new event.
#include "core/events/events.h"
#include "desktop/app/my_window.h"
#include "desktop/dialogs/event_edit_dialog.h"
#include "desktop/dialogs/event_list_dialog.h"

void TMyWindow::CmEventList()
{
    EventListDialog dialog(this, "EventListBox", &Evs);
    if (dialog.Execute() == 1 && Evs.bChanged)
        InvalidateAll();
}

void TMyWindow::CmEventEdit()
{
    // The editor fills its fields from the working record only when asked to.
    Evs.bEdit = 0;
    EventEditDialog dialog(this, "EventEditBox", &Evs);
    if (dialog.Execute() == 1 && Evs.bChanged)
        InvalidateAll();
}
