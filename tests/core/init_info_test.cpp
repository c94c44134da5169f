// The settings as the main window reads them at start-up and writes them
// after the settings dialog.
#include "core/settings/init_info.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "core/settings/status.h"
#include "core/settings/string_table.h"
#include "platform/profile.h"
#include "tests/core/event_files.h"

namespace fs = std::filesystem;

TEST(InitInfoTest, ReadFromAndWrittenToTheProfileOfTheStartDirectory)
{
    const fs::path previousDir = fs::current_path();
    EventFolder folder;
    fs::current_path(folder.File(""));
    char szTitle[kTitleSize], szShortName[kTitleSize], szEventFile[kEventFileSize];
    char szIniFile[kIniFileSize], szSection[kSectionSize];
    const InitInfoFields fields{szTitle, szShortName, szEventFile, szIniFile, szSection};
    GetInitInfo(fields);  // the profile of the start directory, not there yet
    EXPECT_EQ(fs::path(szIniFile), fs::current_path() / "VESOMA.ini");

    // An overlong event file is shown cut before a character that would not
    // fit (130 full-width characters, whose last one starts at byte 259), but
    // loaded and written back whole: a cut path names another file.
    std::string name;
    for (int i = 0; i < 130; ++i)
        name += platform::SjisText("予");
    for (const std::string prefix : {"", "x"}) {
        WriteBytes(szIniFile,
                   "; mine\r\n[vesoma]\r\nEventFile=" + prefix + name + "\r\nTable=5\r\nUnsei=abc\r\n");
        GetInitInfo(fields);
        EXPECT_EQ(szEventFile, prefix + name.substr(0, 258)) << "prefix '" << prefix << "'";
        EXPECT_EQ(std::to_string(CStatus::TableType) + std::to_string(CStatus::UnseiDisp), "50");
        Evs.LoadEvent(FullEventFile(szEventFile));  // the system reads no such long name
        EXPECT_EQ(Evs.szFile, prefix + name);
        PutInitInfo(fields);
        EXPECT_EQ(platform::ReadProfileString(szIniFile, "vesoma", "EventFile", ""), prefix + name);
    }

    // Written into the profile read at start-up, wherever the program is now.
    fs::create_directory("elsewhere");
    fs::current_path("elsewhere");
    std::strcpy(szEventFile, "NEW.CAL");
    CStatus::EventInfo = 0;
    PutInitInfo(fields);
    EXPECT_EQ(ReadBytes(szIniFile),
              "; mine\r\n[vesoma]\r\nEventFile=NEW.CAL\r\nTable=5\r\nUnsei=0\r\nEventInfo=0\r\n");
    EXPECT_TRUE(fs::is_empty(fs::current_path()));
    fs::current_path(previousDir);

    // Texts of the string table are cut at a character boundary too.
    resources::CopyString(2049, "", szTitle, 7);
    EXPECT_EQ(platform::ToUtf8(szTitle), "Ｑｕｅ");
}
