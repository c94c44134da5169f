// The built-in resources as the frame and the dialogs get them.
#include "resources/resources.h"

#include "platform/sjis.h"
#include "platform/wx/wx_text.h"
#include "resources/help.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/html/helpfrm.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <string>

namespace {

// One popup as text: "id:label|hint" per item, "-" for a separator.
std::string Describe(wxMenu* menu)
{
    std::string text;
    for (wxMenuItem* item : menu->GetMenuItems()) {
        if (item->IsSeparator()) {
            text += "-\n";
            continue;
        }
        text += std::to_string(item->GetId()) + ":" + std::string(item->GetItemLabel().utf8_str());
        if (!item->GetHelp().empty())
            text += "|" + std::string(item->GetHelp().utf8_str());
        text += "\n";
    }
    return text;
}

TEST(ResourcesTest, TheMenuHasEveryItemShortcutSeparatorAndHint)
{
    wxMenuBar* bar = resources::LoadMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), 4u);
    const char* titles[] = {"ファイル(&F)", "暦(&C)", "オプション(&O)", "ヘルプ(&H)"};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(std::string(bar->GetMenuLabel(i).utf8_str()), titles[i]);

    EXPECT_EQ(Describe(bar->GetMenu(0)), "48:印刷(&P)...|印刷します\n49:プリンタ設定...\n-\n63:運勢暦の終了(&X)\n");
    EXPECT_EQ(Describe(bar->GetMenu(1)),
              "513:翌　月\tShift+Down|翌月の運勢暦を開きます\n"
              "514:前　月\tShift+Up|前月の運勢暦を開きます\n"
              "515:指定月|指定した月の運勢暦を開きます\n-\n"
              "516:六曜暦|六曜暦を開きます\n-\n"
              "517:日の暦と運勢|今日または選択された日の運勢を開きます\n");
    EXPECT_EQ(Describe(bar->GetMenu(2)),
              "769:設　定(&S)...\n-\n776:イベントの一覧...\n777:イベントの登録...\n778:イベントの保存\n-\n"
              "785:書     体...\n");
    EXPECT_EQ(Describe(bar->GetMenu(3)),
              "992:運勢暦の使用法\n997:ヘルプの使用法\n-\n"
              "1023:バージョン情報...|バージョン情報ダイアログボックスを開きます\n");
    delete bar;
}

TEST(ResourcesTest, EveryToolButtonAndIconHasItsPicture)
{
    for (int id : {48, 513, 514, 515, 516, 517}) {
        wxBitmap bitmap = resources::GetToolBitmap(id);
        ASSERT_TRUE(bitmap.IsOk()) << id;
        EXPECT_EQ(bitmap.GetSize(), wxSize(22, 20)) << id;
    }
    EXPECT_FALSE(resources::GetToolBitmap(49).IsOk());
    for (const char* name : {"4096", "4100", "reki"})
        EXPECT_TRUE(resources::GetIcon(name).IsOk()) << name;
    EXPECT_FALSE(resources::GetIcon("4097").IsOk());
    // Two pictures that look alike would confuse the user.
    wxImage next = resources::GetToolBitmap(513).ConvertToImage();
    wxImage previous = resources::GetToolBitmap(514).ConvertToImage();
    EXPECT_NE(std::string(reinterpret_cast<char*>(next.GetData()), 22 * 20 * 3),
              std::string(reinterpret_cast<char*>(previous.GetData()), 22 * 20 * 3));
}

TEST(ResourcesTest, TheAboutBoxShowsNameVersionAndIcon)
{
    wxDialog about;
    ASSERT_TRUE(resources::LoadAboutBox(about, nullptr));
    EXPECT_FALSE(about.HasFlag(wxCAPTION));
    EXPECT_EQ(about.GetSize(), about.ConvertDialogToPixels(wxSize(160, 80)));
    std::string texts;
    for (wxWindow* child : about.GetChildren()) {
        if (auto* text = dynamic_cast<wxStaticText*>(child))
            texts += std::string(text->GetLabel().utf8_str()) + "\n";
    }
    EXPECT_EQ(texts, "Ｑｕｅｌｏｎの運勢暦\n    ( Ver 0.21 )\n");
    wxWindow* ok = about.FindWindow(wxID_OK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(std::string(ok->GetLabel().utf8_str()), "了解");
    EXPECT_EQ(ok->GetPosition(), about.ConvertDialogToPixels(wxPoint(64, 60)));
    auto* icon = dynamic_cast<wxStaticBitmap*>(about.FindWindow(4096));
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(icon->GetBitmap().IsOk());
}

class HelpTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        resources::QuitHelp();
        wxTheApp->ProcessIdle();
    }

    // The page the help viewer shows, or "" when it is not open.
    static std::string OpenedPage()
    {
        for (wxWindow* window : wxTopLevelWindows) {
            auto* frame = dynamic_cast<wxHtmlHelpFrame*>(window);
            if (frame && !frame->IsBeingDeleted())
                return std::string(frame->GetHelpWindow()->GetHtmlWindow()->GetOpenedPage().AfterLast(':').utf8_str());
        }
        return "";
    }
};

TEST_F(HelpTest, EachContextOpensItsPage)
{
    const std::pair<int, const char*> pages[] = {
        {resources::HelpProgram, "index.html"},
        {resources::HelpSettings, "settings.html"},
        {resources::HelpEventList, "eventlist.html"},
        {resources::HelpEventEdit, "eventedit.html"},
    };
    for (const auto& [context, page] : pages) {
        EXPECT_TRUE(resources::ShowHelpContext(nullptr, "vesoma.hlp", context)) << context;
        EXPECT_EQ(OpenedPage(), page) << context;
    }
    EXPECT_TRUE(resources::ShowHelpUsage(nullptr));
    EXPECT_EQ(OpenedPage(), "usage.html");
}

TEST_F(HelpTest, UnknownFilesAndContextsAreRefusedAndQuitClosesTheViewer)
{
    EXPECT_FALSE(resources::ShowHelpContext(nullptr, "OTHER.HLP", resources::HelpProgram));
    EXPECT_FALSE(resources::ShowHelpContext(nullptr, nullptr, resources::HelpProgram));
    EXPECT_EQ(OpenedPage(), "");
    EXPECT_FALSE(resources::ShowHelpContext(nullptr, "VESOMA.HLP", 17));
    EXPECT_TRUE(resources::ShowHelpContext(nullptr, "VESOMA.HLP", resources::HelpSettings));
    resources::QuitHelp();
    wxTheApp->ProcessIdle();
    EXPECT_EQ(OpenedPage(), "");
    resources::QuitHelp();  // twice is harmless
}

TEST_F(HelpTest, ThePagesAreJapaneseText)
{
    ASSERT_TRUE(resources::ShowHelpContext(nullptr, "VESOMA.HLP", resources::HelpSettings));
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* frame = dynamic_cast<wxHtmlHelpFrame*>(window)) {
            wxString text = frame->GetHelpWindow()->GetHtmlWindow()->ToText();
            EXPECT_NE(text.Find(wxString::FromUTF8("当日のイベントを表示")), wxNOT_FOUND);
        }
    }
}

}  // namespace
