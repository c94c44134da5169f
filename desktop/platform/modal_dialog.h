// What the program's modal dialogs share: their place and their result.
#pragma once

#include <wx/dialog.h>

// Places the dialog at x, y dialog units from its owner's client area (a
// resource position in dialog units needs a window to measure them) and
// makes the resource's size its client area, so that the caption the window
// manager adds does not cut off the bottom controls.
inline void PlaceDialog(wxDialog& dialog, int x, int y)
{
    dialog.SetClientSize(dialog.GetSize());
    if (wxWindow* owner = dialog.GetParent())
        dialog.Move(owner->ClientToScreen(dialog.ConvertDialogToPixels(wxPoint(x, y))));
}

// Ends a modal run with the program's result (1 OK, 2 cancel); a dialog that
// is not shown modally (as the tests drive it) keeps result as its return
// code and is hidden.
inline void CloseDialog(wxDialog& dialog, int result)
{
    dialog.SetReturnCode(result);
    if (dialog.IsModal())
        dialog.EndModal(result);
    else
        dialog.Hide();
}
