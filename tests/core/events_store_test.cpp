// Loading and saving the event file: nothing the user wrote is ever lost.
#include <csignal>
#include <filesystem>
#include <random>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/core/event_files.h"
#include "tests/core/message_recorder.h"

namespace {

namespace fs = std::filesystem;

// Adds the yearly record ****/12/25 with name.
void Add(const char* name)
{
    const int date[4] = {0, 12, 25, -1};
    std::copy(date, date + 4, Evs.nDate);
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
};

}  // namespace

TEST_F(EventFile, MissingFileLoadsEmptyAndUnreadableFileFails)
{
    std::string path = file;
    EXPECT_EQ(Evs.LoadEvent(path.data()), 1);
    EXPECT_EQ(Events::nCount, 0);
    Add("old");
    EXPECT_EQ(Save(), 1);
    EXPECT_EQ(Evs.bModify, 0);
    EXPECT_EQ(ReadBytes(file), CalLines({"****/12/25,old"}));
    EXPECT_FALSE(fs::exists(backup) || fs::exists(temp));

    // A file that exists but cannot be read is a failed load, not an empty
    // store that a save would write over it.
    fs::create_directory(path = folder.File("dir.CAL"));
    EXPECT_EQ(Evs.LoadEvent(path.data()), 0);
}

TEST_F(EventFile, SaveKeepsThePreviousContentAsBackup)
{
    // With an older backup present, and for a file named like its own
    // temporary file (whose siblings then must not be the file itself).
    for (const char* name : {"VESOMA.CAL", "events.TCA"}) {
        SCOPED_TRACE(name);
        const std::string path = folder.File(name);
        const std::string bak = path.substr(0, path.size() - 3) + "BCA";
        WriteBytes(bak, "an older backup");
        ASSERT_EQ(LoadBytes(path, kOld), 1);
        Add("new");
        // The save writes to the file it was loaded from, whatever the argument.
        char elsewhere[] = "/nonexistent/OTHER.CAL";
        EXPECT_EQ(Evs.SaveEvent(elsewhere), 1);
        EXPECT_EQ(ReadBytes(path), kNew);
        EXPECT_EQ(ReadBytes(bak), kOld);
    }
    // No temporary file is left behind: the two files and their backups only.
    auto entries = fs::directory_iterator(folder.File(""));
    EXPECT_EQ(std::distance(begin(entries), end(entries)), 4);
}

TEST_F(EventFile, LinesThatAreNoRecordsSurviveASave)
{
    // A line with a NUL byte is kept whole even when a name stands before the
    // NUL: read as a record, its rest would be gone after the save.
    const std::string kept = "12/25,X\r\n" + std::string("1996/ 5/ 3,ab\0cd\r\n", 18) + "\r\n";
    const std::string lastWithoutLineEnd = "****/**/ 1,payday";
    ASSERT_EQ(
        LoadBytes(file, CalLines({"1996/5/3,A"}) + kept + CalLines({"1997/1/1,B"}) + lastWithoutLineEnd), 1);
    EXPECT_EQ(ListedLine(0) + ListedLine(1) + ListedLine(2), "1996/ 5/ 3,A1997/ 1/ 1,B-");
    EXPECT_EQ(Evs.bModify, 0);
    Add("C");
    ASSERT_EQ(Save(), 1);
    EXPECT_EQ(ReadBytes(file),
              CalLines({"1996/ 5/ 3,A", "1997/ 1/ 1,B", "****/12/25,C"}) + kept + lastWithoutLineEnd);
}

TEST_F(EventFile, FailedSaveKeepsTheFileAndTheChange)
{
    // A folder with content where the temporary or the backup file goes, and
    // a disk that fills up: the child process may write only 1000 bytes a file.
    for (const std::string& obstacle : {temp, backup, std::string()}) {
        SCOPED_TRACE(obstacle);
        ASSERT_EQ(LoadBytes(file, kOld), 1);
        for (int i = 0; i < 200; ++i)
            Add("a name long enough to fill the file size limit quickly");
        if (!obstacle.empty() && fs::create_directory(obstacle))
            WriteBytes(obstacle + "/inside", "x");
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{1000, 1000};
            if (obstacle.empty())
                setrlimit(RLIMIT_FSIZE, &limit);
            MessageRecorder boxes;
            const bool toldAndKept =
                Save() == 0 && Evs.bModify == 1 && boxes.shown.size() == 1 &&
                boxes.LastCaption() + boxes.LastText() == "保存イベントの保存に失敗しました。";
            _exit(toldAndKept ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        EXPECT_EQ(ReadBytes(file), kOld);
        EXPECT_FALSE(fs::is_regular_file(temp));
        fs::remove_all(temp);
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
