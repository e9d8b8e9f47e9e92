// kipto2-scores: the online best-times service of the game.
//   kipto2-scores --db FILE [--port N] [--bind ADDRESS] [--threads N] [--trust-proxy]
//                 [--list-rate PER_SECOND] [--submit-rate PER_MINUTE]
// Serves until SIGTERM or SIGINT, then finishes the requests under way and ends.
#include "ScoreServer.h"

#include <pthread.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

const char* Usage = "usage: kipto2-scores --db FILE [--port N] [--bind ADDRESS] [--threads N]\n"
                    "                     [--trust-proxy] [--list-rate PER_SECOND] [--submit-rate PER_MINUTE]\n";

struct Arguments {
    std::string database;
    scores::ScoreServer::Options server;
    scores::ScoreService::Limits limits;
};

bool readNumber(const char* text, double low, double high, double& out)
{
    char* end = nullptr;
    double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || !(value >= low && value <= high))
        return false;
    out = value;
    return true;
}

// False (after saying why) when the command line cannot be used.
bool parseArguments(int argc, char** argv, Arguments& arguments)
{
    for (int i = 1; i < argc; i++) {
        std::string option = argv[i];
        if (option == "--trust-proxy") {
            arguments.server.trustProxy = true;
            continue;
        }
        if (option == "--help" || option == "-h" || i + 1 >= argc) {
            std::fputs(Usage, stderr);
            return false;
        }
        const char* value = argv[++i];
        double number = 0;
        if (option == "--db") {
            arguments.database = value;
        } else if (option == "--bind") {
            arguments.server.bindAddress = value;
        } else if (option == "--port" && readNumber(value, 0, 65535, number)) {
            arguments.server.port = static_cast<int>(number);
        } else if (option == "--threads" && readNumber(value, 1, 1024, number)) {
            arguments.server.threads = static_cast<int>(number);
        } else if (option == "--list-rate" && readNumber(value, 0, 1e9, number)) {
            arguments.limits.listPerSecond = number;
            arguments.limits.listBurst = std::max(number * 4, 1.0);
        } else if (option == "--submit-rate" && readNumber(value, 0, 1e9, number)) {
            arguments.limits.submitPerSecond = number / 60;
            arguments.limits.submitBurst = std::max(number / 2, 1.0);
        } else {
            std::fprintf(stderr, "kipto2-scores: bad option %s %s\n%s", option.c_str(), value, Usage);
            return false;
        }
    }
    if (arguments.database.empty()) {
        std::fputs(Usage, stderr);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Arguments arguments;
    if (!parseArguments(argc, argv, arguments))
        return 2;

    // Every thread made from here on blocks the stop signals; the main thread waits for them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    try {
        scores::ScoreStore store(arguments.database);
        scores::ScoreService service(store, arguments.limits);
        scores::ScoreServer server(service, arguments.server);
        int port = server.bind();
        std::printf("kipto2-scores: listening on http://%s:%d\n", arguments.server.bindAddress.c_str(), port);
        std::fflush(stdout);

        pthread_t mainThread = pthread_self();
        std::thread serving([&] {
            server.run();
            // A server that ended by itself wakes the main thread as a signal would.
            pthread_kill(mainThread, SIGTERM);
        });
        int received = 0;
        sigwait(&stopSignals, &received);
        std::printf("kipto2-scores: %s, stopping\n", received == SIGINT ? "SIGINT" : "SIGTERM");
        std::fflush(stdout);
        server.stop();
        serving.join();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kipto2-scores: %s\n", error.what());
        return 1;
    }
    return 0;
}
