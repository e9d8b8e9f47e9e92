// The settings file under damage, locks and kills: the game must go on, and a file it cannot use
// must be left as it was.
#include "sprite/User.h"

#include "user_helpers.h"

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <csignal>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

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

    // The files beside the settings file whose names say they were moved aside as damaged.
    std::vector<std::string> damagedFiles() const
    {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("Kipto2.sqlite.damaged-", 0) == 0 && name.find("-wal") == std::string::npos
                && name.find("-shm") == std::string::npos)
                found.push_back(entry.path().string());
        }
        return found;
    }

    // The damaged file is kept, byte for byte, under a new name; the store opened in its place
    // saves again, and the player is told. `restored` says whether the safety copy was used.
    lang::Ref<User> expectMovedAside(const std::string& damaged, bool restored)
    {
        auto user = openCapturing();
        EXPECT_TRUE(user->isPersistent()) << errors;
        EXPECT_NE(errors.find("kept as"), std::string::npos) << errors;
        EXPECT_EQ(errors.find("restored from the safety copy") != std::string::npos, restored) << errors;
        EXPECT_FALSE(user->getTrouble().isEmpty());
        std::vector<std::string> aside = damagedFiles();
        EXPECT_EQ(aside.size(), 1u);
        if (!aside.empty()) {
            EXPECT_TRUE(contentsOf(aside[0]) == damaged);
        }
        return user;
    }

    // Every record and the value written last before the store was closed came back.
    void expectWholeStore(User& user)
    {
        EXPECT_EQ(user.getInt("KEPT", 0), 1);
        for (int32_t i = 0; i < 40; i++) {
            lang::ByteArray save;
            EXPECT_TRUE(user.readChunked(lang::String("P") + i + "\\userdata", save) && isSaveOfRound(save, i)) << i;
        }
    }

    std::string errors;
};

TEST_F(UserRecovery, ADamagedFileWithoutSafetyCopyIsMovedAsideAndANewOneSaves)
{
    std::string garbage(70000, '\0');
    for (size_t i = 0; i < garbage.size(); i++)
        garbage[i] = static_cast<char>(i * 131 + 7);
    writeFile(fileOf("Kipto2"), garbage);
    auto user = expectMovedAside(garbage, false);
    user->setInt("NEW", 4);
    user.reset();
    EXPECT_EQ(openCapturing()->getInt("NEW", 0), 4);
    EXPECT_TRUE(errors.empty()) << errors;
}

// The safety copy written when the store closed holds everything; a damaged page, a file cut
// short by a crash and an emptied file each get it back.
TEST_F(UserRecovery, ADamagedFileIsRestoredFromTheSafetyCopyOfTheLastCleanExit)
{
    const std::string whole = makeFullFile();
    std::string damagedPage = whole;
    std::fill(damagedPage.begin() + 5 * 4096, damagedPage.begin() + 6 * 4096, static_cast<char>(0xA5));
    for (const std::string& damaged : {damagedPage, whole.substr(0, whole.size() / 2), std::string()}) {
        for (const std::string& old : damagedFiles())
            std::filesystem::remove(old);
        writeFile(fileOf("Kipto2"), damaged);
        auto user = expectMovedAside(damaged, true);
        expectWholeStore(*user);
    }
}

TEST_F(UserRecovery, ADamagedSafetyCopyIsNotRestoredAndIsRenewedAtTheNextClose)
{
    const std::string whole = makeFullFile();
    const std::string backup = fileOf("Kipto2") + ".backup";
    writeFile(backup, whole.substr(0, whole.size() / 3));
    writeFile(fileOf("Kipto2"), whole.substr(0, whole.size() / 2));
    auto user = expectMovedAside(whole.substr(0, whole.size() / 2), false);
    user->setInt("KEPT", 2);
    user.reset();
    writeFile(fileOf("Kipto2"), "not a database");
    for (const std::string& old : damagedFiles())
        std::filesystem::remove(old);
    EXPECT_EQ(expectMovedAside("not a database", true)->getInt("KEPT", 0), 2);
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
    EXPECT_NE(std::string(user->getTrouble().c_str()).find("in use by another program"), std::string::npos);
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

TEST_F(UserRecovery, AfterAWriteGaveUpOnALockTheNextOnesWaitOnlyBrieflyUntilOneIsStored)
{
    auto user = openCapturing();
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(fileOf("Kipto2").c_str(), &other), SQLITE_OK);
    auto lockFor = [&](int milliseconds) {
        EXPECT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        return std::thread([&, milliseconds] {
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
            sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        });
    };
    testing::internal::CaptureStderr();
    std::thread holder = lockFor(8000);
    user->setInt("FIRST", 1);
    EXPECT_TRUE(user->isWriteFailing()) << "the full wait ran out";
    // The next write gives up long before the other program lets go, where the full wait
    // would have outlasted the lock.
    user->setInt("SECOND", 2);
    EXPECT_TRUE(user->isWriteFailing());
    holder.join();
    testing::internal::GetCapturedStderr();

    // Once a write is stored, a lock is waited out again for the full time.
    user->setInt("THIRD", 3);
    EXPECT_FALSE(user->isWriteFailing());
    holder = lockFor(1000);
    user->setInt("FOURTH", 4);
    holder.join();
    sqlite3_close(other);
    EXPECT_FALSE(user->isWriteFailing());
    auto again = openCapturing();
    EXPECT_EQ(again->getInt("SECOND", 0), 0);
    EXPECT_EQ(again->getInt("FOURTH", 0), 4);
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
