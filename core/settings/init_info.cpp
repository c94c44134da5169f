#include "core/settings/init_info.h"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

#include "core/settings/status.h"
#include "core/settings/string_table.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "platform/sjis.h"

char szHelpFile[kHelpFileSize];
InitSetTransfer ssInitSet;

namespace {

constexpr int kTitleId = 2049;
constexpr int kShortNameId = 2050;
constexpr int kAppNameId = 2051;
constexpr int kEventFileId = 2052;
constexpr int kHelpFileId = 2053;

// The working directory at start-up, so that the profile stays the same file
// for the whole run; empty when it cannot be had.
std::string WorkingDirectory()
{
    std::vector<char> buffer(4096);
    if (getcwd(buffer.data(), buffer.size()) == nullptr)
        return std::string();
    return buffer.data();
}

// The profile path: the working directory and the application name with ".ini".
// A directory too long for the buffer leaves the bare name, which still
// names the file in the working directory.
void BuildIniPath(const char* appName, char (&szIniFile)[kIniFileSize])
{
    std::string name = std::string(appName) + ".ini";
    std::string path = WorkingDirectory();
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += name;
    if (path.size() >= kIniFileSize)
        path = name;
    platform::CopyCut(szIniFile, path.c_str(), kIniFileSize - 1);
}

// The profile's EventFile when it did not fit szEventFile, and the cut form
// GetInitInfo left there.
std::string& LongEventFile()
{
    static std::string text;
    return text;
}
std::string& CutEventFile()
{
    static std::string text;
    return text;
}

}  // namespace

void GetInitInfo(const InitInfoFields& fields)
{
    using platform::SjisText;
    resources::CopyString(kTitleId, SjisText("Ｑｕｅｌｏｎの運勢暦"), fields.szTitle, kTitleSize - 1);
    resources::CopyString(kShortNameId, SjisText("運勢暦"), fields.szShortName, kTitleSize - 1);
    resources::CopyString(kAppNameId, "vesoma", fields.szSection, kSectionSize - 1);
    resources::CopyString(kHelpFileId, "vesoma.hlp", szHelpFile, kHelpFileSize - 1);
    char szDefaultFile[16];
    resources::CopyString(kEventFileId, "vesoma.cal", szDefaultFile, sizeof szDefaultFile - 1);

    BuildIniPath(fields.szSection, fields.szIniFile);
    const std::string file = fields.szIniFile;
    const char* section = fields.szSection;
    std::string eventFile = platform::ReadProfileString(file, section, "EventFile", szDefaultFile);
    platform::CopyCut(fields.szEventFile, eventFile.c_str(), kEventFileSize - 1);
    const bool cut = eventFile.size() != std::strlen(fields.szEventFile);
    LongEventFile() = cut ? eventFile : std::string();
    CutEventFile() = cut ? fields.szEventFile : "";
    CStatus::EventInfo = platform::ReadProfileInt(file, section, "EventInfo", 1);
    CStatus::TableType = platform::ReadProfileInt(file, section, "Table", 1);
    CStatus::UnseiDisp = platform::ReadProfileInt(file, section, "Unsei", 1);
    CStatus::Precise = platform::ReadProfileInt(file, section, "Precise", 0);
    CStatus::HolidayLaw = platform::ReadProfileInt(file, section, "HolidayLaw", 0);
}

void PutInitInfo(const InitInfoFields& fields)
{
    std::vector<std::pair<std::string, std::string>> values = {
        {"EventFile", FullEventFile(fields.szEventFile)},
        {"EventInfo", std::to_string(CStatus::EventInfo)},
        {"Table", std::to_string(CStatus::TableType)},
        {"Unsei", std::to_string(CStatus::UnseiDisp)}};
    // The almanac's choices only once they were made: the profile of a user
    // who never made them stays as it was.
    for (const auto& [key, value] :
         {std::pair{"Precise", CStatus::Precise}, {"HolidayLaw", CStatus::HolidayLaw}}) {
        if (value != 0 || !platform::ReadProfileString(fields.szIniFile, fields.szSection, key, "").empty())
            values.emplace_back(key, std::to_string(value));
    }
    for (const auto& [key, value] : values) {
        if (!platform::WriteProfileString(fields.szIniFile, fields.szSection, key.c_str(), value.c_str())) {
            platform::ShowMessageBox(platform::SjisText("設定ファイルに書き込めませんでした。"),
                                     platform::SjisText("設定"), platform::MbButtons::Ok,
                                     platform::MbIcon::Stop);
            return;
        }
    }
}

const char* FullEventFile(const char* szEventFile)
{
    return !LongEventFile().empty() && CutEventFile() == szEventFile ? LongEventFile().c_str() : szEventFile;
}

void FillInitSet(const char* szEventFile)
{
    platform::CopyCut(ssInitSet.szEventFile, szEventFile, kEventFileSize - 1);
    ssInitSet.bEventInfo = CStatus::EventInfo != 0;
    ssInitSet.bKyureki = CStatus::TableType != 0;
    ssInitSet.bRekicyu = CStatus::TableType == 2;
    ssInitSet.bUnsei = CStatus::UnseiDisp != 0;
    ssInitSet.bPrecise = CStatus::Precise > 0;
    ssInitSet.bHolidayLaw = CStatus::HolidayLaw > 0;
}

void ApplyInitSet(char (&szEventFile)[kEventFileSize])
{
    platform::CopyCut(szEventFile, ssInitSet.szEventFile, kEventFileSize - 1);
    CStatus::EventInfo = ssInitSet.bEventInfo ? 1 : 0;
    CStatus::TableType = (ssInitSet.bKyureki ? 1 : 0) + (ssInitSet.bRekicyu ? 1 : 0);
    CStatus::UnseiDisp = ssInitSet.bUnsei ? 1 : 0;
    CStatus::Precise = ssInitSet.bPrecise ? 1 : 0;
    CStatus::HolidayLaw = ssInitSet.bHolidayLaw ? 1 : 0;
}
