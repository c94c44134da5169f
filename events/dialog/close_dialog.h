// Ending a dialog with the program's result code (1 OK, 2 cancel).
#pragma once

#include <wx/dialog.h>

// Ends a modal run with result; a dialog that is not shown modally (as the
// tests drive it) keeps result as its return code and is hidden.
inline void CloseDialog(wxDialog& dialog, int result)
{
    dialog.SetReturnCode(result);
    if (dialog.IsModal())
        dialog.EndModal(result);
    else
        dialog.Hide();
}
