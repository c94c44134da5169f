// Loading and saving the event file: nothing the user wrote is ever lost.
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "event_files.h"
#include "events/events.h"
#include "message_recorder.h"

namespace {

void AddRecord(int year, int month, int day, const char* name)
{
    Evs.nDate[0] = year;
    Evs.nDate[1] = month;
    Evs.nDate[2] = day;
    Evs.nDate[3] = -1;
    std::strcpy(Evs.szEvent, name);
    ASSERT_EQ(Evs.AddEvent(), 1);
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

    // The event file holds kOld and the store one more record than the file.
    void ChangedStore()
    {
        ASSERT_EQ(LoadBytes(file, kOld), 1);
        AddRecord(0, 12, 25, "new");
    }

    // After a failed save: the message, the flags and the files untouched.
    void ExpectSaveFailed(const MessageRecorder& boxes)
    {
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.LastText(), "イベントの保存に失敗しました。");
        EXPECT_EQ(boxes.LastCaption(), "保存");
        EXPECT_EQ(boxes.shown[0].icon, platform::MbIcon::Stop);
        EXPECT_EQ(Evs.bModify, 1);
        EXPECT_EQ(ReadBytes(file), kOld);
        EXPECT_FALSE(std::filesystem::is_regular_file(temp));
    }
};

}  // namespace

TEST_F(EventFile, MissingFileLoadsEmptyAndFirstSaveCreatesIt)
{
    std::string path = file;
    EXPECT_EQ(Evs.LoadEvent(path.data()), 1);
    EXPECT_EQ(Events::nCount, 0);
    EXPECT_STREQ(Evs.szFile, file.c_str());
    AddRecord(1996, 5, 3, "old");
    EXPECT_EQ(Evs.bChanged, 1);
    EXPECT_EQ(Evs.bModify, 1);
    EXPECT_EQ(Save(), 1);
    EXPECT_EQ(Evs.bModify, 0);
    EXPECT_EQ(ReadBytes(file), kOld);
    EXPECT_FALSE(std::filesystem::exists(backup));
    EXPECT_FALSE(std::filesystem::exists(temp));
}

TEST_F(EventFile, ExistingButUnreadableFileIsAFailedLoad)
{
    // The user is told, instead of finding the events silently gone.
    std::filesystem::create_directory(file);
    std::string path = file;
    EXPECT_EQ(Evs.LoadEvent(path.data()), 0);
    EXPECT_EQ(Events::nCount, 0);
}

TEST_F(EventFile, SaveKeepsThePreviousContentAsBackup)
{
    WriteBytes(backup, "an older backup");
    ChangedStore();
    // The save writes to the file it was loaded from, whatever the argument.
    char elsewhere[] = "/nonexistent/OTHER.CAL";
    EXPECT_EQ(Evs.SaveEvent(elsewhere), 1);
    EXPECT_EQ(ReadBytes(file), kNew);
    EXPECT_EQ(ReadBytes(backup), kOld);
    EXPECT_FALSE(std::filesystem::exists(temp));
}

TEST_F(EventFile, UnreadableLinesSurviveASave)
{
    std::string damaged = "12/25,X\r\n" + std::string("1996/5/3,\0zz", 12) + "\r\n\r\n";
    std::string lastWithoutLineEnd = "****/**/ 1,payday";
    ASSERT_EQ(LoadBytes(file, CalLines({"1996/5/3,A"}) + damaged + CalLines({"1997/1/1,B"}) +
                                  lastWithoutLineEnd),
              1);
    ASSERT_EQ(Events::nCount, 2);
    EXPECT_EQ(ListedLine(1), "1997/ 1/ 1,B");
    EXPECT_EQ(ListedLine(2), "-");
    EXPECT_EQ(Evs.bModify, 0);
    EXPECT_EQ(Evs.bChanged, 0);

    // The last line without line end is no record: the 1st of a month has none.
    Evs.nMaxLen = 63;
    Evs.nStart = 0;
    int first[4] = {1996, 6, 1, 1 * 32 + 6};
    char out[64];
    EXPECT_EQ(Evs.CheckEvent(first, out), 0);

    AddRecord(1998, 2, 2, "C");
    ASSERT_EQ(Save(), 1);
    EXPECT_EQ(ReadBytes(file), CalLines({"1996/ 5/ 3,A", "1997/ 1/ 1,B", "1998/ 2/ 2,C"}) +
                                   damaged + lastWithoutLineEnd);
}

TEST_F(EventFile, EventFileNamedLikeItsTemporaryFile)
{
    std::string odd = folder.File("events.TCA");
    ASSERT_EQ(LoadBytes(odd, kOld), 1);
    AddRecord(0, 12, 25, "new");
    EXPECT_EQ(Save(), 1);
    EXPECT_EQ(ReadBytes(odd), kNew);
    EXPECT_EQ(ReadBytes(folder.File("events.BCA")), kOld);
}

TEST_F(EventFile, TemporaryFileCannotBeCreated)
{
    ChangedStore();
    std::filesystem::create_directory(temp);
    WriteBytes(temp + "/inside", "x");
    MessageRecorder boxes;
    EXPECT_EQ(Save(), 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(ReadBytes(file), kOld);
    EXPECT_EQ(Evs.bModify, 1);
    EXPECT_EQ(boxes.LastText(), "イベントの保存に失敗しました。");
}

TEST_F(EventFile, BackupCannotBeMade)
{
    ChangedStore();
    std::filesystem::create_directory(backup);
    WriteBytes(backup + "/inside", "x");
    MessageRecorder boxes;
    EXPECT_EQ(Save(), 0);
    ExpectSaveFailed(boxes);
}

TEST_F(EventFile, WriteFailureLeavesTheFileAsItWas)
{
    ChangedStore();
    for (int i = 0; i < 200; ++i)
        AddRecord(1996, 5, 3, "a name long enough to fill the file size limit quickly");
    // The child may write no more than 1000 bytes to a file: the temporary
    // file's writes fail part way, as on a full disk.
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        MessageRecorder boxes;
        int saved = Save();
        _exit(saved == 0 && Evs.bModify == 1 && boxes.shown.size() == 1 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(file), kOld);
    EXPECT_FALSE(std::filesystem::exists(temp));
}

TEST_F(EventFile, KillDuringSaveLeavesOldOrNewFile)
{
    ASSERT_EQ(LoadBytes(file, kOld), 1);
    std::mt19937 random(7);
    int sawNew = 0;
    for (int round = 0; round < 40; ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Saves the two contents in turn until killed.
            for (;;) {
                Events::nCount = 1;
                Save();
                AddRecord(0, 12, 25, "new");
                Save();
            }
        }
        usleep(std::uniform_int_distribution<int>(0, 3000)(random));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        std::string content = ReadBytes(file);
        ASSERT_TRUE(content == kOld || content == kNew) << "round " << round << ": " << content;
        sawNew += content == kNew;
    }
    // Records what the rounds saw, so that a run that never saved is noticed.
    RecordProperty("rounds_with_new_content", sawNew);
}

TEST_F(EventFile, ExitQuestion)
{
    ChangedStore();
    {
        MessageRecorder boxes(platform::MbResult::No);
        EXPECT_EQ(Evs.AskSaveAtExit(), 1);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.LastText(), "イベント登録は変更されています。\n保存しますか？");
        EXPECT_EQ(boxes.LastCaption(), "イベント");
        EXPECT_EQ(boxes.shown[0].buttons, platform::MbButtons::YesNo);
        EXPECT_EQ(boxes.shown[0].icon, platform::MbIcon::Question);
        EXPECT_EQ(ReadBytes(file), kOld);
        EXPECT_EQ(Evs.bModify, 1);
    }
    {
        MessageRecorder boxes(platform::MbResult::Yes);
        EXPECT_EQ(Evs.AskSaveAtExit(), 1);
        EXPECT_EQ(ReadBytes(file), kNew);
        EXPECT_EQ(Evs.bModify, 0);
        // Nothing unsaved: no question.
        EXPECT_EQ(Evs.AskSaveAtExit(), 1);
        EXPECT_EQ(boxes.shown.size(), 1u);
    }
}

TEST_F(EventFile, DestructorAsksOnlyWhenTheQuestionWasNotAsked)
{
    MessageRecorder boxes(platform::MbResult::No);
    {
        Events store;
        store.bModify = 1;
    }
    EXPECT_EQ(boxes.shown.size(), 1u);
    {
        Events store;
        store.bModify = 1;
        store.AskSaveAtExit();
    }
    EXPECT_EQ(boxes.shown.size(), 2u);
}
