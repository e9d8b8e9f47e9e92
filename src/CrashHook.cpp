#include "CrashHook.h"

#include "crash/CrashReport.h"
#include "game/Kipto2Canvas.h"
#include "lang/Debug.h"
#include "sprite/settings/SettingsLocation.h"

#include <cstdio>
#include <string>

namespace {

// Reads plain fields of the running game only: it runs inside the crash handler.
void writeGameContext(crash::ReportText& report)
{
    const Kipto2Canvas* canvas = Kipto2Canvas::getInstance();
    if (!canvas) {
        report.line("screen", "none (the game had not started)");
        return;
    }
    report.line("screen", screenName(canvas->getCurrentScreen()));
    report.line("shop", canvas->getSelectedShop());
    report.line("day", canvas->getSelectedDay());
}

} // namespace

void startCrashReports()
{
    const std::string folder = sprite::SettingsLocation::of("Kipto2").folder;
    if (folder.empty() || !sprite::makeFolders(folder))
        return;
    crash::install(folder, writeGameContext);
    for (const std::string& report : crash::takeNewReports(folder)) {
        const std::string line = "Kipto2 crashed on its last run; the crash report is " + report + "\n";
        // Shown debug output goes to standard error already.
        if (!lang::isDebugOutputShown())
            std::fputs(line.c_str(), stderr);
        lang::debugOutput(line.c_str());
    }
}
