#include "desktop/app/page_setup.h"

#include <algorithm>
#include <memory>

#include <wx/paper.h>

namespace {

std::unique_ptr<wxPageSetupDialogData>& Kept()
{
    static std::unique_ptr<wxPageSetupDialogData> kept;
    return kept;
}

}  // namespace

const wxPageSetupDialogData* ChosenPageSetup()
{
    return Kept().get();
}

void KeepPageSetup(const wxPageSetupDialogData& chosen)
{
    Kept() = std::make_unique<wxPageSetupDialogData>(chosen);
}

platform::PaperSize ChosenPaper()
{
    const wxPageSetupDialogData* chosen = ChosenPageSetup();
    if (chosen == nullptr)
        return {};
    // The paper's own size in tenths of a millimetre where the toolkit knows
    // it, else the dialog's in millimetres.
    const wxPrintPaperType* type =
        wxThePrintPaperDatabase->FindPaperType(chosen->GetPrintData().GetPaperId());
    const wxSize tenths = type != nullptr ? type->GetSize() : chosen->GetPaperSize() * 10;
    if (tenths.x <= 0 || tenths.y <= 0)
        return {};
    constexpr double kPointsPerTenth = 72.0 / 254;
    const bool landscape = chosen->GetPrintData().GetOrientation() == wxLANDSCAPE;
    const double shorter = std::min(tenths.x, tenths.y) * kPointsPerTenth;
    const double longer = std::max(tenths.x, tenths.y) * kPointsPerTenth;
    return landscape ? platform::PaperSize{longer, shorter} : platform::PaperSize{shorter, longer};
}
