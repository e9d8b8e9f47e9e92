// The script's commands, as a table from verb to handler that any file of the harness adds to
// with one line, and the harness's command-line options, added the same way:
//
//     static const harness::Verb fastForward("fast_forward", 1, harness::Verb::NeedsProgram,
//         [](harness::ScriptDriver& driver, const harness::Command& command) { ... return true; });
//     static const harness::Option fast("--fast", harness::Option::Flag,
//         [](const std::string&) { ... });
//
// A handler answers whether the command passed; a failing one reports through driver.fail.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace harness {

class ScriptDriver;

struct Command {
    int line = 0;
    std::string verb;
    std::vector<std::string> arguments;
};

using VerbHandler = std::function<bool(ScriptDriver& driver, const Command& command)>;

struct VerbInfo {
    size_t minArguments = 0;
    // The program's window must exist first (the driver waits for it).
    bool needsProgram = true;
    VerbHandler handler;
};

class Verb {
public:
    enum When : bool { Anytime = false, NeedsProgram = true };
    Verb(const char* name, size_t minArguments, When when, VerbHandler handler);

    // The verb's entry; none for an unknown verb.
    static const VerbInfo* find(const std::string& name);
};

class Option {
public:
    enum Kind { Flag, TakesValue };
    using Handler = std::function<void(const std::string& value)>;
    Option(const char* name, Kind kind, Handler handler);

    // Applies a registered option; false for an unknown one. `value` is "" for a flag.
    static bool apply(const std::string& name, const std::string& value);
    // Whether the option takes a value; false for an unknown one.
    static bool takesValue(const std::string& name);
};

} // namespace harness
