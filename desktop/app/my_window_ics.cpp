// The main window's iCalendar export: the span and the kinds from a small
// dialog, the file from the toolkit's file dialog, written through a
// temporary file beside it and a rename, so that a failure leaves nothing
// half written.
#include <cstdint>
#include <ctime>
#include <string>

#include <wx/checkbox.h>
#include <wx/spinctrl.h>
#include <wx/statusbr.h>

#include "core/almanac/ics_export.h"
#include "core/almanac/vesoma.h"
#include "core/events/events.h"
#include "desktop/app/app_globals.h"
#include "desktop/app/my_window.h"
#include "desktop/app/save_path.h"
#include "desktop/dialogs/ics_export_dialog.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "platform/sjis.h"

void TMyWindow::CmIcsExport()
{
    IcsExportDialog dialog(this, ActDate[0]);
    if (dialog.ShowModal() != 1)
        return;
    const int from = dialog.pFrom->GetValue();
    const int to = dialog.pTo->GetValue();
    const IcsKinds kinds{dialog.pKind[0]->GetValue(), dialog.pKind[1]->GetValue(),
                         dialog.pKind[2]->GetValue(), dialog.pKind[3]->GetValue()};
    wxString name = wxString::Format("vesoma-%d.ics", from);
    if (to != from)
        name = wxString::Format("vesoma-%d-%d.ics", from, to);
    const wxString path =
        AskSavePath(this, "iCalendar ファイルの保存先", name, "iCalendar ファイル (*.ics)|*.ics");
    if (path.empty())
        return;

    // Long spans show how far they are, a year at a time.
    const IcsProgress progress = [from](int done, int total) {
        if (total > 12 && done % 12 == 0 && sb != nullptr) {
            sb->SetStatusText(wxString::FromUTF8("iCalendar 形式で書き出し中... ") +
                              wxString::Format("%d / %d", from + done / 12 - 1, from + total / 12 - 1));
            sb->Update();
        }
        return true;
    };
    std::string calendar;
    ExportIcs(kc.choices, Evs, from, to, kinds, static_cast<std::int64_t>(std::time(nullptr)), calendar,
              progress);
    const std::string file = path.utf8_string();  // the desktop names files in UTF-8
    const bool written = platform::ReplaceFile(file.c_str(), file.c_str(), nullptr, calendar);
    if (sb != nullptr)
        sb->SetStatusText(wxString());
    if (!written) {
        const std::string text = "ファイル " + std::string(path.utf8_str()) + " に書き出せませんでした。";
        platform::ShowMessageBox(platform::ToSjis(text).c_str(),
                                 platform::SjisText("iCalendar 形式で書き出し"), platform::MbButtons::Ok,
                                 platform::MbIcon::Stop);
    }
}
