// Verbs of the campaign: the calendar's state and its play button.
//
//   wait_calendar                   waits until the calendar is shown and settled (Kip at rest,
//                                   no announcement waiting) or shows the shop-unlock dialog
//   expect_calendar PAGE CELL       the calendar shows week PAGE with column CELL selected
//   play_calendar [NUMBER DAY]      settles the calendar, answering each announcement with a
//                                   click on "SUContinue", checks that the selected cell is day
//                                   DAY of calendar number NUMBER, and clicks its play or
//                                   upgrade button
#include "FastClock.h"
#include "ScriptDriver.h"
#include "game/Kipto2Canvas.h"
#include "game/campaign/Calendar.h"
#include "game/save/ProfileSave.h"
#include "lang/SyncGuard.h"
#include "sdl/SdlInput.h"

#include <array>
#include <functional>
#include <map>

namespace harness {

namespace {

constexpr const char* UnlockContinue = "ShopUnlockDlg/SUContinue";

Calendar* calendarOf(Kipto2Canvas* game)
{
    return game ? dynamic_cast<Calendar*>(game->getDialogs().calendar()) : nullptr;
}

// Under the canvas's monitor: the calendar is shown and either settled or announcing.
bool calendarWaits(ScriptDriver& driver, bool& announcing)
{
    Kipto2Canvas* game = Kipto2Canvas::getInstance();
    Calendar* calendar = calendarOf(game);
    if (!calendar || !calendar->isVisible())
        return false;
    int32_t x = 0;
    int32_t y = 0;
    announcing = driver.isShownOnScreen(UnlockContinue, x, y);
    return announcing || calendar->isSettled();
}

bool waitForCalendar(ScriptDriver& driver, const Command& command, bool& announcing)
{
    if (!driver.getCanvas() || !calendarOf(Kipto2Canvas::getInstance()))
        return driver.fail(command, "the game has no calendar (wait_ready first)");
    return driver.waitFor(command, "the calendar to settle", [&] {
        SyncGuard guard(driver.getCanvas());
        return calendarWaits(driver, announcing);
    });
}

bool clickShown(ScriptDriver& driver, const Command& command, const std::string& path)
{
    FastClock::Hold hold;
    int32_t x = 0;
    int32_t y = 0;
    {
        SyncGuard guard(driver.getCanvas());
        if (!driver.isShownOnScreen(path, x, y))
            return driver.fail(command, path + " is not shown");
    }
    sdl::mouseMove(driver.getWindow(), x, y, false);
    sdl::mouseButton(driver.getWindow(), x, y, true);
    sdl::mouseButton(driver.getWindow(), x, y, false);
    return driver.waitUntilHandled(command);
}

const Verb waitCalendar("wait_calendar", 0, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    bool announcing = false;
    return waitForCalendar(driver, command, announcing);
});

const Verb expectCalendar("expect_calendar", 2, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    if (!driver.getCanvas())
        return driver.fail(command, "the game runs once the window is handed over (wait_ready first)");
    SyncGuard guard(driver.getCanvas());
    Calendar* calendar = calendarOf(Kipto2Canvas::getInstance());
    if (!calendar || !calendar->isVisible())
        return driver.fail(command, "the calendar is not shown");
    const int32_t page = driver.integerArgument(command, 0);
    const int32_t cell = driver.integerArgument(command, 1);
    if (calendar->getPage() != page || calendar->getSelectedCell() != cell) {
        return driver.fail(command, "the calendar shows week " + std::to_string(calendar->getPage()) + " with cell "
                + std::to_string(calendar->getSelectedCell()) + " selected");
    }
    return true;
});

const Verb playCalendar("play_calendar", 0, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    for (;;) {
        bool announcing = false;
        if (!waitForCalendar(driver, command, announcing))
            return false;
        if (!announcing)
            break;
        if (!clickShown(driver, command, UnlockContinue))
            return false;
    }
    std::string button;
    {
        SyncGuard guard(driver.getCanvas());
        Calendar* calendar = calendarOf(Kipto2Canvas::getInstance());
        const CalendarCell cell{calendar->getPage(), calendar->getSelectedCell()};
        const int32_t number = calendar->getLayout().numberAt(cell);
        const int32_t day = calendar->getLayout().dayOf(cell);
        if (command.arguments.size() >= 2
            && (number != driver.integerArgument(command, 0) || day != driver.integerArgument(command, 1))) {
            return driver.fail(command, "the selected cell is day " + std::to_string(day) + " of " + std::to_string(number));
        }
        int32_t x = 0;
        int32_t y = 0;
        for (const char* name : {"Calendar/play_button", "Calendar/upgradebtn"}) {
            if (driver.isShownOnScreen(name, x, y))
                button = name;
        }
        if (button.empty())
            return driver.fail(command, "the calendar offers no new round to play");
    }
    return clickShown(driver, command, button);
});

} // namespace

} // namespace harness
