// Entry function of Kipto2.
#include "BackEnds.h"
#include "CrashHook.h"
#include "GameMain.h"
#include "StartOptions.h"

#include <cstdio>

int main(int argc, char** argv)
{
    const StartOptions options = StartOptions::parse(argc, argv);
    if (options.action == StartOptions::Action::ShowVersion) {
        std::fputs(versionText().c_str(), stdout);
        return 0;
    }
    if (options.action == StartOptions::Action::ShowHelp) {
        std::fputs(helpText().c_str(), stdout);
        return 0;
    }
    startCrashReports();
    installBackEnds();
    return gameMain(options);
}
