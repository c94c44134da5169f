// The page set-up the user chose with プリンタ設定... in this session: the
// print, its preview and the PDF all use its paper and orientation.
#pragma once

#include <wx/cmndata.h>

#include "platform/pdf_document.h"

// The chosen set-up, or none until the user closed the dialog with OK.
const wxPageSetupDialogData* ChosenPageSetup();
void KeepPageSetup(const wxPageSetupDialogData& chosen);

// The chosen paper as it lies, in points; A4 portrait when none was chosen.
platform::PaperSize ChosenPaper();
