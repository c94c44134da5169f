// The edge between CP932 and the toolkit's strings: what every window title,
// label and drawn text passes through.
#include "desktop/platform/wx_text.h"

#include <gtest/gtest.h>

#include "platform/sjis.h"

TEST(WxTextTest, Cp932BecomesTheSameCharactersWithinItsLengthAndNulAndBrokenBytesShowTheirReadablePart)
{
    const char* title = platform::SjisText("Ｑｕｅｌｏｎの運勢暦 (Ver 0.21)");
    EXPECT_EQ(platform::WxFromSjis(title).utf8_string(), "Ｑｕｅｌｏｎの運勢暦 (Ver 0.21)");
    EXPECT_EQ(platform::SjisFromWx(platform::WxFromSjis(title)), title);
    EXPECT_EQ(platform::WxFromSjis(platform::SjisText("大安吉日"), 4).utf8_string(), "大安");
    EXPECT_EQ(platform::WxFromSjis("AB\0CD", 5).utf8_string(), "AB");
    // Characters CP932 lacks become question marks.
    EXPECT_EQ(platform::SjisFromWx(wxString::FromUTF8("a😀b")), "a?b");
    // A lead byte without its trail byte, as a hand-edited event file may hold.
    const wxString shown = platform::WxFromSjis((platform::SjisText("予定") + std::string("\x88")).c_str());
    EXPECT_EQ(shown.utf8_string().rfind("予定", 0), 0u);
    EXPECT_GT(shown.length(), 2u);
}
