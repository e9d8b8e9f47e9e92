// Verbs that look into the game's state: the canvas's screen and the current profile's save
// record.
#include "ScriptDriver.h"
#include "game/Kipto2Canvas.h"
#include "game/save/ProfileSave.h"
#include "lang/SyncGuard.h"

#include <functional>
#include <array>
#include <map>

namespace harness {

namespace {

// A field of the record as a list of numbers (one for the plain fields).
using FieldReader = std::function<std::vector<int32_t>(const ProfileSave&)>;

template <class T, size_t N>
std::vector<int32_t> numbers(const std::array<T, N>& table)
{
    return std::vector<int32_t>(table.begin(), table.end());
}

const std::map<std::string, FieldReader>& recordFields()
{
    static const std::map<std::string, FieldReader> fields = {
        {"storySeen", [](const ProfileSave& s) { return std::vector<int32_t>{s.storySeen}; }},
        {"hints", [](const ProfileSave& s) { return std::vector<int32_t>{s.hints}; }},
        {"reachedWeek", [](const ProfileSave& s) { return std::vector<int32_t>{s.reachedWeek}; }},
        {"reachedCell", [](const ProfileSave& s) { return std::vector<int32_t>{s.reachedCell}; }},
        {"itemWishedDay", [](const ProfileSave& s) { return numbers(s.itemWishedDay); }},
        {"itemFoundDay", [](const ProfileSave& s) { return numbers(s.itemFoundDay); }},
        {"bestServed", [](const ProfileSave& s) { return numbers(s.bestServed); }},
        {"wishOrder", [](const ProfileSave& s) { return numbers(s.wishOrder); }},
        {"hintTaken", [](const ProfileSave& s) { return numbers(s.hintTaken); }},
        {"shopOpened", [](const ProfileSave& s) { return numbers(s.shopOpened); }},
        {"shopCompleted", [](const ProfileSave& s) { return numbers(s.shopCompleted); }},
        {"tutorialShown", [](const ProfileSave& s) { return std::vector<int32_t>{s.tutorialShown}; }},
        {"blitzTimes", [](const ProfileSave& s) { return numbers(s.blitzTimes); }},
        {"reservedFlag", [](const ProfileSave& s) { return std::vector<int32_t>{s.reservedFlag}; }},
        {"blitzHelpSeen", [](const ProfileSave& s) { return std::vector<int32_t>{s.blitzHelpSeen}; }},
        {"calendarWeek", [](const ProfileSave& s) { return std::vector<int32_t>{s.calendarWeek}; }},
        {"calendarCell", [](const ProfileSave& s) { return std::vector<int32_t>{s.calendarCell}; }},
        {"upgrades", [](const ProfileSave& s) { return numbers(s.upgrades); }},
    };
    return fields;
}

Kipto2Canvas* gameCanvas(ScriptDriver& driver, const Command& command)
{
    Kipto2Canvas* canvas = driver.getCanvas() ? Kipto2Canvas::getInstance() : nullptr;
    if (!canvas)
        driver.fail(command, "the game's canvas runs once the window is handed over (wait_ready first)");
    return canvas;
}

const Verb expectScreen("expect_screen", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    Kipto2Canvas* canvas = gameCanvas(driver, command);
    if (!canvas)
        return false;
    Screen wanted;
    if (!screenFromName(command.arguments[0].c_str(), wanted))
        return driver.fail(command, "no screen is called " + command.arguments[0]);
    SyncGuard guard(canvas);
    const Screen shown = canvas->getCurrentScreen();
    if (shown != wanted)
        return driver.fail(command, std::string("the screen is ") + screenName(shown));
    return true;
});

// "playing" or "silent": whether the menu music (the intro or the loop) is heard.
const Verb expectMusic("expect_music", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    Kipto2Canvas* canvas = gameCanvas(driver, command);
    if (!canvas)
        return false;
    const std::string& wanted = command.arguments[0];
    if (wanted != "playing" && wanted != "silent")
        return driver.fail(command, "the music is \"playing\" or \"silent\"");
    SyncGuard guard(canvas);
    const bool audible = canvas->getMenuMusic().isAudible();
    if (audible != (wanted == "playing"))
        return driver.fail(command, audible ? "the menu music plays" : "the menu music is silent");
    return true;
});

// FIELD VALUE for a plain field, FIELD INDEX VALUE for an entry of a table (0-based).
const Verb expectRecord("expect_record", 2, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    Kipto2Canvas* canvas = gameCanvas(driver, command);
    if (!canvas)
        return false;
    const std::string& field = command.arguments[0];
    auto reader = recordFields().find(field);
    if (reader == recordFields().end())
        return driver.fail(command, "the record has no field " + field);
    const bool indexed = command.arguments.size() >= 3;
    const int index = indexed ? driver.integerArgument(command, 1) : 0;
    const int wanted = driver.integerArgument(command, indexed ? 2 : 1);
    std::vector<int32_t> values;
    {
        SyncGuard guard(canvas);
        if (ProfileSave* save = canvas->getSave())
            values = reader->second(*save);
    }
    if (values.empty())
        return driver.fail(command, "there is no save record");
    if (!indexed && values.size() > 1)
        return driver.fail(command, field + " is a table: give the index");
    if (index < 0 || size_t(index) >= values.size())
        return driver.fail(command, field + " has no entry " + std::to_string(index));
    if (values[size_t(index)] != wanted)
        return driver.fail(command, field + " is " + std::to_string(values[size_t(index)]));
    return true;
});

} // namespace

} // namespace harness
