// What the command line asks of the program. The game reads no arguments: "--version" and
// "--help" print and end, the hidden "--crash-test=signal|exception" crashes once the game's
// window is up (for the tests of the crash reports), and anything else is ignored.
#pragma once

#include "crash/CrashReport.h"

#include <optional>
#include <string>

struct StartOptions {
    enum class Action { Play, ShowVersion, ShowHelp };
    Action action = Action::Play;
    std::optional<crash::Deliberate> crashTest;

    static StartOptions parse(int argc, const char* const* argv);
};

// The text of "--version": "Kipto2 0.9.0 (1a2b3c4d5e)" and the build.
std::string versionText();
// The text of "--help": the options, the environment variables and where the data lies.
std::string helpText();
