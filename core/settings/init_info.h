// The four user settings: read from the profile at start-up, written back
// after the settings dialog is confirmed. No toolkit here.
#pragma once

#include <cstdint>

// Buffer sizes of the main window's texts (byte limit + 1).
constexpr int kTitleSize = 32;       // szTitle, szShortName
constexpr int kEventFileSize = 260;  // szEventFile
constexpr int kIniFileSize = 1024;   // the profile path
constexpr int kSectionSize = 8;      // the section (application name)
constexpr int kHelpFileSize = 16;    // szHelpFile

// The help file name (string 2053); set by GetInitInfo, read by the help
// commands and the dialogs' help buttons.
extern char szHelpFile[kHelpFileSize];

// What GetInitInfo fills and PutInitInfo writes: the main window passes its
// members of the same names.
struct InitInfoFields {
    char (&szTitle)[kTitleSize];
    char (&szShortName)[kTitleSize];
    char (&szEventFile)[kEventFileSize];
    char (&szIniFile)[kIniFileSize];
    char (&szSection)[kSectionSize];
};

// Loads strings 2049-2053 (fallbacks where missing) into szTitle,
// szShortName, the section and szHelpFile, builds the profile path in the
// working directory, and reads EventFile into szEventFile and EventInfo,
// Table, Unsei, Precise and HolidayLaw (default 0) into CStatus. Never writes the profile.
void GetInitInfo(const InitInfoFields& fields);

// Writes EventFile, EventInfo, Table and Unsei into the profile, and
// Precise and HolidayLaw each when it is not 0 or the profile has it already; tells the
// user when the profile cannot be written (it is never written over when it
// could not be read).
void PutInitInfo(const InitInfoFields& fields);

// The event file the profile names: szEventFile, unless the profile's value
// was too long for it and szEventFile still holds its cut form; then the
// whole value, so that a path is never loaded or written back cut short.
const char* FullEventFile(const char* szEventFile);

// Transfer record of the settings dialog. The event file field holds a whole
// path of the profile (up to 259 bytes, CP932), not only 13 bytes, so a long
// name is shown and kept as it is.
struct InitSetTransfer {
    char szEventFile[kEventFileSize];
    std::uint32_t bEventInfo;   // check 520 "当日のイベントを表示"
    std::uint32_t bKyureki;     // check 521 "旧暦十二直を表示"
    std::uint32_t bRekicyu;     // check 522 "その他の暦註を表示"
    std::uint32_t bUnsei;       // check 523 "運勢を表示"
    std::uint32_t bPrecise;     // check 524 "精密な天文計算で暦を求める"
    std::uint32_t bHolidayLaw;  // check 525 "祝日を各年の法律どおりに表示する"
};
extern InitSetTransfer ssInitSet;

// Step 1 of the settings command: ssInitSet from szEventFile and CStatus.
void FillInitSet(const char* szEventFile);

// Step 3, after the dialog was confirmed: szEventFile and CStatus from ssInitSet.
void ApplyInitSet(char (&szEventFile)[kEventFileSize]);
