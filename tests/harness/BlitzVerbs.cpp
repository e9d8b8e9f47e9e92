// Verbs of the Blitz mode's flows, and the option that gives them a score service:
//
//   --score-service           starts kipto2-scores on a free loopback port with a fresh
//                             database and points the game at it (KIPTO2_SCORE_URL)
//   stall_score_service       stops the service's process: its port takes connections but
//                             nothing is answered until resume_score_service
//   wait_best_times           waits until the best-times panel's last request is answered
//   expect_highlight ROW      row ROW (1 to 20) of the best-times panel, and no other, shows the
//                             highlight colour; "none" for no highlighted row
#include "ScriptDriver.h"
#include "game/Kipto2Canvas.h"
#include "game/blitz/BlitzTimes.h"
#include "game/blitz/ScoreServiceLocation.h"
#include "game/save/ProfileSave.h"
#include "lang/SyncGuard.h"
#include "server/ServiceProcess.h"
#include "server/TempFolder.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>

namespace harness {

namespace {

// The service and its database folder, for the whole run of the harness.
struct ScoreService {
    TempFolder folder;
    ServiceProcess program{folder.file("scores.sqlite")};
};

std::unique_ptr<ScoreService>& theService()
{
    static std::unique_ptr<ScoreService> service;
    return service;
}

const Option scoreService("--score-service", Option::Flag, [](const std::string&) {
    std::unique_ptr<ScoreService>& service = theService();
    service = std::make_unique<ScoreService>();
    if (service->program.port() == 0) {
        std::fprintf(stderr, "harness: kipto2-scores did not start: %s\n", service->program.readLine().c_str());
        std::exit(2);
    }
    setenv(ScoreServiceLocation::EnvironmentVariable, service->program.url("/").c_str(), 1);
});

// Runs `change` on the service's process; fails without --score-service.
template <class Change>
bool withService(ScriptDriver& driver, const Command& command, Change change)
{
    if (!theService())
        return driver.fail(command, "the harness runs no score service (--score-service)");
    change(theService()->program);
    return true;
}

const Verb stallService("stall_score_service", 0, Verb::Anytime, [](ScriptDriver& driver, const Command& command) {
    return withService(driver, command, [](ServiceProcess& program) { program.stall(); });
});

const Verb resumeService("resume_score_service", 0, Verb::Anytime, [](ScriptDriver& driver, const Command& command) {
    return withService(driver, command, [](ServiceProcess& program) { program.resume(); });
});

// Runs `check` on the best-times panel under the canvas's monitor.
template <class Check>
bool withPanel(ScriptDriver& driver, const Command& command, Check check)
{
    Kipto2Canvas* game = driver.getCanvas() ? Kipto2Canvas::getInstance() : nullptr;
    if (!game)
        return driver.fail(command, "the game's canvas runs once the window is handed over (wait_ready first)");
    SyncGuard guard(game);
    auto* panel = dynamic_cast<BlitzTimes*>(game->getDialogs().blitzTimes());
    if (!panel)
        return driver.fail(command, "the package has no best-times panel");
    return check(*panel);
}

const Verb waitBestTimes("wait_best_times", 0, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    bool idle = false;
    return driver.waitFor(command, "the best times", [&] {
        withPanel(driver, command, [&](BlitzTimes& panel) {
            idle = !panel.getBoard() || !panel.getBoard()->isBusy();
            return true;
        });
        return idle;
    });
});

const Verb expectHighlight("expect_highlight", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    const int wanted = command.arguments[0] == "none" ? 0 : driver.integerArgument(command, 0);
    return withPanel(driver, command, [&](BlitzTimes& panel) {
        for (int row = 1; row <= BlitzTimes::Rows; ++row) {
            for (const char* column : {"rank", "name", "time"}) {
                sprite::SpriteBase* text = panel.getChild(lang::String(column) + row);
                if (!text)
                    return driver.fail(command, std::string("the panel has no ") + column + std::to_string(row));
                const uint32_t colour = row == wanted ? BlitzTimes::HighlightColor : BlitzTimes::NormalColor;
                if (text->isVisible() && text->getColor() != colour)
                    return driver.fail(command, std::string(column) + std::to_string(row) + " is drawn in "
                            + (row == wanted ? "the normal colour" : "the highlight colour"));
                if (row == wanted && !text->isVisible())
                    return driver.fail(command, std::string(column) + std::to_string(row) + " is hidden");
            }
        }
        return true;
    });
});

} // namespace

} // namespace harness
