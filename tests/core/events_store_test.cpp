// Loading and saving the event file: its record lines read and written back,
// and nothing the user wrote is ever lost. Which lines count as events on
// which days is locked by the golden outputs too.
#include <csignal>
#include <filesystem>
#include <random>
#include <tuple>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/almanac/vesoma.h"
#include "tests/core/event_files.h"
#include "tests/core/message_recorder.h"

namespace {

namespace fs = std::filesystem;

// Adds the yearly record ****/12/25 with name.
bool Add(const char* name)
{
    const int date[4] = {0, 12, 25, -1};
    std::copy(date, date + 4, Evs.nDate);
    std::strcpy(Evs.szEvent, name);
    return Evs.AddEvent() == 1;
}

int Save()
{
    return Evs.SaveEvent(Evs.szFile);
}

const std::string kOld = CalLines({"1996/ 5/ 3,old"});
const std::string kNew = CalLines({"1996/ 5/ 3,old", "****/12/25,new"});

class EventFile : public ::testing::Test {
protected:
    EventFolder folder;
    std::string file = folder.File("VESOMA.CAL");
    std::string temp = folder.File("VESOMA.TCA");
    std::string backup = folder.File("VESOMA.BCA");
};

}  // namespace

TEST(EventLines, ReadAndWrittenBack)
{
    std::string name31, name9;
    for (int i = 0; i < 40; ++i)
        (i < 31 ? name31 : name9) += "名";
    const std::string blanks(40, ' ');
    // A line as the user wrote it (UTF-8 here, CP932 in the file), as the
    // store writes it back ("-": not a record), and its week code (0 for none).
    const std::tuple<std::string, std::string, int> cases[] = {
        {"****/12/25,X", "****/12/25,X", -1},
        {"1996/5/3日,X", "1996/ 5/ 3,X", -1},
        {"****/**/ 1,X", "****/**/ 1,X", -1},
        {"第２火曜日,X", "****/**/第２火曜日,X", 66},
        {"1996/**/毎週金曜日,X", "1996/**/毎週金曜日,X", 5},
        {"****/**/第５土曜日,X", "****/**/第５土曜日,X", 166},
        {"1996/13/第２火曜日,X", "1996/13/第２火曜日,X", 66},
        {"1996/ 5/ 3,A,B", "1996/ 5/ 3,A", -1},
        {",,1996//5/3,,X,", "1996/ 5/ 3,X", -1},
        {"火曜,X", "****/**/毎週火曜日,X", 2},
        {"****/**/第３第１水曜,X", "****/**/第１水曜日,X", 35},  // the first ordinal of the table counts
        {"1996/ 5/32,X", "-", 0},
        {"1996/ 5/ 3,", "-", 0},
        {"****/**/第２火,X", "-", 0},
        // Names are cut at 63 bytes, never inside a character.
        {"1996/5/3," + name31 + name9, "1996/ 5/ 3," + name31, -1},
        {"1996/5/3,A" + name31 + name9, "1996/ 5/ 3,A" + name31, -1},
        // Over-long date fields are cut to their buffers: a number at the front
        // is still read, one behind the cut is not, and the line is no record.
        {"1996" + blanks + "/5" + blanks + "/3" + blanks + ",X", "1996/ 5/ 3,X", -1},
        {"1996/" + blanks + "5/3,X", "-", 0},
        // Numbers beyond int range saturate and then survive a save unchanged.
        {"99999999999/-99999999999/毎週日曜日,X", "2147483647/-2147483648/毎週日曜日,X", 0},
    };
    EventFolder folder;
    for (const auto& [line, written, weekCode] : cases) {
        SCOPED_TRACE(line);
        ASSERT_EQ(LoadBytes(folder.File("VESOMA.CAL"), CalLines({line})), 1);
        EXPECT_EQ(ListedLine(0) + " " + ListedLine(1), written + " -");
        EXPECT_EQ(Events::nCount == 1 ? Events::hMem[0].nWeekCode : 0, weekCode);
    }
}

TEST(EventLines, BrokenDoubleByteTextIsNeverReadPast)
{
    EventFolder folder;
    // A lone lead byte ends the name, another stands right before a comma.
    ASSERT_EQ(LoadBytes(folder.File("VESOMA.CAL"), "1996/5/3,AB\x81\r\n1996/5/4,C\x81,D\r\n"), 1);
    ASSERT_EQ(Events::nCount, 2);
    EXPECT_STREQ(Events::hMem[0].szEvent, "AB\x81");
    EXPECT_STREQ(Events::hMem[1].szEvent, "C\x81");
    // Week codes outside the tables still give table words.
    Evs.SetWeekDate(-1, Evs.szDate[3]);
    EXPECT_EQ(platform::ToUtf8(Evs.szDate[3]).substr(9), "曜日");
}

// A file that cannot or must not be read (never waited on, never read without limit): the
// store keeps what the user enters but writes it only to another file chosen.
TEST_F(EventFile, FailedLoadNeverReplacesTheFile)
{
    folder.OpenToAll();
    const std::string other = folder.File("OTHER.CAL");
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"no read permission", [&] { WriteBytes(file, kOld), fs::permissions(file, fs::perms::none); }},
        {"link to an unmounted drive", [&] { fs::create_symlink("/nonexistent/VESOMA.CAL", file); }},
        {"folder", [&] { fs::create_directory(file); }},
        {"FIFO", [&] { mkfifo(file.c_str(), 0666); }},
        {"device", [&] { fs::create_symlink("/dev/zero", file); }},
        {"too large", [&] { WriteBytes(file, ""), fs::resize_file(file, Events::kEventFileLimit + 1); }},
        {"path too long", [&] { file = folder.File(std::string(300, 'x')); }},
    };
    for (const auto& [what, make] : cases) {
        SCOPED_TRACE(what);
        make();
        std::error_code none;
        const auto before = fs::symlink_status(file, none);
        const auto size = fs::file_size(file, none);
        const int status = InChild(true, [&] {
            MessageRecorder boxes;
            const bool refused = Evs.LoadEvent(file.c_str()) == 0 && Add("new") && Save() == 0 &&
                                 Evs.bModify == 1 && boxes.LastCaption() == "保存" &&
                                 boxes.LastText().find("読み込めなかった") != std::string::npos;
            return refused && Evs.ChangeFile(other.c_str()) == 1 && Save() == 1;
        });
        if (status == 2)
            GTEST_SKIP() << "no user to read as";
        EXPECT_EQ(status, 0);
        EXPECT_EQ(ReadBytes(other), CalLines({"****/12/25,new"}));
        const auto after = fs::symlink_status(file, none);
        EXPECT_TRUE(after.type() == before.type() && after.permissions() == before.permissions() &&
                    fs::file_size(file, none) == size);
        fs::remove_all(file, none);
        fs::remove(other);
    }
}

// A second program on the file reads it and refuses to save; a file changed since it was
// loaded is replaced only when the user says so; the temporary file's name is no other file's.
TEST_F(EventFile, OneWriterAtATimeAndNoSilentOverwrite)
{
    ASSERT_EQ(LoadBytes(file, kOld), 1);
    WriteBytes(temp, "a file of mine");
    const auto secondProgram = [&] {
        MessageRecorder boxes;
        const bool readOnly = Evs.LoadEvent(file.c_str()) == 1 && Evs.bReadOnly == 1 && Events::nCount == 1 &&
                              boxes.shown.size() == 1;
        return readOnly && Add("new") && Save() == 0 && Evs.bModify == 1 &&
               boxes.LastText().find("使用中") != std::string::npos;
    };
    EXPECT_EQ(InChild(false, secondProgram), 0);
    EXPECT_EQ(ReadBytes(file), kOld);

    ASSERT_EQ(InChild(false, [&] { return WriteBytes(file, kNew + kOld), true; }), 0);
    Add("new");
    for (const platform::MbResult answer : {platform::MbResult::No, platform::MbResult::Yes}) {
        MessageRecorder boxes(answer);
        EXPECT_EQ(Save(), answer == platform::MbResult::Yes);
        EXPECT_EQ(boxes.LastText(), "イベントファイルは読み込んだ後に変更されています。\n上書きしますか？");
        EXPECT_EQ(ReadBytes(file), answer == platform::MbResult::Yes ? kNew : kNew + kOld);
    }
    EXPECT_EQ(ReadBytes(temp), "a file of mine");
}

// A link to a private file stays, its target gets the content and keeps mode and owner; a
// link planted where the temporary file was always made leads nowhere the save writes.
TEST_F(EventFile, SaveKeepsModeOwnerAndLinkAndNeverWritesThroughAPlantedLink)
{
    const std::string target = folder.File("real.cal"), victim = folder.File("victim");
    WriteBytes(target, kOld);
    WriteBytes(victim, "victim");
    fs::create_symlink(target, file);
    fs::create_symlink(victim, temp);
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(target, mode);
    const uid_t owner = getuid() == 0 ? 65534 : getuid();
    ASSERT_EQ(chown(target.c_str(), owner, static_cast<gid_t>(-1)), 0);
    ASSERT_EQ(Evs.LoadEvent(file.c_str()), 1);
    Add("new");
    ASSERT_EQ(Save(), 1);
    struct stat info;
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(ReadBytes(target), kNew);
    EXPECT_EQ(fs::status(target).permissions(), mode);
    EXPECT_EQ(info.st_uid, owner);
    EXPECT_EQ(ReadBytes(victim), "victim");
}

// A save replaces an older backup and writes the file it was loaded from, whatever the
// argument; a missing file loads empty and its first save makes no backup.
TEST_F(EventFile, SaveKeepsThePreviousContentAsBackupAndAMissingFileLoadsEmpty)
{
    // The last is named like its own temporary file, whose siblings then must not be the file itself.
    for (const char* name : {"NEW.CAL", "VESOMA.CAL", "events.TCA"}) {
        SCOPED_TRACE(name);
        const bool missing = name[0] == 'N';
        const std::string path = folder.File(name);
        const std::string bak = path.substr(0, path.size() - 3) + "BCA";
        if (!missing)
            WriteBytes(bak, "an older backup"), WriteBytes(path, kOld);
        ASSERT_EQ(Evs.LoadEvent(path.c_str()), 1);
        EXPECT_EQ(Events::nCount, missing ? 0 : 1);
        Add("new");
        char elsewhere[] = "/nonexistent/OTHER.CAL";
        EXPECT_EQ(Evs.SaveEvent(elsewhere), 1);
        EXPECT_EQ(Evs.bModify, 0);
        EXPECT_EQ(ReadBytes(path), missing ? CalLines({"****/12/25,new"}) : kNew);
        EXPECT_EQ(fs::exists(bak) ? ReadBytes(bak) : "-", missing ? "-" : kOld);
    }
    // No temporary file is left behind: the three files and two backups only.
    auto entries = fs::directory_iterator(folder.File(""));
    EXPECT_EQ(std::distance(begin(entries), end(entries)), 5);
}

// Every line comes back byte for byte unless its event changed: records written by hand (a
// name over 63 bytes, text after a second comma, loose spacing, LF alone), lines that are no
// records (two date fields, a NUL byte even after a name, an empty line), a last line unended.
TEST_F(EventFile, EveryLineComesBackAsItWasUnlessItsEventChanged)
{
    const std::string name(70, 'n');
    const std::string kept = "1996/5/3," + name + "\r\n12/25,X\r\n" +
                             std::string("1996/ 5/ 3,ab\0cd\r\n", 18) + "\r\n1997/1/1,B,C\n";
    const std::string changed = "****/**/ 1,payday\r\n", lastWithoutLineEnd = "****/**/ 2,unended";
    ASSERT_EQ(LoadBytes(file, kept + changed + lastWithoutLineEnd), 1);
    EXPECT_EQ(Evs.nUnreadLines, 3);  // the lines with text but no record
    EXPECT_EQ(ListedLine(0) + "|" + ListedLine(1) + "|" + ListedLine(2) + "|" + ListedLine(3),
              "1996/ 5/ 3," + name.substr(0, 63) + "|1997/ 1/ 1,B|****/**/ 1,payday|-");
    EXPECT_EQ(Evs.bModify, 0);
    ASSERT_EQ(Save(), 1);
    EXPECT_EQ(ReadBytes(file), kept + changed + lastWithoutLineEnd);
    Evs.hMem[2].nDay = 2;
    Add("C");
    ASSERT_EQ(Save(), 1);
    EXPECT_EQ(ReadBytes(file), kept + CalLines({"****/**/ 2,payday", "****/12/25,C"}) + lastWithoutLineEnd);
}

TEST_F(EventFile, FailedSaveKeepsTheFileAndTheChange)
{
    // A folder with content where the backup file goes, and a disk that
    // fills up: the child process may write only 1000 bytes a file.
    for (const std::string& obstacle : {backup, std::string()}) {
        SCOPED_TRACE(obstacle);
        ASSERT_EQ(LoadBytes(file, kOld), 1);
        for (int i = 0; i < 200; ++i)
            Add("a name long enough to fill the file size limit quickly");
        if (!obstacle.empty() && fs::create_directory(obstacle))
            WriteBytes(obstacle + "/inside", "x");
        const auto failingSave = [&] {
            const rlimit limit{1000, 1000};
            std::signal(SIGXFSZ, SIG_IGN);
            if (obstacle.empty())
                setrlimit(RLIMIT_FSIZE, &limit);
            MessageRecorder boxes;
            return Save() == 0 && Evs.bModify == 1 && boxes.shown.size() == 1 &&
                   boxes.LastCaption() + boxes.LastText() == "保存イベントの保存に失敗しました。";
        };
        EXPECT_EQ(InChild(false, failingSave), 0);
        EXPECT_EQ(ReadBytes(file), kOld);
        auto entries = fs::directory_iterator(folder.File(""));
        EXPECT_EQ(std::distance(begin(entries), end(entries)), obstacle.empty() ? 1 : 2)
            << "a file left behind";
        fs::remove_all(backup);
    }
}

TEST_F(EventFile, KillDuringSaveLeavesOldOrNewFile)
{
    ASSERT_EQ(LoadBytes(file, kOld), 1);
    std::mt19937 random(7);
    int sawNew = 0;
    for (int round = 0; round < 40; ++round) {
        int saves[2];
        ASSERT_EQ(pipe(saves), 0);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            MessageRecorder yes(platform::MbResult::Yes);  // the file another child wrote is replaced
            for (;;) {  // the two contents in turn, each save told, until killed
                Events::nCount = 1;
                Save();
                static_cast<void>(write(saves[1], "o", 1));
                Add("new");
                Save();
                static_cast<void>(write(saves[1], "n", 1));
            }
        }
        // The kill comes at a random moment once both contents were saved.
        close(saves[1]);
        char told[2];
        const bool bothSaved = read(saves[0], told, 1) == 1 && read(saves[0], told + 1, 1) == 1;
        usleep(std::uniform_int_distribution<int>(0, 3000)(random));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        close(saves[0]);
        ASSERT_TRUE(bothSaved);
        const std::string content = ReadBytes(file);
        ASSERT_TRUE(content == kOld || content == kNew) << "round " << round << ": " << content;
        sawNew += content == kNew;
    }
    EXPECT_GT(sawNew, 0) << "the new content was never saved";
}

TEST_F(EventFile, ExitQuestionIsAskedOnce)
{
    ASSERT_EQ(LoadBytes(file, kOld), 1);
    Add("new");
    MessageRecorder no(platform::MbResult::No);
    EXPECT_EQ(Evs.AskSaveAtExit(), 1);
    EXPECT_EQ(ReadBytes(file), kOld);
    for (bool askedBefore : {false, true}) {  // a store going away asks unless asked before
        Events store;
        store.bModify = 1;
        if (askedBefore)
            store.AskSaveAtExit();
    }
    EXPECT_EQ(no.shown.size(), 3u);
}

// For the days of a month table and any others, also after the records were replaced, the
// index finds the records a scan in store order finds, in that order, one a call.
TEST(EventMatch, TheIndexFindsWhatTheScanFinds)
{
    std::mt19937 random(11);
    auto pick = [&](std::vector<int> values) { return values[random() % values.size()]; };
    for (int round = 0; round < 2; ++round) {
        std::vector<EventRecord> records;
        for (int i = 0; i < 300; ++i)
            records.push_back(Record(pick({0, 0, 2000, 2001, -3}), pick({0, 0, 2, 13, -1}),
                                     pick({0, 1, 29, 31, 45}), pick({-1, -1, 0, 2, 6, 66, 166, 7, 40}),
                                     std::to_string(i)));
        StoreRecords(records);
        std::vector<std::vector<int>> days = {{2000, 2, 0, 66}, {0, 0, 0, -1}, {2000, 2, 29, 7}};
        for (int month = 1; month <= 24; ++month) {
            const int date[3] = {1999 + (month + 11) / 12, (month - 1) % 12 + 1, 1};
            kc.SetCalender(date);
            for (int i = 0; i < kc.nDays; ++i)
                days.push_back({kc.Day[i].nYear, kc.Day[i].nMonth, kc.Day[i].nDay, kc.Day[i].nWeekCode});
        }
        for (std::vector<int>& day : days) {
            std::vector<int> scanned, found;
            for (int i = 0; i < 300; ++i) {
                const EventRecord& r = records[static_cast<std::size_t>(i)];
                if ((r.nYear <= 0 || r.nYear == day[0]) && (r.nMonth <= 0 || r.nMonth == day[1]) &&
                    (r.nDay == day[2] || r.nWeekCode == day[3] ||
                     (r.nWeekCode < 32 && r.nWeekCode == day[3] % 32 % 7)))
                    scanned.push_back(i);
            }
            char names[64];
            Evs.nMode = 1;
            Evs.nMaxLen = 63;
            for (Evs.nStart = 0; Evs.CheckEvent(day.data(), names) == 1;)
                found.push_back(Evs.nStart - 1);
            Evs.nMode = Evs.nStart = 0;
            ASSERT_EQ(found, scanned) << day[0] << "-" << day[1] << "-" << day[2] << " " << day[3];
            ASSERT_EQ(Evs.CheckEvent(day.data(), names), static_cast<int>(scanned.size()));
        }
    }
    StoreRecords({});
}
