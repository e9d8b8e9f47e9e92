// The settings file under damage, locks and kills: the game must go on, and a file it cannot use
// must be left as it was.
#include "sprite/User.h"

#include "user_helpers.h"

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using sprite::User;

namespace {

std::string contentsOf(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

lang::ByteArray saveOfRound(int32_t round)
{
    lang::ByteArray bytes(4096 + (round % 3) * 2500 + 17);
    for (int32_t i = 0; i < bytes.length(); i++)
        bytes[i] = static_cast<uint8_t>(round * 31 + i);
    return bytes;
}

bool isSaveOfRound(const lang::ByteArray& bytes, int32_t round)
{
    lang::ByteArray expected = saveOfRound(round);
    return bytes.length() == expected.length()
        && std::equal(bytes.data(), bytes.data() + bytes.length(), expected.data());
}

class UserRecovery : public SettingsFolderTest {
protected:
    // Opens the store with standard error captured into `errors`.
    lang::Ref<User> openCapturing(const char* name = "Kipto2")
    {
        testing::internal::CaptureStderr();
        auto user = lang::adopt(new User());
        user->open(name);
        errors = testing::internal::GetCapturedStderr();
        return user;
    }

    // A store with enough values to fill many pages of its file; returns the file's bytes.
    std::string makeFullFile()
    {
        auto user = lang::adopt(new User());
        user->open("Kipto2");
        for (int32_t i = 0; i < 40; i++)
            user->writeChunked(lang::String("P") + i + "\\userdata", saveOfRound(i));
        user->setInt("KEPT", 1);
        user.reset();
        std::string bytes = contentsOf(fileOf("Kipto2"));
        EXPECT_GT(bytes.size(), 20u * 4096u);
        return bytes;
    }

    // The file stays as it is and the game runs on defaults it keeps in memory.
    void expectUnusedFile(const std::string& before)
    {
        auto user = openCapturing();
        EXPECT_FALSE(user->isPersistent());
        EXPECT_NE(errors.find("cannot be used"), std::string::npos) << errors;
        EXPECT_EQ(user->getInt("KEPT", 0), 0);
        user->setInt("KEPT", 5);
        EXPECT_EQ(user->getInt("KEPT", 0), 5);
        user.reset();
        EXPECT_TRUE(contentsOf(fileOf("Kipto2")) == before);
    }

    std::string errors;
};

TEST_F(UserRecovery, AFileThatIsNoDatabaseIsLeftAlone)
{
    std::string garbage(70000, '\0');
    for (size_t i = 0; i < garbage.size(); i++)
        garbage[i] = static_cast<char>(i * 131 + 7);
    writeFile(fileOf("Kipto2"), garbage);
    expectUnusedFile(garbage);
}

TEST_F(UserRecovery, ATruncatedFileIsLeftAlone)
{
    std::string whole = makeFullFile();
    std::string truncated = whole.substr(0, whole.size() / 2);
    writeFile(fileOf("Kipto2"), truncated);
    expectUnusedFile(truncated);
}

TEST_F(UserRecovery, ADamagedPageIsFoundBeforeAnythingIsWritten)
{
    std::string damaged = makeFullFile();
    std::fill(damaged.begin() + 5 * 4096, damaged.begin() + 6 * 4096, static_cast<char>(0xA5));
    writeFile(fileOf("Kipto2"), damaged);
    expectUnusedFile(damaged);
}

TEST_F(UserRecovery, AnEmptyFileStartsAfreshAndSaysSo)
{
    writeFile(fileOf("Kipto2"), "");
    auto user = openCapturing();
    EXPECT_TRUE(user->isPersistent());
    EXPECT_NE(errors.find("was empty"), std::string::npos) << errors;
    user->setInt("NEW", 3);
    EXPECT_EQ(openCapturing()->getInt("NEW", 0), 3);
}

TEST_F(UserRecovery, AFolderThatCannotBeMadeGivesDefaults)
{
    writeFile(folder + "/plainfile", "x");
    setenv("KIPTO2_HOME", (folder + "/plainfile/settings").c_str(), 1);
    auto user = openCapturing();
    EXPECT_FALSE(user->isPersistent());
    EXPECT_NE(errors.find("cannot be used"), std::string::npos) << errors;
    EXPECT_EQ(user->getCreditsOrStart(), 500000);
    user->setString("Bob\\NAME", "Bob");
    EXPECT_STREQ(user->getString("Bob\\NAME", "").c_str(), "Bob");
}

TEST_F(UserRecovery, AnOpenDoesNotWaitForeverOnAFileLockedForGood)
{
    auto first = openCapturing();
    first->setInt("KEPT", 9);
    first.reset();
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(fileOf("Kipto2").c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr),
              SQLITE_OK);
    auto user = openCapturing();
    EXPECT_FALSE(user->isPersistent());
    EXPECT_NE(errors.find("locked"), std::string::npos) << errors;
    user->setInt("KEPT", 1);
    sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    EXPECT_EQ(openCapturing()->getInt("KEPT", 0), 9);
}

TEST_F(UserRecovery, AWriteWaitsForAnotherProgramsLock)
{
    auto user = openCapturing();
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(fileOf("Kipto2").c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::atomic<bool> writing{false};
    std::thread writer([&] {
        writing = true;
        user->setInt("WAITED", 5);
    });
    while (!writing)
        std::this_thread::yield();
    // Holding the lock a while makes a write that gives up at once lose its value.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    writer.join();
    sqlite3_close(other);
    EXPECT_EQ(openCapturing()->getInt("WAITED", 0), 5);
}

TEST_F(UserRecovery, AKilledSaveLoopLeavesAReadableStore)
{
    int32_t lastRound = 0;
    for (int kill = 0; kill < 3; kill++) {
        int progress[2];
        ASSERT_EQ(pipe(progress), 0);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(progress[0]);
            auto user = lang::adopt(new User());
            user->open("Kipto2");
            for (int32_t round = lastRound + 1;; round++) {
                user->writeChunked("Bob\\userdata", saveOfRound(round));
                user->setInt("ROUND", round);
                if (write(progress[1], &round, sizeof round) != sizeof round)
                    _exit(1);
            }
        }
        close(progress[1]);
        int32_t reported = 0;
        while (reported < lastRound + 15 && read(progress[0], &reported, sizeof reported) == sizeof reported) {
        }
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        close(progress[0]);
        ASSERT_TRUE(WIFSIGNALED(status));

        auto user = openCapturing();
        ASSERT_TRUE(user->isPersistent()) << errors;
        int32_t round = user->getInt("ROUND", 0);
        EXPECT_GE(round, reported);
        lang::ByteArray save;
        ASSERT_TRUE(user->readChunked("Bob\\userdata", save));
        // The kill may fall between the save and the round counter, never inside a save.
        EXPECT_TRUE(isSaveOfRound(save, round) || isSaveOfRound(save, round + 1)) << "round " << round;
        lastRound = round + 1;
    }
}

} // namespace
