// The texts the toolkit supplies for the program, under the user's locale:
// CTest runs this under LANG=C and under LANG=ja_JP.UTF-8 (see CMakeLists.txt).
#include <clocale>
#include <cstdlib>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include <wx/bookctrl.h>
#include <wx/html/helpfrm.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "desktop/platform/wx_message_box.h"
#include "desktop/resources/help.h"
#include "tests/support/app_fixture.h"

extern "C" {  // what reading and answering GTK's own modal dialogs takes
void* gtk_grab_get_current();
const char* gtk_window_get_title(void* window);
void gtk_container_forall(void* container, void (*callback)(void* widget, void* data), void* data);
unsigned long gtk_container_get_type();
unsigned long gtk_label_get_type();
int g_type_check_instance_is_a(void* instance, unsigned long type);
const char* gtk_label_get_text(void* label);
void gtk_dialog_response(void* dialog, int response);
}

namespace {

// The texts the toolkit wrote on window and everything in it, each followed by '|'.
void CollectTexts(wxWindow* window, std::string* texts)
{
    std::vector<wxString> found{window->GetLabel(), window->GetToolTipText()};
    if (auto* book = dynamic_cast<wxBookCtrlBase*>(window))
        for (size_t i = 0; i < book->GetPageCount(); ++i)
            found.push_back(book->GetPageText(i));
    if (auto* items = dynamic_cast<wxItemContainerImmutable*>(window))
        for (const wxString& item : items->GetStrings())
            found.push_back(item);
    if (auto* status = dynamic_cast<wxStatusBar*>(window))
        found.push_back(status->GetStatusText());
    if (auto* tools = dynamic_cast<wxToolBar*>(window))
        for (int i = 0; i < static_cast<int>(tools->GetToolsCount()); ++i)
            found.push_back(tools->GetToolByPos(i)->GetShortHelp());
    for (const wxString& text : found)
        *texts += text.utf8_string() + "|";
    for (wxWindow* child : window->GetChildren())
        CollectTexts(child, texts);
}

void CollectLabels(void* widget, void* texts)
{
    if (g_type_check_instance_is_a(widget, gtk_label_get_type()) && *gtk_label_get_text(widget) != '\0')
        *static_cast<std::string*>(texts) += std::string(gtk_label_get_text(widget)) + "|";
    if (g_type_check_instance_is_a(widget, gtk_container_get_type()))
        gtk_container_forall(widget, CollectLabels, texts);
}

// The title and the labels of the GTK dialog that show runs modally, which is then cancelled.
std::string ModalTexts(const std::function<void()>& show)
{
    std::string texts;
    wxTheApp->CallAfter([&texts] {
        void* dialog = gtk_grab_get_current();
        texts = std::string(gtk_window_get_title(dialog)) + "|";
        CollectLabels(dialog, &texts);
        gtk_dialog_response(dialog, -6);  // cancel
    });
    show();
    return texts;
}

using PictureTest = AppTest;

// The help viewer and the message boxes speak Japanese under any locale; GTK's
// page set-up dialog the user's language, under the toolkit's Japanese title.
// Only the messages follow the locale, never numbers, dates or characters.
TEST_F(PictureTest, ToolkitTextsAreJapaneseUnderTheUsersLocale)
{
    const std::string messageLocale = std::setlocale(LC_MESSAGES, nullptr);
    EXPECT_EQ(messageLocale, std::getenv("LANG") ? std::getenv("LANG") : "C") << "see scripts/install-deps";
    for (const int category : {LC_CTYPE, LC_NUMERIC, LC_TIME, LC_COLLATE, LC_MONETARY})
        EXPECT_STREQ(std::setlocale(category, nullptr), "C");
    const bool japanese = messageLocale.rfind("ja_JP", 0) == 0;

    TMainFrame* frame = StartProgram();
    SendCommand(frame, commands::kHelp);
    wxHtmlHelpFrame* help = OpenWindows<wxHtmlHelpFrame>().at(0);
    std::string texts;
    CollectTexts(help, &texts);
    EXPECT_EQ(help->GetTitle().utf8_string(), "ヘルプ: 運勢暦の使用法");
    EXPECT_NE(texts.find("|目次|索引|検索|"), std::string::npos) << texts;
    EXPECT_FALSE(std::regex_search(texts, std::regex("[A-Za-z]{2,}"))) << texts;
    Screenshot(help, japanese ? "help_window_ja.png" : "help_window_C.png");
    resources::QuitHelp();

    texts = ModalTexts([frame] { SendCommand(frame, commands::kPrinterSetup); });
    EXPECT_EQ(texts.substr(0, texts.find('|')), "ページの設定");
    EXPECT_NE(texts.find(japanese ? "用紙サイズ" : "Paper size"), std::string::npos) << texts;

    platform::InstallWxMessageBoxes();
    texts = ModalTexts([] {
        platform::ShowMessageBox("?", "", platform::MbButtons::YesNoCancel, platform::MbIcon::Question);
    });
    platform::RemoveWxMessageBoxes();
    EXPECT_EQ(texts, "|?|いいえ (N)|キャンセル (C)|はい (Y)|");
}

}  // namespace
