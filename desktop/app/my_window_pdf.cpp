// The main window's PDF: a run of months from a small dialog, one page each as
// the printer lays it out, saved without any print server into the file the
// user names, through a temporary file beside it and a rename.
#include <string>

#include <wx/filename.h>
#include <wx/statusbr.h>
#include <wx/stdpaths.h>

#include "core/almanac/month_pages.h"
#include "core/almanac/vesoma.h"
#include "desktop/app/app_globals.h"
#include "desktop/app/my_window.h"
#include "desktop/app/page_setup.h"
#include "desktop/app/save_path.h"
#include "desktop/dialogs/month_span_dialog.h"
#include "platform/message_box.h"
#include "platform/sjis.h"

namespace {

constexpr const char* kCommandName = "PDF に保存";

// 運勢暦-YYYY-MM.pdf, or 運勢暦-YYYY-MM-YYYY-MM.pdf for a longer span, in the
// user's documents folder.
wxString DefaultPath(const MonthSpan& span)
{
    wxString name = wxString::Format("%04d-%02d", span.first[0], span.first[1]);
    if (CountMonths(span) > 1)
        name += wxString::Format("-%04d-%02d", span.last[0], span.last[1]);
    return wxFileName(wxStandardPaths::Get().GetDocumentsDir(), wxString::FromUTF8("運勢暦-") + name + ".pdf")
        .GetFullPath();
}

}  // namespace

void TMyWindow::CmPdfSave()
{
    MonthSpanDialog dialog(this, kCommandName, ActDate);
    if (dialog.ShowModal() != 1)
        return;
    const MonthSpan span = dialog.Span();
    const wxString path =
        AskSavePath(this, "PDF ファイルの保存先", DefaultPath(span), "PDF ファイル (*.pdf)|*.pdf");
    if (path.empty())
        return;

    const auto progress = [](int page, int pages) {
        if (sb != nullptr) {
            sb->SetStatusText(wxString::FromUTF8(kCommandName) + wxString::FromUTF8("中... ") +
                              wxString::Format("%d / %d", page, pages));
            sb->Update();
        }
    };
    const std::string file = path.utf8_string();  // the desktop names files in UTF-8
    const bool written = WriteMonthsPdf(span, kc.choices, ChosenPaper(), file.c_str(), progress);
    if (sb != nullptr)
        sb->SetStatusText(wxString());
    if (!written) {
        const std::string text = "ファイル " + file + " に保存できませんでした。";
        platform::ShowMessageBox(platform::ToSjis(text).c_str(), platform::SjisText(kCommandName),
                                 platform::MbButtons::Ok, platform::MbIcon::Stop);
    }
}
