// The game's crash reports: hooked up with the settings folder and the game's context (the
// screen, the shop and the day), and the one line that tells where a crashed last run left
// its report.
#pragma once

// Installs the crash reports; then announces on standard error and in the debug output the
// reports that crashed runs left behind.
void startCrashReports();
