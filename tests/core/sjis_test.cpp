#include "platform/sjis.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "tests/core/message_recorder.h"

using namespace platform;

TEST(SjisText, LiteralsBecomeCp932Once)
{
    const char* weekday = SjisText("日曜");
    EXPECT_STREQ(weekday, "\x93\xFA\x97\x6A");
    static const char literal[] = "日曜";
    EXPECT_EQ(SjisText(literal), SjisText(literal));    // converted once, kept for the run
    EXPECT_EQ(std::strlen(SjisText("成人の日 ")), 9u);  // two bytes a character, one for the blank
    EXPECT_STREQ(SjisText("ABC"), "ABC");
}

TEST(SjisText, RoundTripAndBrokenInput)
{
    const std::string text = "第２火曜日、ﾃｽﾄ abc";
    EXPECT_EQ(ToUtf8(ToSjis(text)), text);
    // A lone lead byte at the end and an invalid pair turn into U+FFFD, never crash.
    EXPECT_EQ(ToUtf8("A\x82"), "A\xEF\xBF\xBD");
    EXPECT_EQ(ToSjis("\xF0\x9F\x98\x80x"), "?x");  // no emoji in CP932
}

TEST(SjisText, CharactersAreNeverSplit)
{
    const char* name = SjisText("暦あ");  // 4 bytes
    EXPECT_EQ(CutLength(name, 3), 2u);
    EXPECT_EQ(CutLength(name, 4), 4u);
    EXPECT_EQ(CutLength(name, 100), 4u);
    EXPECT_EQ(CutLength("ab", 1), 1u);
    // A lead byte with nothing after it is one (broken) character.
    EXPECT_EQ(CharLength("\x82", 5), 1u);
    EXPECT_EQ(CharLength("\x82\xA0", 1), 1u);
    EXPECT_EQ(CutLength("a\x82", 10), 2u);

    char cut[4];
    CopyCut(cut, SjisText("暦あ"), 3);
    EXPECT_STREQ(cut, SjisText("暦"));
}

TEST(SjisText, SearchMatchesOnlyAtCharacterBoundaries)
{
    // 表 is 0x95 0x5C: its trail byte is a backslash, which must not be found.
    EXPECT_EQ(FindText(SjisText("表"), "\\"), nullptr);
    // ア is 0x83 0x41: its trail byte is 'A'.
    EXPECT_EQ(FindText(SjisText("アB"), "AB"), nullptr);
    const char* rule = SjisText("第２火曜日");
    EXPECT_EQ(FindText(rule, SjisText("火曜")), rule + 4);
    EXPECT_EQ(FindText(rule, SjisText("水曜")), nullptr);
    // A broken lead byte at the end is a character of its own; nothing past the end is read.
    const char* broken = "abc\x82";
    EXPECT_EQ(FindText(broken, "\x82"), broken + 3);
    EXPECT_EQ(FindText(broken, "\x82\x40"), nullptr);
}

TEST(MessageBox, WithoutHandlerAnswersTheDefault)
{
    EXPECT_EQ(ShowMessageBox("t", "c", MbButtons::Ok, MbIcon::Stop), MbResult::Ok);
    EXPECT_EQ(ShowMessageBox("t", "c", MbButtons::YesNo, MbIcon::Question), MbResult::Yes);
}

TEST(MessageBox, HandlerSeesTextCaptionButtonsAndIcon)
{
    MessageRecorder recorder(MbResult::No);
    EXPECT_EQ(
        ShowMessageBox(SjisText("保存しますか？"), SjisText("イベント"), MbButtons::YesNo, MbIcon::Question),
        MbResult::No);
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.LastText(), "保存しますか？");
    EXPECT_EQ(recorder.LastCaption(), "イベント");
    EXPECT_EQ(recorder.shown[0].icon, MbIcon::Question);
}
