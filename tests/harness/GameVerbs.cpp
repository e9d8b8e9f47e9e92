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

// A field of the record, read as a list of numbers (one for the plain fields) and written one
// entry at a time.
struct RecordField {
    std::function<std::vector<int32_t>(const ProfileSave&)> read;
    std::function<bool(ProfileSave&, int32_t index, int32_t value)> write;
};

template <class T>
RecordField plain(T ProfileSave::*field)
{
    return {[field](const ProfileSave& s) { return std::vector<int32_t>{s.*field}; },
        [field](ProfileSave& s, int32_t index, int32_t value) {
            s.*field = static_cast<T>(value);
            return index == 0;
        }};
}

template <class T, size_t N>
RecordField table(std::array<T, N> ProfileSave::*field)
{
    return {[field](const ProfileSave& s) { return std::vector<int32_t>((s.*field).begin(), (s.*field).end()); },
        [field](ProfileSave& s, int32_t index, int32_t value) {
            if (index < 0 || size_t(index) >= N)
                return false;
            (s.*field)[size_t(index)] = static_cast<T>(value);
            return true;
        }};
}

const std::map<std::string, RecordField>& recordFields()
{
    static const std::map<std::string, RecordField> fields = {
        {"storySeen", plain(&ProfileSave::storySeen)},
        {"hints", plain(&ProfileSave::hints)},
        {"reachedWeek", plain(&ProfileSave::reachedWeek)},
        {"reachedCell", plain(&ProfileSave::reachedCell)},
        {"itemWishedDay", table(&ProfileSave::itemWishedDay)},
        {"itemFoundDay", table(&ProfileSave::itemFoundDay)},
        {"bestServed", table(&ProfileSave::bestServed)},
        {"wishOrder", table(&ProfileSave::wishOrder)},
        {"hintTaken", table(&ProfileSave::hintTaken)},
        {"shopOpened", table(&ProfileSave::shopOpened)},
        {"shopCompleted", table(&ProfileSave::shopCompleted)},
        {"tutorialShown", plain(&ProfileSave::tutorialShown)},
        {"blitzTimes", table(&ProfileSave::blitzTimes)},
        {"reservedFlag", plain(&ProfileSave::reservedFlag)},
        {"blitzHelpSeen", plain(&ProfileSave::blitzHelpSeen)},
        {"calendarWeek", plain(&ProfileSave::calendarWeek)},
        {"calendarCell", plain(&ProfileSave::calendarCell)},
        {"upgrades", table(&ProfileSave::upgrades)},
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
            values = reader->second.read(*save);
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

// FIELD VALUE or FIELD INDEX VALUE: writes the field of the current record and stores it, as a
// game played that far would have.
const Verb setRecord("set_record", 2, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    Kipto2Canvas* canvas = gameCanvas(driver, command);
    if (!canvas)
        return false;
    auto field = recordFields().find(command.arguments[0]);
    if (field == recordFields().end())
        return driver.fail(command, "the record has no field " + command.arguments[0]);
    const bool indexed = command.arguments.size() >= 3;
    const int32_t index = indexed ? driver.integerArgument(command, 1) : 0;
    const int32_t value = driver.integerArgument(command, indexed ? 2 : 1);
    SyncGuard guard(canvas);
    ProfileSave* save = canvas->getSave();
    if (!save)
        return driver.fail(command, "there is no save record");
    if (!field->second.write(*save, index, value))
        return driver.fail(command, command.arguments[0] + " has no entry " + std::to_string(index));
    canvas->saveProfileSave();
    return true;
});

} // namespace

} // namespace harness
