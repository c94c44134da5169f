// The built-in resources as the frame and the dialogs get them.
#include "desktop/resources/resources.h"

#include <string>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/html/helpfrm.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "desktop/resources/help.h"

namespace {

std::string Utf8(const wxString& text)
{
    return std::string(text.utf8_str());
}

TEST(ResourcesTest, TheMenuHasEveryItemShortcutSeparatorAndHint)
{
    // Per popup its title, then "id:label|hint" per item, "-" for a separator.
    std::string text;
    wxMenuBar* bar = resources::LoadMenuBar();
    for (size_t i = 0; i < bar->GetMenuCount(); ++i) {
        text += "[" + Utf8(bar->GetMenuLabel(i)) + "]\n";
        for (wxMenuItem* item : bar->GetMenu(i)->GetMenuItems()) {
            if (item->IsSeparator())
                text += "-";
            else
                text += std::to_string(item->GetId()) + ":" + Utf8(item->GetItemLabel());
            if (!item->GetHelp().empty())
                text += "|" + Utf8(item->GetHelp());
            text += "\n";
        }
    }
    delete bar;
    EXPECT_EQ(text,
              "[ファイル(&F)]\n48:印刷(&P)...|印刷します\n49:プリンタ設定...\n-\n63:運勢暦の終了(&X)\n"
              "[暦(&C)]\n"
              "513:翌　月\tShift+Down|翌月の運勢暦を開きます\n"
              "514:前　月\tShift+Up|前月の運勢暦を開きます\n"
              "515:指定月|指定した月の運勢暦を開きます\n-\n"
              "516:六曜暦|六曜暦を開きます\n-\n"
              "517:日の暦と運勢|今日または選択された日の運勢を開きます\n"
              "[オプション(&O)]\n"
              "769:設　定(&S)...\n-\n776:イベントの一覧...\n777:イベントの登録...\n778:イベントの保存\n-\n"
              "785:書     体...\n"
              "[ヘルプ(&H)]\n"
              "992:運勢暦の使用法\n997:ヘルプの使用法\n-\n"
              "1023:バージョン情報...|バージョン情報ダイアログボックスを開きます\n");
}

TEST(ResourcesTest, EveryToolButtonAndIconHasItsPicture)
{
    std::string previous;
    for (int id : {48, 513, 514, 515, 516, 517}) {
        wxBitmap bitmap = resources::GetToolBitmap(id);
        ASSERT_TRUE(bitmap.IsOk()) << id;
        ASSERT_EQ(bitmap.GetSize(), wxSize(22, 20)) << id;
        // Neighbours that look alike would confuse the user.
        const std::string pixels(reinterpret_cast<char*>(bitmap.ConvertToImage().GetData()), 22 * 20 * 3);
        EXPECT_NE(pixels, previous) << id;
        previous = pixels;
    }
    EXPECT_FALSE(resources::GetToolBitmap(49).IsOk());
    for (const char* name : {"4096", "4100", "reki"})
        EXPECT_TRUE(resources::GetIcon(name).IsOk()) << name;
    EXPECT_FALSE(resources::GetIcon("4097").IsOk());
}

TEST(ResourcesTest, TheAboutBoxShowsNameVersionAndIcon)
{
    wxDialog about;
    ASSERT_TRUE(resources::LoadAboutBox(about, nullptr));
    std::string texts;
    for (wxWindow* child : about.GetChildren()) {
        if (dynamic_cast<wxStaticText*>(child) || child->GetId() == wxID_OK)
            texts += Utf8(child->GetLabel()) + "\n";
    }
    EXPECT_EQ(texts, "Ｑｕｅｌｏｎの運勢暦\n    ( Ver 0.21 )\n了解\n");
    auto* icon = dynamic_cast<wxStaticBitmap*>(about.FindWindow(4096));
    EXPECT_TRUE(icon && icon->GetBitmap().IsOk());
}

// The help viewer while it is open.
wxHtmlWindow* OpenHelpPage()
{
    for (wxWindow* window : wxTopLevelWindows) {
        auto* frame = dynamic_cast<wxHtmlHelpFrame*>(window);
        if (frame && !frame->IsBeingDeleted())
            return frame->GetHelpWindow()->GetHtmlWindow();
    }
    return nullptr;
}
std::string OpenedPage()
{
    return OpenHelpPage() ? Utf8(OpenHelpPage()->GetOpenedPage().AfterLast(':')) : "";
}

TEST(HelpTest, EachContextOpensItsPageAndQuitClosesTheViewer)
{
    const std::pair<int, const char*> pages[] = {
        {16, "index.html"}, {129, "settings.html"}, {131, "eventlist.html"}, {132, "eventedit.html"}};
    for (const auto& [context, page] : pages) {
        EXPECT_TRUE(resources::ShowHelpContext(nullptr, "vesoma.hlp", context)) << context;
        EXPECT_EQ(OpenedPage(), page) << context;
    }
    EXPECT_TRUE(resources::ShowHelpUsage(nullptr));
    EXPECT_EQ(OpenedPage(), "usage.html");
    // The pages are Japanese text as the user reads it.
    EXPECT_TRUE(resources::ShowHelpContext(nullptr, "VESOMA.HLP", 129));
    EXPECT_NE(OpenHelpPage()->ToText().Find(wxString::FromUTF8("当日のイベントを表示")), wxNOT_FOUND);

    resources::QuitHelp();
    wxTheApp->ProcessIdle();
    EXPECT_EQ(OpenedPage(), "");
    EXPECT_FALSE(resources::ShowHelpContext(nullptr, "OTHER.HLP", resources::HelpProgram));
    EXPECT_FALSE(resources::ShowHelpContext(nullptr, nullptr, resources::HelpProgram));
    EXPECT_FALSE(resources::ShowHelpContext(nullptr, "VESOMA.HLP", 17));
    EXPECT_EQ(OpenedPage(), "");
    resources::QuitHelp();  // twice is harmless
}

}  // namespace
