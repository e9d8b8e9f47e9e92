// Kills a program that saves in a loop, again and again, and checks the settings file after each
// kill: it opens, SQLite's integrity check passes, and every profile record and setting is the
// last one committed or the one after it (whose commit the kill may have caught), never a mix of
// two saves. The safety copy must pass the integrity check too.
//
//   save_torture KILLS [SEED]
//
// The saving program is this program itself, started with --saver FOLDER FIRST: it saves the
// records of generation FIRST, FIRST + 1, ... and reports each generation on standard output
// once it is committed. Prints the numbers and exits with 1 when any check failed.
#include "BackEnds.h"
#include "game/save/ProfileSave.h"
#include "sprite/User.h"

#include <sqlite3.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const Profiles[] = {"Ann", "Bob"};

// The record a profile holds in generation `generation`: fields over the whole record change
// from one generation to the next, so a record mixed from two saves differs from both.
lang::Ref<ProfileSave> recordOf(int32_t generation, int32_t profile)
{
    lang::Ref<ProfileSave> record = lang::adopt(new ProfileSave);
    const int32_t base = generation * 2 + profile;
    for (size_t i = 0; i < record->itemWishedDay.size(); i++) {
        record->itemWishedDay[i] = static_cast<int16_t>(base + int32_t(i));
        record->itemFoundDay[i] = static_cast<int16_t>(base * 3 + int32_t(i));
    }
    for (size_t i = 0; i < record->wishOrder.size(); i++)
        record->wishOrder[i] = static_cast<int16_t>(base + 2 * int32_t(i));
    for (size_t i = 0; i < record->blitzTimes.size(); i++)
        record->blitzTimes[i] = base * 10 + int32_t(i);
    return record;
}

bool sameBytes(const lang::ByteArray& a, const lang::ByteArray& b)
{
    return a.length() == b.length() && std::memcmp(a.data(), b.data(), size_t(a.length())) == 0;
}

bool isRecordOf(const lang::ByteArray& stored, int32_t generation, int32_t profile)
{
    lang::Ref<lang::ByteArray> expected = lang::adopt(recordOf(generation, profile)->toBytes());
    return sameBytes(stored, *expected);
}

int runSaver(const char* folder, int32_t first)
{
    setenv("KIPTO2_HOME", folder, 1);
    installBackEnds();
    lang::Ref<sprite::User> user = lang::adopt(new sprite::User);
    user->open("Kipto2");
    for (int32_t generation = first;; generation++) {
        for (int32_t profile = 0; profile < 2; profile++)
            recordOf(generation, profile)->save(*user, Profiles[profile]);
        user->setString("Bob\\NOTE", lang::String("note ") + generation);
        user->setInt("GENERATION", generation);
        std::printf("%d\n", generation);
        std::fflush(stdout);
    }
}

// The integrity check of SQLite on the file; the reason in `whyNot` when it fails.
bool passesIntegrityCheck(const std::string& file, std::string& whyNot)
{
    sqlite3* db = nullptr;
    sqlite3_stmt* check = nullptr;
    bool ok = sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK
        && sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr) == SQLITE_OK
        && sqlite3_step(check) == SQLITE_ROW;
    const char* answer = ok ? reinterpret_cast<const char*>(sqlite3_column_text(check, 0)) : nullptr;
    ok = ok && answer && std::strcmp(answer, "ok") == 0;
    if (!ok)
        whyNot = answer ? answer : sqlite3_errmsg(db);
    sqlite3_finalize(check);
    sqlite3_close(db);
    return ok;
}

struct Tally {
    int kills = 0;
    int corruptStores = 0;
    int corruptBackups = 0;
    int mixedRecords = 0;
    int lostCommits = 0;
};

// Checks the store after a kill; `committed` is the last generation the saver reported. Returns
// the generation the store holds, or -1 when it cannot be read at all.
int32_t checkStore(const std::string& folder, int32_t committed, Tally& tally)
{
    const std::string file = folder + "/Kipto2.sqlite";
    std::string whyNot;
    // A saver killed while it starts for the first time may not have made the file yet.
    if (committed == 0 && !std::filesystem::exists(file))
        return 0;
    if (!passesIntegrityCheck(file, whyNot)) {
        std::fprintf(stderr, "kill %d: the store fails its check: %s\n", tally.kills, whyNot.c_str());
        tally.corruptStores++;
        return -1;
    }
    if (std::filesystem::exists(file + ".backup") && !passesIntegrityCheck(file + ".backup", whyNot)) {
        std::fprintf(stderr, "kill %d: the safety copy fails its check: %s\n", tally.kills, whyNot.c_str());
        tally.corruptBackups++;
    }
    lang::Ref<sprite::User> user = lang::adopt(new sprite::User);
    user->open("Kipto2");
    const int32_t generation = user->getInt("GENERATION", 0);
    if (!user->isPersistent() || generation < committed || generation > committed + 1) {
        std::fprintf(stderr, "kill %d: generation %d stored, %d committed\n", tally.kills, generation, committed);
        tally.lostCommits++;
    }
    // The records of the next generation are saved before its number.
    for (int32_t profile = 0; profile < 2; profile++) {
        lang::ByteArray stored;
        // Before the first committed generation a record may not be there yet.
        if (!user->readChunked(ProfileSave::pathOf(Profiles[profile]), stored) && generation == 0)
            continue;
        if (!isRecordOf(stored, generation, profile) && !isRecordOf(stored, generation + 1, profile)) {
            std::fprintf(stderr, "kill %d: %s's record is neither of generation %d nor %d\n", tally.kills,
                         Profiles[profile], generation, generation + 1);
            tally.mixedRecords++;
        }
    }
    const lang::String note = user->getString("Bob\\NOTE", "");
    if (!(note.isEmpty() && generation == 0) && !note.equals(lang::String("note ") + generation) && !note.equals(lang::String("note ") + (generation + 1))) {
        std::fprintf(stderr, "kill %d: the note \"%s\" is of neither generation\n", tally.kills, note.c_str());
        tally.mixedRecords++;
    }
    return generation;
}

// Starts the saver on generation `first`; its reports come through `reports`.
pid_t startSaver(const std::string& folder, int32_t first, int& reports)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        const std::string firstText = std::to_string(first);
        execl("/proc/self/exe", "save_torture", "--saver", folder.c_str(), firstText.c_str(), nullptr);
        _exit(127);
    }
    close(pipeEnds[1]);
    reports = pipeEnds[0];
    return child;
}

// Waits for the saver's first report (it has started and saves); the text read.
std::string waitForFirstSave(int reports)
{
    std::string text;
    char c = 0;
    while (c != '\n') {
        const ssize_t count = read(reports, &c, 1);
        if (count == 1)
            text += c;
        else if (count == 0 || errno != EINTR)
            break;
    }
    return text;
}

// Reads the saver's reports after `text` until it dies; the last generation it reported.
int32_t lastReported(int reports, int32_t before, std::string text)
{
    char buffer[4096];
    ssize_t count;
    while ((count = read(reports, buffer, sizeof buffer)) > 0 || (count < 0 && errno == EINTR))
        text.append(buffer, size_t(count > 0 ? count : 0));
    close(reports);
    int32_t last = before;
    size_t end = text.rfind('\n');
    if (end != std::string::npos) {
        size_t start = text.rfind('\n', end - 1);
        last = std::atoi(text.c_str() + (start == std::string::npos ? 0 : start + 1));
    }
    return last;
}

int runTorture(int kills, unsigned seed)
{
    char pattern[] = "/tmp/kipto2-save-torture-XXXXXX";
    if (!mkdtemp(pattern))
        return 2;
    const std::string folder = pattern;
    setenv("KIPTO2_HOME", folder.c_str(), 1);
    installBackEnds();
    std::mt19937 random(seed);
    // Most kills fall in the middle of saving, one in four during the start (opening the file,
    // writing the safety copy).
    std::uniform_int_distribution<int> delayUs(0, 20000);
    std::uniform_int_distribution<int> quarter(0, 3);
    Tally tally;
    int32_t stored = 0;
    for (tally.kills = 1; tally.kills <= kills; tally.kills++) {
        int reports = -1;
        const pid_t saver = startSaver(folder, stored + 1, reports);
        if (saver < 0)
            return 2;
        std::string reported;
        if (quarter(random) == 0)
            usleep(useconds_t(delayUs(random) * 3));
        else {
            reported = waitForFirstSave(reports);
            usleep(useconds_t(delayUs(random)));
        }
        kill(saver, SIGKILL);
        int status = 0;
        waitpid(saver, &status, 0);
        const int32_t committed = lastReported(reports, stored, reported);
        const int32_t now = checkStore(folder, committed, tally);
        if (now < 0)
            break;
        stored = now;
        if (tally.kills % 100 == 0) {
            std::printf("%d kills, generation %d\n", tally.kills, stored);
            std::fflush(stdout);
        }
    }
    tally.kills--;
    std::printf("kills: %d, last generation: %d, corrupt stores: %d, corrupt safety copies: %d, "
                "mixed records: %d, lost commits: %d\n",
                tally.kills, stored, tally.corruptStores, tally.corruptBackups, tally.mixedRecords,
                tally.lostCommits);
    std::filesystem::remove_all(folder);
    return tally.corruptStores + tally.corruptBackups + tally.mixedRecords + tally.lostCommits == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--saver") == 0)
        return runSaver(argv[2], std::atoi(argv[3]));
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s KILLS [SEED]\n", argv[0]);
        return 2;
    }
    return runTorture(std::atoi(argv[1]), argc == 3 ? unsigned(std::atoi(argv[2])) : 1u);
}
