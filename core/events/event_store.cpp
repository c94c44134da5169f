// The store's life: loading the event file, growing, saving, and the question
// about unsaved changes at the end of the run.
#include <cstring>
#include <new>
#include <string>

#include "core/events/events.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "platform/sjis.h"

using platform::SjisText;

// The record array is defined before Evs so that it outlives the store's
// destructor, which may still save.
std::vector<EventRecord> Events::hMem;
int Events::nCount = 0;
int Events::nDayCount = 0;
Events Evs;

namespace {

const char* ExitQuestion()
{
    return SjisText("イベント登録は変更されています。\n保存しますか？");
}
const char* ExitCaption()
{
    return SjisText("イベント");
}
const char* SaveFailure()
{
    return SjisText("イベントの保存に失敗しました。");
}
const char* SaveCaption()
{
    return SjisText("保存");
}

// The file beside path with the same name and the extension ext. Should the
// event file itself carry that extension, ext is appended instead, so that the
// temporary or backup file is never the event file.
std::string SiblingName(const char* path, const char* ext)
{
    std::string name(path);
    std::size_t slash = name.rfind('/');
    std::size_t dot = name.rfind('.');
    std::string sibling = name;
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        sibling.resize(dot);
    sibling += '.';
    sibling += ext;
    return sibling == name ? name + '.' + ext : sibling;
}

bool LineIsRecord(Events& store, std::string& line)
{
    // A line with a NUL byte is damaged: reading it up to the NUL would drop
    // the rest at the next save.
    if (line.find('\0') != std::string::npos)
        return false;
    store.SplitEvent(line.data());
    return store.szEvent[0] != '\0' && store.CheckEventDate() == 1;
}

}  // namespace

Events::Events()
{
    // The destructor of the global store may ask and save at program end,
    // after other statics are gone: the texts and the message-box handler it
    // needs are created here, so they are torn down only after it.
    for (const char* text : {ExitQuestion(), ExitCaption(), SaveFailure(), SaveCaption()})
        static_cast<void>(text);
    platform::SetMessageBoxHandler(platform::SetMessageBoxHandler({}));
}

Events::~Events()
{
    if (!bExitAsked)
        AskSaveAtExit();
}

int Events::AskSaveAtExit()
{
    bExitAsked = 1;
    if (bModify != 1)
        return 1;
    if (platform::ShowMessageBox(ExitQuestion(), ExitCaption(), platform::MbButtons::YesNo,
                                 platform::MbIcon::Question) != platform::MbResult::Yes)
        return 1;
    return SaveEvent(szFile);
}

int Events::FileLength(int file)
{
    long long length = platform::SeekFile(file, 0, platform::SeekFrom::End);
    if (platform::SeekFile(file, 0, platform::SeekFrom::Start) != 0 || length < 0 || length >= INT32_MAX)
        return -1;
    return static_cast<int>(length);
}

int Events::LoadEvent(char* path)
{
    hMem.clear();
    nCount = 0;
    nDayCount = 0;
    szUnreadLines.clear();
    bChanged = 0;
    bModify = 0;
    // A path that does not fit is not remembered cut short: a save would
    // then write to another file.
    if (std::strlen(path) >= sizeof szFile) {
        szFile[0] = '\0';
        return 0;
    }
    std::strcpy(szFile, path);

    int file = platform::OpenForReading(path);
    if (file < 0)
        return platform::FileExists(path) ? 0 : 1;
    std::string text;
    int length = FileLength(file);
    long long got = -1;
    try {
        if (length >= 0) {
            text.assign(static_cast<std::size_t>(length) + 1, '\0');
            got = platform::ReadFile(file, text.data(), static_cast<std::size_t>(length));
        }
    } catch (const std::bad_alloc&) {
        got = -1;
    }
    platform::CloseFile(file);
    if (got < 0)
        return 0;
    text.resize(static_cast<std::size_t>(got));

    int result = 1;
    try {
        std::size_t lines = 0;
        for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
            ++lines;
        hMem.reserve(lines);
    } catch (const std::bad_alloc&) {
        platform::ShowMessageBox(SjisText("メモリが足りません"), SjisText("イベント読み込み"),
                                 platform::MbButtons::Ok, platform::MbIcon::Stop);
        return 0;
    }

    std::string line;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         start = end + 2, end = text.find("\r\n", start)) {
        line.assign(text, start, end - start);
        if (LineIsRecord(*this, line)) {
            if (AddEvent() != 1) {
                result = 0;
                break;
            }
        } else {
            szUnreadLines.append(text, start, end - start + 2);
        }
    }
    // A last line without CR LF is no record; it too is kept as it is.
    if (result == 1)
        szUnreadLines.append(text, start, std::string::npos);
    bChanged = 0;
    bModify = 0;
    return result;
}

int Events::AddEvent()
{
    if (nCount < 0 || nCount > static_cast<int>(hMem.size()))
        return 0;
    EventRecord record{nDate[0], nDate[1], nDate[2], nDate[3], {}};
    platform::CopyCut(record.szEvent, szEvent, sizeof record.szEvent - 1);
    try {
        hMem.resize(static_cast<std::size_t>(nCount));
        hMem.push_back(record);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    ++nCount;
    bChanged = 1;
    bModify = 1;
    return 1;
}

int Events::SaveEvent(char*)
{
    bool saved = false;
    if (szFile[0] != '\0') {
        try {
            std::string content;
            char line[nEventLineSize];
            for (int i = 0; SetEventList(i, line) == 1; ++i) {
                content += line;
                content += "\r\n";
            }
            content += szUnreadLines;
            saved = platform::ReplaceFile(szFile, SiblingName(szFile, "TCA").c_str(),
                                          SiblingName(szFile, "BCA").c_str(), content);
        } catch (const std::bad_alloc&) {
            saved = false;
        }
    }
    if (!saved) {
        platform::ShowMessageBox(SaveFailure(), SaveCaption(), platform::MbButtons::Ok,
                                 platform::MbIcon::Stop);
        return 0;
    }
    bModify = 0;
    return 1;
}
