// CP932 text is never cut or searched inside a character, and no byte
// sequence, however broken, is read past its end.
#include "platform/sjis.h"

#include <gtest/gtest.h>

#include "platform/message_box.h"

using namespace platform;

TEST(SjisText, CutsAndSearchesStayOnCharacterBoundaries)
{
    const char* name = SjisText("暦あ");
    EXPECT_EQ(CutLength(name, 3), 2u);
    EXPECT_EQ(CutLength(name, 100), 4u);
    EXPECT_EQ(CutLength("a\x82", 10), 2u);  // a lead byte at the end is a character of its own
    EXPECT_EQ(CharLength("\x82\xA0", 1), 1u);
    char cut[4];
    CopyCut(cut, name, 3);
    EXPECT_STREQ(cut, SjisText("暦"));

    // The trail bytes of 表 (95 5C) and ア (83 41) are '\' and 'A'.
    EXPECT_EQ(FindText(SjisText("表"), "\\"), nullptr);
    EXPECT_EQ(FindText(SjisText("アB"), "AB"), nullptr);
    const char* rule = SjisText("第２火曜日");
    EXPECT_EQ(FindText(rule, SjisText("火曜")), rule + 4);
    const char* broken = "abc\x82";
    EXPECT_EQ(FindText(broken, "\x82"), broken + 3);
    EXPECT_EQ(FindText(broken, "\x82\x40"), nullptr);

    EXPECT_EQ(ToUtf8("A\x82"), "A\xEF\xBF\xBD");
    EXPECT_EQ(ToSjis("\xF0\x9F\x98\x80x"), "?x");  // no emoji in CP932
}

TEST(MessageBox, WithoutHandlerAnswersTheDefault)
{
    // With no window left to ask in, unsaved events are saved, not dropped.
    EXPECT_EQ(ShowMessageBox("t", "c", MbButtons::Ok, MbIcon::Stop), MbResult::Ok);
    EXPECT_EQ(ShowMessageBox("t", "c", MbButtons::YesNo, MbIcon::Question), MbResult::Yes);
}
