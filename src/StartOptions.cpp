#include "StartOptions.h"

#include "lang/FileSearch.h"
#include "sprite/settings/SettingsLocation.h"
#include "version/Version.h"

#include <cstring>

namespace {

const char HelpText[]
    = "Usage: Kipto2 [--version | --help]\n"
      "\n"
      "Kipto2 is a casual shop game. It takes no other arguments: everything is chosen in the\n"
      "game's own menus.\n"
      "\n"
      "Options:\n"
      "  --version          print the version and end\n"
      "  --help             print this help and end\n"
      "\n"
      "Environment:\n"
      "  KIPTO2_HOME        the folder for settings, saved games and crash reports, instead of\n"
      "                     $XDG_DATA_HOME/Corvalen (by default ~/.local/share/Corvalen)\n"
      "  KIPTO2_DEBUG       when set, the debug output goes to standard error\n"
      "  KIPTO2_SEED        a number: the same random game on every run (for tests)\n"
      "  KIPTO2_RENDERER    \"gl\" draws through OpenGL, \"software\" on the processor; by\n"
      "                     default OpenGL where the system can give it\n"
      "  KIPTO2_SCALING     \"linear\" scales the picture to the window smoothly (the default),\n"
      "                     \"nearest\" by whole pixels; the setting SCALING says the same\n"
      "  KIPTO2_GL_UNAVAILABLE  when 1, acts as if no OpenGL context could be made (for tests)\n"
      "  KIPTO2_SOFTWARE_UNAVAILABLE  when 1, acts as if the window could not show the software\n"
      "                     target's pictures either (for tests)\n"
      "  KIPTO2_PRESENT     \"accelerated\" shows the software picture through the graphics\n"
      "                     card; otherwise it is shown in software\n"
      "  KIPTO2_SCORE_URL   the base address of the score service for Blitz best times,\n"
      "                     such as http://127.0.0.1:8642\n";

} // namespace

StartOptions StartOptions::parse(int argc, const char* const* argv)
{
    StartOptions options;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--version") == 0)
            options.action = Action::ShowVersion;
        else if (std::strcmp(argument, "--help") == 0)
            options.action = Action::ShowHelp;
        else if (std::strcmp(argument, "--crash-test=signal") == 0)
            options.crashTest = crash::Deliberate::Signal;
        else if (std::strcmp(argument, "--crash-test=exception") == 0)
            options.crashTest = crash::Deliberate::Exception;
        if (options.action != Action::Play)
            break;
    }
    return options;
}

std::string versionText()
{
    return std::string("Kipto2 ") + version::describe() + "\nbuild: " + version::build() + "\n";
}

std::string helpText()
{
    const std::string settings = sprite::SettingsLocation::of("Kipto2").folder;
    return std::string(HelpText) + "\nFiles:\n"
        + "  Kipto2.bin, the game's data, is looked for beside the program, in the current folder,\n"
        + "  then in " + lang::installedDataDirectory().c_str() + "\n"
        + "  Settings, saved games and crash reports: "
        + (settings.empty() ? "(no home folder known)" : settings) + "\n";
}
