// The store's life: loading the event file, growing, saving, and the question
// about unsaved changes at the end of the run.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "core/events/events.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "platform/sjis.h"

using platform::SjisText;

// The record array and the file's lines are defined before Evs so that they
// outlive the store's destructor, which may still save.
EventRecords Events::hMem;
std::string Events::szFileText;
std::vector<Events::FileLine> Events::fileLines;
std::size_t Events::nTailStart = 0;
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
const char* NotReadRefusal()
{
    return SjisText(
        "イベントファイルを読み込めなかったので、上書きしません。\n設定で別のイベントファイルを選んでください"
        "。");
}
const char* InUseRefusal()
{
    return SjisText("イベントファイルは他のプログラムが使用中なので、保存できません。");
}
const char* ChangedQuestion()
{
    return SjisText("イベントファイルは読み込んだ後に変更されています。\n上書きしますか？");
}
const char* LoadCaption()
{
    return SjisText("イベント読み込み");
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

// A line of blanks and control bytes alone is empty, not unread.
bool HoldsText(const std::string& text, std::size_t start, std::size_t end)
{
    return std::any_of(text.begin() + static_cast<std::ptrdiff_t>(start),
                       text.begin() + static_cast<std::ptrdiff_t>(end),
                       [](char c) { return static_cast<unsigned char>(c) > ' '; });
}

// Never 0, which marks a line that holds no record.
std::uint64_t RecordHash(const EventRecord& record)
{
    std::uint64_t hash = 14695981039346656037ull;
    auto mix = [&hash](unsigned char byte) { hash = (hash ^ byte) * 1099511628211ull; };
    for (std::int32_t field : {record.nYear, record.nMonth, record.nDay, record.nWeekCode}) {
        for (int shift = 0; shift < 32; shift += 8)
            mix(static_cast<unsigned char>(static_cast<std::uint32_t>(field) >> shift));
    }
    for (std::size_t i = 0; i < sizeof record.szEvent && record.szEvent[i] != '\0'; ++i)
        mix(static_cast<unsigned char>(record.szEvent[i]));
    return hash == 0 ? 1 : hash;
}

}  // namespace

Events::Events()
{
    // The destructor of the global store may ask and save at program end,
    // after other statics are gone: the texts and the message-box handler it
    // needs are created here, so they are torn down only after it.
    for (const char* text : {ExitQuestion(), ExitCaption(), SaveFailure(), SaveCaption(), NotReadRefusal(),
                             InUseRefusal(), ChangedQuestion()})
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
    if (bModify != 1)
        return bExitAsked = 1;
    // Cancel (also Escape and the box's close box) keeps the program and the
    // changes; the store asks again when the program really ends.
    const platform::MbResult answer = platform::ShowMessageBox(
        ExitQuestion(), ExitCaption(), platform::MbButtons::YesNoCancel, platform::MbIcon::Question);
    if (answer == platform::MbResult::Cancel)
        return 0;
    bExitAsked = 1;
    return answer == platform::MbResult::Yes ? SaveEvent(szFile) : 1;
}

int Events::FileLength(int file)
{
    long long length = platform::SeekFile(file, 0, platform::SeekFrom::End);
    if (platform::SeekFile(file, 0, platform::SeekFrom::Start) != 0 || length < 0 || length >= INT32_MAX)
        return -1;
    return static_cast<int>(length);
}

int Events::LoadEvent(const char* pathArgument, int bLock)
{
    const std::string name(pathArgument);  // the argument may be szFile itself
    const char* path = name.c_str();
    lock.Release();
    hMem.clear();
    nCount = 0;
    nDayCount = 0;
    szFileText.clear();
    fileLines.clear();
    nTailStart = 0;
    stamp = platform::FileStamp{};
    bChanged = 0;
    bModify = 0;
    bLoadFailed = 0;
    bReadOnly = bLock ? 0 : 1;
    nUnreadLines = 0;
    // A path that does not fit is not remembered cut short: a save would
    // then write to another file.
    if (std::strlen(path) >= sizeof szFile) {
        szFile[0] = '\0';
        bLoadFailed = 1;
        return 0;
    }
    std::strcpy(szFile, path);

    std::string text;
    switch (platform::ReadRegularFile(path, kEventFileLimit, text, &stamp, bLock ? &lock : nullptr)) {
    case platform::ReadResult::Missing:
        return 1;  // an empty store; the first save creates the file
    case platform::ReadResult::Read:
        break;
    default:
        bLoadFailed = 1;
        return 0;
    }
    if (bLock && !lock.Held()) {
        bReadOnly = 1;
        platform::ShowMessageBox(
            SjisText("イベントファイルは他のプログラムが使用中です。\n読み取り専用で開きます。"),
            LoadCaption(), platform::MbButtons::Ok, platform::MbIcon::Exclamation);
    }

    std::size_t lines = 0;
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
        ++lines;
    if (lines > kEventLineLimit) {
        bLoadFailed = 1;
        return 0;
    }
    int result = 1;
    try {
        hMem.reserve(lines);
        fileLines.reserve(lines);
    } catch (const std::bad_alloc&) {
        platform::ShowMessageBox(SjisText("メモリが足りません"), LoadCaption(), platform::MbButtons::Ok,
                                 platform::MbIcon::Stop);
        bLoadFailed = 1;
        return 0;
    }

    // A line ends with LF, CR LF being the usual end; the text after the last
    // LF is no record and is kept as it is.
    std::string line;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos;
         start = end + 1, end = text.find('\n', start)) {
        line.assign(text, start, end - start - (end > start && text[end - 1] == '\r'));
        FileLine kept{static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end + 1 - start), 0};
        if (LineIsRecord(*this, line)) {
            if (AddEvent(static_cast<int>(fileLines.size())) != 1) {
                result = 0;
                break;
            }
            kept.nRecordHash = RecordHash(static_cast<const EventRecords&>(hMem)[hMem.size() - 1]);
        } else if (HoldsText(text, start, end)) {
            ++nUnreadLines;
        }
        fileLines.push_back(kept);
    }
    nTailStart = start;
    if (HoldsText(text, start, text.size()))
        ++nUnreadLines;
    szFileText = std::move(text);
    // A store that could not take every record must not write the file.
    bLoadFailed = result == 1 ? 0 : 1;
    bChanged = 0;
    bModify = 0;
    RefreshDayIndex();
    return result;
}

void Events::ReportUnreadLines() const
{
    if (nUnreadLines == 0)
        return;
    char text[256];
    std::snprintf(
        text, sizeof text,
        SjisText("イベントファイルの %d 行は読めませんでした。\nこれらの行は変更せずにファイルに残します。"),
        nUnreadLines);
    platform::ShowMessageBox(text, LoadCaption(), platform::MbButtons::Ok, platform::MbIcon::Information);
}

int Events::AddEvent(int nFileLine)
{
    if (nCount < 0 || nCount > static_cast<int>(hMem.size()))
        return 0;
    EventRecord record{nDate[0], nDate[1], nDate[2], nDate[3], {}, nFileLine};
    platform::CopyCut(record.szEvent, szEvent, sizeof record.szEvent - 1);
    try {
        if (hMem.size() != static_cast<std::size_t>(nCount))
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

void Events::WriteLines(std::string& content, std::vector<FileLine>& lines, std::vector<int>& recordLines)
{
    const EventRecords& records = hMem;
    // The first record in store order that is still what a line was read as
    // keeps that line.
    std::vector<int> keeper(fileLines.size(), -1);
    for (int i = 0; i < nCount; ++i) {
        const int at = records[static_cast<std::size_t>(i)].nLine;
        if (at >= 0 && static_cast<std::size_t>(at) < fileLines.size() &&
            keeper[static_cast<std::size_t>(at)] < 0 &&
            fileLines[static_cast<std::size_t>(at)].nRecordHash != 0 &&
            fileLines[static_cast<std::size_t>(at)].nRecordHash ==
                RecordHash(records[static_cast<std::size_t>(i)]))
            keeper[static_cast<std::size_t>(at)] = i;
    }
    auto write = [&](const char* bytes, std::size_t length, std::uint64_t hash) {
        lines.push_back(
            {static_cast<std::uint32_t>(content.size()), static_cast<std::uint32_t>(length), hash});
        content.append(bytes, length);
    };
    // The lines that are no records stay behind the record line they
    // followed, those before any kept record at the start.
    auto writeFollowers = [&](std::size_t from) {
        for (std::size_t at = from; at < fileLines.size() && keeper[at] < 0; ++at) {
            if (fileLines[at].nRecordHash == 0)
                write(&szFileText[fileLines[at].nStart], fileLines[at].nLength, 0);
        }
    };
    writeFollowers(0);
    char line[nEventLineSize + 2];
    for (int i = 0; i < nCount; ++i) {
        const EventRecord& record = records[static_cast<std::size_t>(i)];
        recordLines[static_cast<std::size_t>(i)] = static_cast<int>(lines.size());
        if (record.nLine >= 0 && static_cast<std::size_t>(record.nLine) < keeper.size() &&
            keeper[static_cast<std::size_t>(record.nLine)] == i) {
            const FileLine& kept = fileLines[static_cast<std::size_t>(record.nLine)];
            write(&szFileText[kept.nStart], kept.nLength, kept.nRecordHash);
            writeFollowers(static_cast<std::size_t>(record.nLine) + 1);
        } else {
            SetEventList(i, line);
            std::strcat(line, "\r\n");
            write(line, std::strlen(line), RecordHash(record));
        }
    }
    content.append(szFileText, nTailStart, std::string::npos);
}

int Events::SaveEvent(const char*)
{
    // The store refuses rather than replace a file it could not read or
    // another program writes; the records stay, and so does bModify.
    if (bLoadFailed || bReadOnly) {
        platform::ShowMessageBox(bLoadFailed ? NotReadRefusal() : InUseRefusal(), SaveCaption(),
                                 platform::MbButtons::Ok, platform::MbIcon::Stop);
        return 0;
    }
    if (szFile[0] != '\0' && platform::StampOf(szFile) != stamp &&
        platform::ShowMessageBox(ChangedQuestion(), SaveCaption(), platform::MbButtons::YesNo,
                                 platform::MbIcon::Question) != platform::MbResult::Yes)
        return 0;
    bool saved = false;
    std::string content;
    std::vector<FileLine> lines;
    std::vector<int> recordLines;
    platform::FileStamp written;
    if (szFile[0] != '\0' && nCount >= 0 && nCount <= static_cast<int>(hMem.size())) {
        try {
            recordLines.resize(static_cast<std::size_t>(nCount));
            WriteLines(content, lines, recordLines);
            saved = platform::ReplaceFile(szFile, SiblingName(szFile, "TCA").c_str(),
                                          SiblingName(szFile, "BCA").c_str(), content, &written, &lock);
        } catch (const std::bad_alloc&) {
            saved = false;
        }
    }
    if (!saved) {
        platform::ShowMessageBox(SaveFailure(), SaveCaption(), platform::MbButtons::Ok,
                                 platform::MbIcon::Stop);
        return 0;
    }
    // What was written is now the file whose lines the next save keeps.
    nTailStart = content.size() - (szFileText.size() - nTailStart);
    szFileText = std::move(content);
    fileLines = std::move(lines);
    for (int i = 0; i < nCount; ++i)
        hMem[static_cast<std::size_t>(i)].nLine = recordLines[static_cast<std::size_t>(i)];
    stamp = written;
    bModify = 0;
    return 1;
}

int Events::ChangeFile(const char* path)
{
    // The same file another program writes stays read-only: its records are
    // in the store already.
    if ((!bLoadFailed && !bReadOnly) || (!bLoadFailed && std::strcmp(path, szFile) == 0))
        return 0;
    std::vector<EventRecord> held;
    try {
        const std::size_t count = std::min(hMem.size(), static_cast<std::size_t>(nCount < 0 ? 0 : nCount));
        held.assign(hMem.begin(), hMem.begin() + static_cast<std::ptrdiff_t>(count));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    if (LoadEvent(path) == 0) {
        platform::ShowMessageBox(SjisText("イベント読み込みに失敗しました"), LoadCaption(),
                                 platform::MbButtons::Ok, platform::MbIcon::Stop);
    } else {
        ReportUnreadLines();
    }
    for (const EventRecord& record : held) {
        nDate[0] = record.nYear;
        nDate[1] = record.nMonth;
        nDate[2] = record.nDay;
        nDate[3] = record.nWeekCode;
        std::memcpy(szEvent, record.szEvent, sizeof szEvent);
        if (AddEvent() != 1)
            break;
    }
    bChanged = 1;
    return 1;
}
